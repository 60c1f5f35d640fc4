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

using ItemTestRows::Fill;
using ItemTestRows::Words;

namespace {
const QString Tools =
    QStringLiteral("SECTION:Tools;Columns:5;Icon size:32;Icons above:True;Table border:False");

template <typename T> T* Child(QDialog& Dialog, const char* Name) {
    T* child = Dialog.findChild<T*>(QLatin1String(Name));
    if (!child)
        qWarning("no control %s", Name);
    return child;
}

// Shows the dialog for real, so that focus moves as it does for a user.
bool ShowActive(QDialog& Dialog) {
    Dialog.show();
    Dialog.activateWindow();
    return QTest::qWaitForWindowActive(&Dialog);
}
} // namespace

class TestSections : public QObject {
    Q_OBJECT
private slots:
    void nameRoundTrip_data();
    void nameRoundTrip();
    void nameRoundTripGenerated();
    void newSectionRowText();
    void sectDetailsPositions_data();
    void sectDetailsPositions();
    void foreignRowTexts_data();
    void foreignRowTexts();
    void itemsInSection_data();
    void itemsInSection();
    void numberCorrections_data();
    void numberCorrections();

    void addSectionPosition_data();
    void addSectionPosition();
    void addSectionStoresFields();
    void cancelLeavesList();
    void editModeReadsRow();
    void editModeKeepsInitialStatesForWhatItCannotRead();
    void focusOutCorrectsField();
    void enterInNumberFieldCorrectsBeforeStore();
    void editCommandOpensSectionDialogForSectionRow();
};

void TestSections::nameRoundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("colon and semicolon") << "a:b;c"
                                         << "a{c}b{s}c";
    QTest::newRow("braces") << "{x}"
                            << "{l}x{r}";
    QTest::newRow("literal {c}") << "{c}"
                                 << "{l}c{r}";
    QTest::newRow("literal {l} {r} {s}") << "{l}{r}{s}"
                                         << "{l}l{r}{l}r{r}{l}s{r}";
    // The escaped forms hold ";" themselves, which the encoding then hides.
    QTest::newRow("ampersand") << "R&D"
                               << "R&amp{s}D";
    QTest::newRow("an entity typed") << "&amp;"
                                     << "&amp{s}amp{s}";
    QTest::newRow("quotes and tags") << "\"<b>\""
                                     << "&quot{s}&lt{s}b&gt{s}&quot{s}";
    QTest::newRow("non-ASCII") << QStringLiteral("Über€ 中文") << QStringLiteral("Über€ 中文");
    QTest::newRow("empty") << ""
                           << "";
}

void TestSections::nameRoundTrip() {
    QFETCH(QString, name);
    QFETCH(QString, encoded);
    QCOMPARE(EncodeSectionName(name), encoded);
    SectionDetails details;
    details.Name = name;
    const QString row = SectionRowText(details);
    QCOMPARE(SectDetails(row, 1), name);
    QCOMPARE(SectDetails(row, 2), QStringLiteral("5"));
    QCOMPARE(SectDetails(row, 5), QStringLiteral("False"));
}

void TestSections::nameRoundTripGenerated() {
    // Every three-piece name over the characters and words the format gives meaning to.
    const QStringList pieces{":",     ";",   "{", "}",  "{c}", "{l}", "{r}",
                             "{s}",   "{l_", "&", "\"", "c",   " ",   QStringLiteral("é"),
                             "&quot;"};
    int failures = 0;
    for (const QString& a : pieces)
        for (const QString& b : pieces)
            for (const QString& c : pieces) {
                const QString name = a + b + c;
                const QString encoded = EncodeSectionName(name);
                SectionDetails details;
                details.Name = name;
                if (encoded.contains(QLatin1Char(':')) || encoded.contains(QLatin1Char(';')) ||
                    SectDetails(SectionRowText(details), 1) != name) {
                    if (++failures < 5)
                        qWarning() << "round trip fails for" << name << encoded;
                }
            }
    QCOMPARE(failures, 0);
}

void TestSections::newSectionRowText() {
    SectionDetails details;
    details.Name = QStringLiteral("Tools");
    QCOMPARE(SectionRowText(details), Tools);
}

void TestSections::sectDetailsPositions_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("detail");
    QTest::newRow("0") << 0 << "";
    QTest::newRow("1 name") << 1 << "My: tools";
    QTest::newRow("2 columns") << 2 << "3";
    QTest::newRow("3 icon size") << 3 << "48";
    QTest::newRow("4 icons above") << 4 << "False";
    QTest::newRow("5 table border") << 5 << "True";
    QTest::newRow("6") << 6 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestSections::sectDetailsPositions() {
    QFETCH(int, position);
    QFETCH(QString, detail);
    const QString row = QStringLiteral(
        "SECTION:My{c} tools;Columns:3;Icon size:48;Icons above:False;Table border:True");
    QCOMPARE(SectDetails(row, position), detail);
}

void TestSections::foreignRowTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("detail");
    QTest::newRow("empty text") << "" << 1 << false << "";
    QTest::newRow("field without colon") << "SECTION:A;Columns" << 2 << false << "";
    QTest::newRow("fewer fields") << "SECTION:A;Columns:2" << 4 << false << "";
    QTest::newRow("empty value is there") << "SECTION:A;Columns:" << 2 << true << "";
    QTest::newRow("value ends at second colon") << "SECTION:A;Columns:2:9" << 2 << true << "2";
    QTest::newRow("no section word") << "plain text" << 1 << false << "";
    QTest::newRow("stray entity") << "SECTION:&bogus;x:1" << 1 << true << "&bogus";
}

void TestSections::foreignRowTexts() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(bool, found);
    QFETCH(QString, detail);
    QCOMPARE(FindSectDetail(text, position).has_value(), found);
    QCOMPARE(SectDetails(text, position), detail);
}

void TestSections::itemsInSection_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::newRow("section with two items") << "#A a1 a2 #B #C c1" << 1 << 2;
    QTest::newRow("item row asks for its block") << "#A a1 a2 #B #C c1" << 3 << 2;
    QTest::newRow("section followed by a section") << "#A a1 a2 #B #C c1" << 4 << 0;
    QTest::newRow("last section") << "#A a1 a2 #B #C c1" << 5 << 1;
    QTest::newRow("leading block") << "i1 i2 #A a1" << 1 << 2;
    QTest::newRow("one item row") << "i1" << 1 << 1;
    QTest::newRow("one section row") << "#A" << 1 << 0;
    QTest::newRow("section standing last") << "i1 #A" << 2 << 0;
    QTest::newRow("empty list") << "" << 1 << 0;
    QTest::newRow("row beyond the list") << "#A a1" << 7 << 0;
}

void TestSections::itemsInSection() {
    QFETCH(QString, rows);
    QFETCH(int, row);
    QFETCH(int, count);
    ItemRows items;
    Fill(items, rows);
    QCOMPARE(ItemsInSection(items, row), count);
}

void TestSections::numberCorrections_data() {
    QTest::addColumn<bool>("columns");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("columns 0") << true << "0"
                               << "1";
    QTest::newRow("columns 250") << true << "250"
                                 << "100";
    QTest::newRow("columns word") << true << "many"
                                  << "5";
    QTest::newRow("columns empty") << true << ""
                                   << "5";
    QTest::newRow("columns negative") << true << "-3"
                                      << "1";
    QTest::newRow("columns fraction inside") << true << "2.5"
                                             << "2.5";
    QTest::newRow("columns 100.5 has whole part 100") << true << "100.5"
                                                      << "100.5";
    QTest::newRow("columns 0.9 rounds down below 1") << true << "0.9"
                                                     << "1";
    QTest::newRow("columns exponent") << true << "1e3"
                                      << "100";
    QTest::newRow("columns infinity") << true << "inf"
                                      << "5";
    QTest::newRow("columns blanks around") << true << " 7 "
                                           << " 7 ";
    QTest::newRow("icon size 8") << false << "8"
                                 << "16";
    QTest::newRow("icon size 5000") << false << "5000"
                                    << "1024";
    QTest::newRow("icon size word") << false << "big"
                                    << "32";
    QTest::newRow("icon size 15.9") << false << "15.9"
                                    << "16";
    QTest::newRow("icon size 1024.9") << false << "1024.9"
                                      << "1024.9";
    QTest::newRow("icon size 48") << false << "48"
                                  << "48";
}

void TestSections::numberCorrections() {
    QFETCH(bool, columns);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(columns ? CorrectSectionColumns(typed) : CorrectSectionIconSize(typed), result);
}

void TestSections::addSectionPosition_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("current");
    QTest::newRow("above row 3 of five") << "a b c d e" << 3 << "a b #Tools c d e" << 4;
    QTest::newRow("above row 1") << "a b" << 1 << "#Tools a b" << 2;
    QTest::newRow("empty list") << "" << 0 << "#Tools" << 0;
    QTest::newRow("no selected row appends") << "a b" << 0 << "a b #Tools" << 0;
}

void TestSections::addSectionPosition() {
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(QString, after);
    QFETCH(int, current);
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, rows);
    ctx.SelectRow(selected);
    ctx.Tab = 2;
    ctx.Scripted.ModalScripts << [](QDialog& d) {
        Child<QLineEdit>(d, "txtName")->setText(QStringLiteral("Tools"));
        Child<QPushButton>(d, "cmdAdd")->click();
        return d.result();
    };
    SectionCommands::mnuEditAddSection_Click(ctx);
    QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmSection"});
    QCOMPARE(ctx.Tab, 0);
    QCOMPARE(Words(ctx.Document.Items), after);
    // The selection stays on the row it was on.
    QCOMPARE(ctx.SelectedRow(), current);
    QVERIFY(ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 1);
}

void TestSections::addSectionStoresFields() {
    FakeEditorContext ctx;
    ctx.Scripted.ModalScripts << [](QDialog& d) {
        if (d.windowTitle() != QLatin1String("Add Section") ||
            Child<QPushButton>(d, "cmdAdd")->text() != QLatin1String("Add"))
            return -1;
        Child<QLineEdit>(d, "txtName")->setText(QStringLiteral("A;b"));
        Child<QLineEdit>(d, "txtColumns")->setText(QStringLiteral("3"));
        Child<QLineEdit>(d, "txtIconSize")->setText(QStringLiteral("48"));
        Child<QCheckBox>(d, "chkIconsAbove")->setChecked(false);
        Child<QCheckBox>(d, "chkTableBorder")->setChecked(true);
        Child<QPushButton>(d, "cmdAdd")->click();
        return d.result();
    };
    SectionCommands::mnuEditAddSection_Click(ctx);
    QCOMPARE(ctx.Document.Items.Count(), 1);
    QCOMPARE(
        ctx.Document.Items.Cell(1, cellDescription),
        QStringLiteral("SECTION:A{s}b;Columns:3;Icon size:48;Icons above:False;Table border:True"));
    for (int cell = 1; cell < LauncherItem::CellCount; ++cell)
        QVERIFY(ctx.Document.Items.Cell(1, cell).isEmpty());
}

void TestSections::cancelLeavesList() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a b");
    ctx.SelectRow(1);
    ctx.Scripted.ModalScripts << [](QDialog& d) {
        Child<QLineEdit>(d, "txtName")->setText(QStringLiteral("X"));
        Child<QPushButton>(d, "cmdCancel")->click();
        return d.result();
    };
    SectionCommands::mnuEditAddSection_Click(ctx);
    QCOMPARE(Words(ctx.Document.Items), QStringLiteral("a b"));
    QVERIFY(!ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 0);
}

void TestSections::editModeReadsRow() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a #S b");
    LauncherItem section = ctx.Document.Items.Row(2);
    section[cellDescription] = QStringLiteral(
        "SECTION:R&amp{s}D{c};Columns:7;Icon size:64;Icons above:False;Table border:True");
    section[cellComments] = QStringLiteral("kept");
    ctx.Document.Items.SetRow(2, section);
    ctx.SelectRow(2);
    QString title, button, name, columns, size;
    bool above = true, border = false;
    ctx.Scripted.ModalScripts << [&](QDialog& d) {
        title = d.windowTitle();
        button = Child<QPushButton>(d, "cmdAdd")->text();
        name = Child<QLineEdit>(d, "txtName")->text();
        columns = Child<QLineEdit>(d, "txtColumns")->text();
        size = Child<QLineEdit>(d, "txtIconSize")->text();
        above = Child<QCheckBox>(d, "chkIconsAbove")->isChecked();
        border = Child<QCheckBox>(d, "chkTableBorder")->isChecked();
        Child<QLineEdit>(d, "txtName")->setText(QStringLiteral("New"));
        Child<QPushButton>(d, "cmdAdd")->click();
        return d.result();
    };
    ItemCommands::mnuEditEdit_Click(ctx);
    QCOMPARE(title, QStringLiteral("Edit Section R&D:"));
    QCOMPARE(button, QStringLiteral("Edit"));
    QCOMPARE(name, QStringLiteral("R&D:"));
    QCOMPARE(columns, QStringLiteral("7"));
    QCOMPARE(size, QStringLiteral("64"));
    QVERIFY(!above);
    QVERIFY(border);
    QCOMPARE(ctx.Document.Items.Count(), 3);
    QCOMPARE(
        ctx.Document.Items.Cell(2, cellDescription),
        QStringLiteral("SECTION:New;Columns:7;Icon size:64;Icons above:False;Table border:True"));
    QCOMPARE(ctx.Document.Items.Cell(2, cellComments), QStringLiteral("kept"));
    QVERIFY(ctx.Document.Changed);
}

void TestSections::editModeKeepsInitialStatesForWhatItCannotRead() {
    FakeEditorContext ctx;
    LauncherItem row;
    row[cellDescription] = QStringLiteral("SECTION:Odd;Columns:2;Icon size;Icons above:Yes");
    ctx.Document.Items.Append(row);
    ctx.SelectRow(1);
    QString size;
    bool above = false, border = true;
    ctx.Scripted.ModalScripts << [&](QDialog& d) {
        size = Child<QLineEdit>(d, "txtIconSize")->text();
        above = Child<QCheckBox>(d, "chkIconsAbove")->isChecked();
        border = Child<QCheckBox>(d, "chkTableBorder")->isChecked();
        Child<QPushButton>(d, "cmdCancel")->click();
        return d.result();
    };
    ItemCommands::mnuEditEdit_Click(ctx);
    QCOMPARE(size, QStringLiteral("32"));
    QVERIFY(above);
    QVERIFY(!border);
    QCOMPARE(ctx.Document.Items.Row(1), row);
}

void TestSections::focusOutCorrectsField() {
    FakeEditorContext ctx;
    ctx.Document.EIcon = false;
    frmSection dialog(ctx);
    QVERIFY(ShowActive(dialog));
    dialog.txtColumns->setFocus();
    dialog.txtColumns->setText(QStringLiteral("0"));
    dialog.txtIconSize->setFocus();
    QCOMPARE(dialog.txtColumns->text(), QStringLiteral("1"));
    dialog.txtIconSize->setText(QStringLiteral("5000"));
    QTest::keyClick(dialog.txtIconSize, Qt::Key_Tab);
    QCOMPARE(dialog.txtIconSize->text(), QStringLiteral("1024"));
    // Leaving the name field corrects nothing.
    dialog.txtName->setFocus();
    dialog.txtName->setText(QStringLiteral("0"));
    dialog.txtColumns->setFocus();
    QCOMPARE(dialog.txtName->text(), QStringLiteral("0"));
}

void TestSections::enterInNumberFieldCorrectsBeforeStore() {
    FakeEditorContext ctx;
    frmSection dialog(ctx);
    QVERIFY(ShowActive(dialog));
    dialog.txtIconSize->setFocus();
    dialog.txtIconSize->setText(QStringLiteral("8"));
    QTest::keyClick(dialog.txtIconSize, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ctx.Document.Items.Count(), 1);
    QCOMPARE(SectDetails(ctx.Document.Items.Cell(1, cellDescription), 3), QStringLiteral("16"));
}

void TestSections::editCommandOpensSectionDialogForSectionRow() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "#A a1");
    ctx.SelectRow(1);
    ctx.Scripted.ModalScripts << [](QDialog&) { return int(QDialog::Rejected); };
    ctx.Scripted.ModalScripts << [](QDialog&) { return int(QDialog::Rejected); };
    ItemCommands::mnuEditEdit_Click(ctx);
    ctx.SelectRow(2);
    ItemCommands::mnuEditEdit_Click(ctx);
    QCOMPARE(ctx.Scripted.ModalWindows, (QStringList{"frmSection", "frmAdd"}));
    QVERIFY(ctx.Document.EIcon);
}

QTEST_MAIN(TestSections)
#include "test_sections.moc"
