#include "editor/ItemTestRows.h"
#include "items/Sections.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/SectionCommands.h"
#include "items/ui/frmSection.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace ItemTestRows;

class TestSections : public QObject {
    Q_OBJECT
private slots:
    void encoding() {
        // The exact stored forms; entities hold ";" themselves, which the encoding then hides.
        QCOMPARE(EncodeSectionName(QStringLiteral("a:b;c {x} {c}{l}{r}{s} R&D \"<é>\"")),
                 QStringLiteral("a{c}b{s}c {l}x{r} {l}c{r}{l}l{r}{l}r{r}{l}s{r} R&amp{s}D "
                                "&quot{s}&lt{s}é&gt{s}&quot{s}"));
        QCOMPARE(SectionRowText({QStringLiteral("Tools")}),
                 "SECTION:Tools;Columns:5;Icon size:32;Icons above:True;Table border:False");
        // Every three-piece name over the characters and words the format gives meaning to.
        const QStringList pieces{":",   ";", "{",  "}", "{c}", "{l}", "{r}",   "{s}",
                                 "{l_", "&", "\"", "c", " ",   "é",   "&quot;"};
        QStringList failed;
        for (const QString& a : pieces)
            for (const QString& b : pieces)
                for (const QString& c : pieces) {
                    const QString name = a + b + c, encoded = EncodeSectionName(name);
                    if (encoded.contains(':') || encoded.contains(';') ||
                        SectDetails(SectionRowText({name}), 1) != name)
                        failed << name;
                }
        QCOMPARE(failed, QStringList());
    }

    // Details 0 to 6 of a row text, "-" where there is none.
    void sectDetails_data() {
        Texts({"text", "details"});
        // clang-format off
        QTest::newRow("new row") << "SECTION:My{c} tools;Columns:3;Icon size:48;Icons above:False;Table border:True" << "-|My: tools|3|48|False|True|-";
        QTest::newRow("empty text") << "" << "-|-|-|-|-|-|-";
        QTest::newRow("field without colon, fewer fields") << "SECTION:A;Columns" << "-|A|-|-|-|-|-";
        QTest::newRow("empty value, second colon") << "SECTION:;Columns:;Icon size:2:9" << "-|||2|-|-|-";
        // clang-format on
    }
    void sectDetails() {
        QStringList found;
        for (int p = 0; p <= 6; ++p)
            found << FindSectDetail(Fetch("text"), p).value_or("-");
        QCOMPARE(found.join('|'), Fetch("details"));
    }

    // Add section, or Edit on the current row given Text; the dialog shows "title|button|
    // name|columns|size|above|border". The user types the same text into name, columns and
    // icon size, leaving each with Tab, the last with Enter: leaving a number field corrects
    // it, and Enter does before the row is stored. An edited row keeps its comment ("?").
    void sectionDialog_data() {
        Texts({"rows", "text", "typed", "shown", "after"});
        const QString add = QStringLiteral("Add Section|Add||5|32|1|0");
        const QString flags = QStringLiteral(";Icons above:True;Table border:False");
        // clang-format off
        QTest::newRow("above the current row") << "a b [c] d e" << "" << "Tools" << add << "a b #Tools [c] d e";
        QTest::newRow("empty list") << "" << "" << "Tools" << add << "#Tools";
        QTest::newRow("no current row appends") << "a b" << "" << "Tools" << add << "a b #Tools";
        QTest::newRow("0.9 rounds down below 1") << "" << "" << "0.9" << add << "#0.9;Columns:1;Icon size:16" + flags;
        QTest::newRow("above the bounds") << "" << "" << "5000" << add << "#5000;Columns:100;Icon size:1024" + flags;
        QTest::newRow("a fraction inside stays, blanks too") << "" << "" << " 15.9 " << add << "# 15.9 ;Columns: 15.9 ;Icon size:16" + flags;
        QTest::newRow("infinity") << "" << "" << "inf" << add << "#inf";
        QTest::newRow("edit") << "a [#S] b" << "SECTION:R&amp{s}D{c};Columns:7;Icon size:64;Icons above:False;Table border:True"
            << "Tools" << "Edit Section R&D:|Edit|R&D:|7|64|0|1" << "a [#Tools;Columns:5;Icon size:32;Icons above:False;Table border:True?] b";
        QTest::newRow("edit, details it cannot read") << "[#S]" << "SECTION:Odd;Columns:2;Icon size;Icons above:Yes"
            << "Tools" << "Edit Section Odd|Edit|Odd|2|32|1|0" << "[#Tools?]";
        // clang-format on
    }
    void sectionDialog() {
        const QString text = Fetch("text"), typed = Fetch("typed");
        FakeEditorContext ctx;
        Fill(ctx, Fetch("rows"));
        ctx.Tab = 2;
        ctx.Document.EIcon = text.isEmpty(); // each command sets it
        if (!text.isEmpty()) {
            ctx.Document.Items.SetCell(ctx.Current, cellDescription, text);
            ctx.Document.Items.SetCell(ctx.Current, cellComments, QStringLiteral("kept"));
        }
        QString seen;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmSection&>(w);
            if (!ShowActive(d))
                return -1;
            seen = d.windowTitle() + '|' + d.cmdAdd->text();
            for (QLineEdit* edit : {d.txtName, d.txtColumns, d.txtIconSize})
                seen += '|' + edit->text();
            for (QCheckBox* box : {d.chkIconsAbove, d.chkTableBorder})
                seen += box->isChecked() ? "|1" : "|0";
            for (QLineEdit* edit : {d.txtName, d.txtColumns, d.txtIconSize}) {
                edit->setFocus();
                edit->setText(typed);
                QTest::keyClick(edit, edit == d.txtIconSize ? Qt::Key_Return : Qt::Key_Tab);
            }
            return d.result();
        };
        text.isEmpty() ? SectionCommands::mnuEditAddSection_Click(ctx)
                       : ItemCommands::mnuEditEdit_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmSection"});
        QCOMPARE(seen, Fetch("shown"));
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx), Fetch("after")); // the selection stays on its row
        QVERIFY(ctx.Document.Changed());
        QCOMPARE(ctx.CheckmenusCalls, 1);
    }
};

QTEST_MAIN(TestSections)
#include "test_sections.moc"
