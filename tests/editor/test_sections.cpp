#include "ItemCommands.h"
#include "ItemTestRows.h"
#include "SectionCommands.h"
#include "Sections.h"
#include "frmSection.h"

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
        QStringList found;
        for (int p = 0; p <= 6; ++p)
            found << FindSectDetail(text, p).value_or("-");
        QCOMPARE(found.join('|'), details);
    }

    // The count for every row of the list and for the row after it.
    void itemsInSection_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("counts");
        // clang-format off
        QTest::newRow("sections") << "#A a1 a2 #B #C c1" << "2 2 2 0 1 1 0";
        QTest::newRow("leading block") << "i1 i2 #A a1" << "2 2 1 1 0";
        QTest::newRow("one item row") << "i1" << "1 0";
        QTest::newRow("one section row") << "#A" << "0 0";
        QTest::newRow("section standing last") << "i1 #A" << "1 0 0";
        QTest::newRow("empty list") << "" << "0";
        // clang-format on
    }
    void itemsInSection() {
        QFETCH(QString, rows);
        QFETCH(QString, counts);
        ItemRows items;
        Fill(items, rows);
        QStringList got;
        for (int row = 1; row <= items.Count() + 1; ++row)
            got << QString::number(ItemsInSection(items, row));
        QCOMPARE(got.join(' '), counts);
    }

    // The same text in name, columns and icon size: Tab leaves the first two, Enter in the
    // third corrects it before the row is stored. Names are never corrected.
    void numberCorrections_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("corrected"); // columns|icon size
        // clang-format off
        QTest::newRow("0.9 rounds down below 1") << "0.9" << "1|16";
        QTest::newRow("a fraction inside stays") << "15.9" << "15.9|16";
        QTest::newRow("above the bounds") << "5000" << "100|1024";
        QTest::newRow("blanks around") << " 7 " << " 7 |16";
        QTest::newRow("infinity") << "inf" << "5|32";
        QTest::newRow("empty") << "" << "5|32";
        // clang-format on
    }
    void numberCorrections() {
        QFETCH(QString, typed);
        QFETCH(QString, corrected);
        FakeEditorContext ctx;
        frmSection d(ctx);
        QVERIFY(ShowActive(d));
        QStringList shown;
        for (QLineEdit* edit : {d.txtName, d.txtColumns, d.txtIconSize}) {
            edit->setFocus();
            edit->setText(typed);
            QTest::keyClick(edit, edit == d.txtIconSize ? Qt::Key_Return : Qt::Key_Tab);
            shown << edit->text();
        }
        QCOMPARE(shown.join('|'), typed + '|' + corrected);
        const ItemRows& items = ctx.Document.Items;
        const QString row = items.Count() == 1 ? items.Cell(1, cellDescription) : QString();
        QCOMPARE(SectDetails(row, 1) + '|' + SectDetails(row, 2) + '|' + SectDetails(row, 3),
                 shown.join('|'));
    }

    // Add section, or Edit on the current row given Text; the dialog shows "title|button|name|
    // columns|size|above|border" and the user names the section Tools. An edited row keeps
    // its comment (so it shows "?").
    void sectionDialog_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("after");
        const QString add = QStringLiteral("Add Section|Add||5|32|1|0");
        // clang-format off
        QTest::newRow("above the current row") << "a b [c] d e" << "" << add << "a b #Tools [c] d e";
        QTest::newRow("empty list") << "" << "" << add << "#Tools";
        QTest::newRow("no current row appends") << "a b" << "" << add << "a b #Tools";
        QTest::newRow("edit") << "a [#S] b" << "SECTION:R&amp{s}D{c};Columns:7;Icon size:64;Icons above:False;Table border:True"
            << "Edit Section R&D:|Edit|R&D:|7|64|0|1" << "a [#Tools;Columns:7;Icon size:64;Icons above:False;Table border:True?] b";
        QTest::newRow("edit, details it cannot read") << "[#S]" << "SECTION:Odd;Columns:2;Icon size;Icons above:Yes"
            << "Edit Section Odd|Edit|Odd|2|32|1|0" << "[#Tools;Columns:2;Icon size:32;Icons above:True;Table border:False?]";
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
        ctx.Scripted.ModalScripts << [&seen](QDialog& w) {
            auto& d = static_cast<frmSection&>(w);
            seen = QStringList{d.windowTitle(),
                               d.cmdAdd->text(),
                               d.txtName->text(),
                               d.txtColumns->text(),
                               d.txtIconSize->text(),
                               QString::number(d.chkIconsAbove->isChecked()),
                               QString::number(d.chkTableBorder->isChecked())}
                       .join('|');
            d.txtName->setText(QStringLiteral("Tools"));
            d.cmdAdd->click();
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
