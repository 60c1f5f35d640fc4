#include "FakeEditorContext.h"
#include "ItemCommands.h"
#include "ItemTestRows.h"
#include "SectionCommands.h"
#include "Sections.h"
#include "frmSection.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ItemTestRows;

namespace {
// Title, button and fields of a section dialog, as "title|button|name|columns|size|above|border".
QString Shown(QDialog& d) {
    QStringList shown{d.windowTitle(), d.findChild<QPushButton*>("cmdAdd")->text()};
    for (const char* name : {"txtName", "txtColumns", "txtIconSize"})
        shown << d.findChild<QLineEdit*>(name)->text();
    for (const char* name : {"chkIconsAbove", "chkTableBorder"})
        shown << (d.findChild<QCheckBox*>(name)->isChecked() ? "True" : "False");
    return shown.join('|');
}
} // namespace

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
                    const SectionDetails details{a + b + c};
                    const QString encoded = EncodeSectionName(details.Name);
                    if (encoded.contains(':') || encoded.contains(';') ||
                        SectDetails(SectionRowText(details), 1) != details.Name)
                        failed << details.Name;
                }
        QCOMPARE(failed, QStringList());
    }

    // Details 0 to 6 of a row text, "-" where there is none.
    void sectDetails_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("details");
        // clang-format off
        QTest::newRow("new row") << "SECTION:My{c} tools;Columns:3;Icon size:48;Icons above:False;Table border:True" << "-|My: tools|3|48|False|True|-";
        QTest::newRow("empty text") << "" << "-|-|-|-|-|-|-";
        QTest::newRow("field without colon, fewer fields") << "SECTION:A;Columns" << "-|A|-|-|-|-|-";
        QTest::newRow("empty value, second colon") << "SECTION:;Columns:;Icon size:2:9" << "-|||2|-|-|-";
        // clang-format on
    }
    void sectDetails() {
        QFETCH(QString, text);
        QFETCH(QString, details);
        QStringList found, shown;
        for (int p = 0; p <= 6; ++p) {
            found << FindSectDetail(text, p).value_or("-");
            shown << SectDetails(text, p);
        }
        QCOMPARE(found.join('|'), details);
        QCOMPARE(shown.join('|'), QString(details).remove('-'));
    }

    // The count for every row of the list and for the row after it.
    void itemsInSection_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("counts");
        QTest::newRow("sections") << "#A a1 a2 #B #C c1"
                                  << "2 2 2 0 1 1 0";
        QTest::newRow("leading block") << "i1 i2 #A a1"
                                       << "2 2 1 1 0";
        QTest::newRow("one item row") << "i1"
                                      << "1 0";
        QTest::newRow("one section row") << "#A"
                                         << "0 0";
        QTest::newRow("section standing last") << "i1 #A"
                                               << "1 0 0";
        QTest::newRow("empty list") << ""
                                    << "0";
    }
    void itemsInSection() {
        QFETCH(QString, rows);
        QFETCH(QString, counts);
        FakeEditorContext ctx;
        Fill(ctx, rows);
        QStringList got;
        for (int row = 1; row <= ctx.Document.Items.Count() + 1; ++row)
            got << QString::number(ItemsInSection(ctx.Document.Items, row));
        QCOMPARE(got.join(' '), counts);
    }

    // Leaving a number field corrects it; so does Enter while it has the focus, before the
    // row is stored.
    void numberCorrections_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("enter");
        // clang-format off
        QTest::newRow("columns 0") << "txtColumns" << "0" << "1" << false;
        QTest::newRow("columns word") << "txtColumns" << "many" << "5" << false;
        QTest::newRow("columns 0.9 rounds down below 1") << "txtColumns" << "0.9" << "1" << false;
        QTest::newRow("columns infinity") << "txtColumns" << "inf" << "5" << false;
        QTest::newRow("columns blanks around") << "txtColumns" << " 7 " << " 7 " << false;
        QTest::newRow("icon size 5000") << "txtIconSize" << "5000" << "1024" << false;
        QTest::newRow("icon size empty") << "txtIconSize" << "" << "32" << false;
        QTest::newRow("name is not corrected") << "txtName" << "0" << "0" << false;
        QTest::newRow("Enter in icon size") << "txtIconSize" << "15.9" << "16" << true;
        // clang-format on
    }
    void numberCorrections() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, enter);
        FakeEditorContext ctx;
        frmSection dialog(ctx);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* edit = dialog.findChild<QLineEdit*>(field);
        edit->setFocus();
        edit->setText(typed);
        QTest::keyClick(edit, enter ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(edit->text(), shown);
        const ItemRows& items = ctx.Document.Items;
        QCOMPARE(items.Count()
                     ? SectDetails(items.Cell(1, cellDescription), field == "txtColumns" ? 2 : 3)
                     : "none",
                 enter ? shown : "none");
    }

    // Add section, or Edit on the current row given Text; the user names the section Tools.
    // An edited row keeps its comment (so it shows "?").
    void sectionDialog_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("after");
        const QString add = QStringLiteral("Add Section|Add||5|32|True|False");
        // clang-format off
        QTest::newRow("above the current row") << "a b [c] d e" << "" << add << "a b #Tools [c] d e";
        QTest::newRow("above row 1") << "[a] b" << "" << add << "#Tools [a] b";
        QTest::newRow("empty list") << "" << "" << add << "#Tools";
        QTest::newRow("no current row appends") << "a b" << "" << add << "a b #Tools";
        QTest::newRow("edit") << "a [#S] b" << "SECTION:R&amp{s}D{c};Columns:7;Icon size:64;Icons above:False;Table border:True"
            << "Edit Section R&D:|Edit|R&D:|7|64|False|True" << "a [#Tools;Columns:7;Icon size:64;Icons above:False;Table border:True?] b";
        QTest::newRow("edit, details it cannot read") << "[#S]" << "SECTION:Odd;Columns:2;Icon size;Icons above:Yes"
            << "Edit Section Odd|Edit|Odd|2|32|True|False" << "[#Tools;Columns:2;Icon size:32;Icons above:True;Table border:False?]";
        // clang-format on
    }
    void sectionDialog() {
        QFETCH(QString, rows);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        FakeEditorContext ctx;
        Fill(ctx, rows);
        ctx.Tab = 2;
        ctx.Document.EIcon = text.isEmpty(); // each command sets it
        if (!text.isEmpty()) {
            ctx.Document.Items.SetCell(ctx.Current, cellDescription, text);
            ctx.Document.Items.SetCell(ctx.Current, cellComments, QStringLiteral("kept"));
        }
        QString seen;
        ctx.Scripted.ModalScripts << [&seen](QDialog& d) {
            seen = Shown(d);
            d.findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Tools"));
            d.findChild<QPushButton*>("cmdAdd")->click();
            return d.result();
        };
        text.isEmpty() ? SectionCommands::mnuEditAddSection_Click(ctx)
                       : ItemCommands::mnuEditEdit_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmSection"});
        QCOMPARE(seen, shown);
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx), after); // the selection stays on its row
        QVERIFY(ctx.Document.Changed);
        QCOMPARE(ctx.CheckmenusCalls, 1);
    }
};

QTEST_MAIN(TestSections)
#include "test_sections.moc"
