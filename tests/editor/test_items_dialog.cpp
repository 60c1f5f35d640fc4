#include "FakeEditorContext.h"
#include "ItemCommands.h"
#include "ItemFields.h"
#include "ItemTestRows.h"
#include "TestFiles.h"
#include "frmAdd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using ItemTestRows::Fill;
using ItemTestRows::Words;

namespace {
bool ShowActive(QDialog& Dialog) {
    Dialog.show();
    Dialog.activateWindow();
    return QTest::qWaitForWindowActive(&Dialog);
}

const QString Runner = QStringLiteral("/opt/q/quintor2");
} // namespace

class TestItemDialog : public QObject {
    Q_OBJECT
private slots:
    void addModeStartsFromDesignStates();
    void validation_data();
    void validation();
    void iconQuotesRemoved();
    void insertPositions_data();
    void insertPositions();
    void clearAfterAdding_data();
    void clearAfterAdding();
    void addAndClose();
    void parametersCollectSeveralPicks();
    void browseButtons();
    void editMode();
    void editModeKeepsUnknownRun();
    void editCommandThroughContext();
    void linkBuilder_data();
    void linkBuilder();
    void linkBuilderCancelled();
    void iconPreview();
    void selectOnFocus();
    void pageReaders_data();
    void pageReaders();

private:
    QTemporaryDir Temp;
};

void TestItemDialog::addModeStartsFromDesignStates() {
    FakeEditorContext ctx;
    frmAdd d(ctx);
    QCOMPARE(d.windowTitle(), QStringLiteral("Add an Icon"));
    QStringList runs;
    for (int i = 0; i < d.cmbRun->count(); ++i)
        runs << d.cmbRun->itemText(i);
    QCOMPARE(runs, (QStringList{"Normal Window", "Maximised Focus", "Minimised Focus",
                                "Normal No Focus", "Minimised No Focus", "Hidden", "Hyperlink"}));
    QCOMPARE(d.cmbRun->currentIndex(), 0);
    QVERIFY(d.chkAddBottom->isChecked());
    QVERIFY(d.chkClear->isChecked());
    QVERIFY(!d.chkQTNewWin->isChecked());
    QVERIFY(d.cmdAdd->isDefault());
}

void TestItemDialog::validation_data() {
    QTest::addColumn<QString>("desc");
    QTest::addColumn<QString>("com");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("storedCom");
    QTest::newRow("spaces-only description") << "   "
                                             << "run"
                                             << ""
                                             << "txtDesc"
                                             << "run";
    QTest::newRow("command trimmed") << "d"
                                     << "  /bin/app  "
                                     << ""
                                     << "txtDesc"
                                     << "/bin/app";
    QTest::newRow("empty description") << ""
                                       << "run"
                                       << "You must enter a description for this icon"
                                       << "txtDesc"
                                       << "";
    QTest::newRow("blank command") << "d"
                                   << "   "
                                   << "You must enter a command for this icon"
                                   << "txtCom"
                                   << "";
    QTest::newRow("section word") << "SECTION:x"
                                  << "run"
                                  << "The description cannot start with the word 'SECTION:'"
                                  << "txtCom"
                                  << "";
    QTest::newRow("section word after blanks")
        << "  SECTION:"
        << "run"
        << "The description cannot start with the word 'SECTION:'"
        << "txtCom"
        << "";
    QTest::newRow("section word in other case") << "Section:x"
                                                << "run"
                                                << ""
                                                << "txtDesc"
                                                << "run";
}

void TestItemDialog::validation() {
    QFETCH(QString, desc);
    QFETCH(QString, com);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, storedCom);
    FakeEditorContext ctx;
    frmAdd d(ctx);
    QVERIFY(ShowActive(d));
    d.txtDesc->setText(desc);
    d.txtCom->setText(com);
    d.chkClear->setChecked(false);
    d.cmdAddClose->setFocus();
    d.cmdAddClose->click();
    if (message.isEmpty()) {
        QVERIFY(ctx.Scripted.Messages.isEmpty());
        QCOMPARE(ctx.Document.Items.Count(), 1);
        QCOMPARE(ctx.Document.Items.Cell(1, cellDescription), desc);
        QCOMPARE(ctx.Document.Items.Cell(1, cellCommand), storedCom);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(ctx.Document.Changed);
        return;
    }
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    QCOMPARE(ctx.Scripted.LastMessage().Text, message);
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Add Error"));
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Exclamation);
    QCOMPARE(ctx.Scripted.LastMessage().Buttons, MsgButtons::OK);
    QCOMPARE(d.focusWidget()->objectName(), focus);
    QVERIFY(!d.UnloadMe);
    QVERIFY(d.isVisible());
    QCOMPARE(ctx.Document.Items.Count(), 0);
    QVERIFY(!ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 0);
}

void TestItemDialog::iconQuotesRemoved() {
    FakeEditorContext ctx;
    frmAdd d(ctx);
    d.chkClear->setChecked(false);
    d.txtDesc->setText(QStringLiteral("d"));
    d.txtCom->setText(QStringLiteral("c"));
    d.txtIcon->setText(QStringLiteral("\"/some dir/app\" "));
    d.cmbRun->setCurrentIndex(5);
    d.txtParam->setText(QStringLiteral(" -x "));
    d.txtSI->setText(QStringLiteral(" /tmp "));
    d.txtComments->setText(QStringLiteral(" note "));
    d.cmdAdd->click();
    QCOMPARE(d.txtIcon->text(), QStringLiteral("/some dir/app "));
    const LauncherItem& row = ctx.Document.Items.Row(1);
    QCOMPARE(row[cellIcon], QStringLiteral("/some dir/app"));
    QCOMPARE(row[cellRun], QStringLiteral("Hidden"));
    QCOMPARE(row[cellParameters], QStringLiteral(" -x "));
    QCOMPARE(row[cellStartIn], QStringLiteral(" /tmp "));
    QCOMPARE(row[cellComments], QStringLiteral(" note "));
}

void TestItemDialog::insertPositions_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("atBottom");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("current");
    QTest::newRow("below the selected row") << "A B C" << 2 << false << "A B n C" << 2;
    QTest::newRow("at the bottom") << "A B C" << 2 << true << "A B C n" << 2;
    QTest::newRow("empty list") << "" << 0 << false << "n" << 0;
    QTest::newRow("empty list, at the bottom") << "" << 0 << true << "n" << 0;
    QTest::newRow("no selected row") << "A B" << 0 << false << "A B n" << 0;
}

void TestItemDialog::insertPositions() {
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(bool, atBottom);
    QFETCH(QString, after);
    QFETCH(int, current);
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, rows);
    ctx.SelectRow(selected);
    frmAdd d(ctx);
    d.chkAddBottom->setChecked(atBottom);
    d.txtDesc->setText(QStringLiteral("n"));
    d.txtCom->setText(QStringLiteral("n.exe"));
    d.cmdAdd->click();
    QCOMPARE(Words(ctx.Document.Items), after);
    QCOMPARE(ctx.SelectedRow(), current);
    QCOMPARE(ctx.CheckmenusCalls, 1);
    QVERIFY(ctx.Document.Changed);
    QVERIFY(d.result() != QDialog::Accepted);
}

void TestItemDialog::clearAfterAdding_data() {
    QTest::addColumn<bool>("clear");
    QTest::newRow("clear") << true;
    QTest::newRow("keep") << false;
}

void TestItemDialog::clearAfterAdding() {
    QFETCH(bool, clear);
    FakeEditorContext ctx;
    frmAdd d(ctx);
    QVERIFY(ShowActive(d));
    d.chkClear->setChecked(clear);
    QLineEdit* fields[] = {d.txtDesc, d.txtCom, d.txtParam, d.txtSI, d.txtIcon, d.txtComments};
    for (QLineEdit* field : fields)
        field->setText(field->objectName());
    d.cmbRun->setCurrentIndex(3);
    d.cmdAdd->setFocus();
    d.cmdAdd->click();
    QCOMPARE(ctx.Document.Items.Count(), 1);
    for (QLineEdit* field : fields)
        QCOMPARE(field->text(), clear ? QString() : field->objectName());
    QCOMPARE(d.cmbRun->currentIndex(), clear ? 0 : 3);
    QCOMPARE(d.focusWidget(), d.txtDesc);
    QVERIFY(d.isVisible());
}

void TestItemDialog::addAndClose() {
    FakeEditorContext ctx;
    ctx.Scripted.ModalScripts << [](QDialog& w) {
        auto& d = static_cast<frmAdd&>(w);
        d.cmdAddClose->click(); // refused: nothing typed
        if (d.result() == QDialog::Accepted)
            return -1;
        d.txtDesc->setText(QStringLiteral("x"));
        d.txtCom->setText(QStringLiteral("x.exe"));
        d.cmdAddClose->click();
        return d.result();
    };
    ItemCommands::mnuEditAdd_Click(ctx);
    QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmAdd"});
    QVERIFY(!ctx.Document.EIcon);
    QCOMPARE(Words(ctx.Document.Items), QStringLiteral("x"));
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
}

void TestItemDialog::parametersCollectSeveralPicks() {
    FakeEditorContext ctx;
    frmAdd d(ctx);
    ctx.Scripted.FileAnswers << QStringLiteral("/a b/c d.txt") << QStringLiteral("/x/y.txt")
                             << std::nullopt;
    ctx.Scripted.FolderAnswers << QStringLiteral("/p q") << std::nullopt;
    d.cmdP1->click();
    QCOMPARE(d.txtParam->text(), QStringLiteral("\"/a b/c d.txt\""));
    d.cmdP1->click();
    QCOMPARE(d.txtParam->text(), QStringLiteral("\"/a b/c d.txt\" /x/y.txt"));
    d.cmdP1->click();
    QCOMPARE(d.txtParam->text(), QStringLiteral("\"/a b/c d.txt\" /x/y.txt"));
    d.cmdP2->click();
    d.cmdP2->click();
    QCOMPARE(d.txtParam->text(), QStringLiteral("\"/a b/c d.txt\" /x/y.txt \"/p q\""));
    QCOMPARE(ctx.Scripted.FileRequests.first().Title, QStringLiteral("Browse for Parameter"));
    QCOMPARE(ctx.Scripted.FileRequests.first().Filter, QStringLiteral("All Files (*.*)|*.*"));
    QVERIFY(ctx.Scripted.FileRequests.first().MustExist);
    QCOMPARE(ctx.Scripted.FolderPrompts.first(),
             QStringLiteral("&Choose a Drive/Folder for the parameters:"));
}

void TestItemDialog::browseButtons() {
    FakeEditorContext ctx;
    frmAdd d(ctx);
    d.txtCom->setText(QStringLiteral("old"));
    ctx.Scripted.FileAnswers << QStringLiteral("/bin/a b") << std::nullopt
                             << QStringLiteral("/i/x.ico");
    ctx.Scripted.FolderAnswers << QStringLiteral("/srv/w d") << std::nullopt << QStringLiteral("/f")
                               << QStringLiteral("/g");
    d.cmdC1->click();
    QCOMPARE(d.txtCom->text(), QStringLiteral("/bin/a b"));
    d.cmdC1->click();
    QCOMPARE(d.txtCom->text(), QStringLiteral("/bin/a b"));
    d.cmdI1->click();
    QCOMPARE(d.txtIcon->text(), QStringLiteral("/i/x.ico"));
    d.cmdS2->click();
    QCOMPARE(d.txtSI->text(), QStringLiteral("/srv/w d"));
    d.cmdS2->click();
    QCOMPARE(d.txtSI->text(), QStringLiteral("/srv/w d"));
    d.cmdC2->click();
    QCOMPARE(d.txtCom->text(), QStringLiteral("/f"));
    d.cmdI2->click();
    QCOMPARE(d.txtIcon->text(), QStringLiteral("/g"));

    QStringList titles, filters;
    for (const FileDialogRequest& r : ctx.Scripted.FileRequests) {
        titles << r.Title;
        filters << r.Filter;
    }
    QCOMPARE(titles, (QStringList{"Browse for Command", "Browse for Command", "Choose an Icon"}));
    QCOMPARE(filters[0], QLatin1String(ItemFields::ExecutablesFilter) + "All Files (*.*)|*.*");
    QCOMPARE(filters[2], QLatin1String(ItemFields::IconsFilter) + "All Files (*.*)|*.*");
    QCOMPARE(ctx.Scripted.FolderPrompts,
             (QStringList{"&Choose a Start In Drive/Folder:", "&Choose a Start In Drive/Folder:",
                          "&Choose a Drive/Folder for the command:",
                          "&Choose a Drive/Folder for the icon:"}));
}

void TestItemDialog::editMode() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a b c");
    LauncherItem row = ctx.Document.Items.Row(2);
    row[cellParameters] = QStringLiteral("-p");
    row[cellStartIn] = QStringLiteral("/w");
    row[cellIcon] = QStringLiteral("/i.ico");
    row[cellRun] = QStringLiteral("Hyperlink");
    row[cellComments] = QStringLiteral("note");
    ctx.Document.Items.SetRow(2, row);
    ctx.Current = 2;
    ctx.Selection = {1, 2, 3};
    ctx.Document.EIcon = true;
    frmAdd d(ctx);
    QCOMPARE(ctx.SelectedRows(), QList<int>{2});
    QCOMPARE(d.windowTitle(), QStringLiteral("Edit Icon b"));
    QCOMPARE(d.cmdAdd->text(), QStringLiteral("&Edit"));
    QVERIFY(!d.cmdAddClose->isEnabled());
    QVERIFY(d.cmdAddClose->isHidden());
    QVERIFY(d.chkClear->isHidden());
    QVERIFY(d.chkAddBottom->isHidden());
    QCOMPARE(ItemFields::RowFromFields(d.txtDesc->text(), d.txtCom->text(), d.txtParam->text(),
                                       d.txtSI->text(), d.txtIcon->text(), d.cmbRun->currentText(),
                                       d.txtComments->text()),
             row);

    d.txtDesc->clear();
    d.cmdAdd->click();
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Edit Error"));
    QCOMPARE(ctx.Document.Items.Row(2), row);

    d.txtDesc->setText(QStringLiteral("B2"));
    d.cmdAdd->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(ctx.Document.Items.Count(), 3);
    QCOMPARE(ctx.Document.Items.Cell(2, cellDescription), QStringLiteral("B2"));
    QCOMPARE(ctx.Document.Items.Cell(2, cellComments), QStringLiteral("note"));
    QCOMPARE(Words(ctx.Document.Items).section(' ', 0, 0), QStringLiteral("a"));
    QVERIFY(ctx.Document.Changed);
}

void TestItemDialog::editModeKeepsUnknownRun() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a");
    ctx.Document.Items.SetCell(1, cellRun, QStringLiteral("/opt/moved here"));
    ctx.SelectRow(1);
    ctx.Document.EIcon = true;
    frmAdd d(ctx);
    QCOMPARE(d.cmbRun->currentText(), QStringLiteral("/opt/moved here"));
    d.txtComments->setText(QStringLiteral("changed"));
    d.cmdAdd->click();
    QCOMPARE(ctx.Document.Items.Cell(1, cellRun), QStringLiteral("/opt/moved here"));
    QCOMPARE(ctx.Document.Items.Cell(1, cellComments), QStringLiteral("changed"));
}

void TestItemDialog::editCommandThroughContext() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a b");
    ctx.SelectRow(2);
    ctx.Tab = 2;
    ctx.Scripted.ModalScripts << [](QDialog& w) {
        auto& d = static_cast<frmAdd&>(w);
        d.txtCom->setText(QStringLiteral(" b2 "));
        d.cmdAdd->click();
        return d.result();
    };
    ItemCommands::mnuEditEdit_Click(ctx);
    QCOMPARE(ctx.Tab, 0);
    QCOMPARE(ctx.Document.Items.Cell(2, cellCommand), QStringLiteral("b2"));
    QVERIFY(ctx.Document.Changed);
}

void TestItemDialog::linkBuilder_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("newWindow");
    QTest::addColumn<QString>("desc");
    QTest::addColumn<QString>("icon");
    const QByteArray info = "</html>\r\n\r\n<!-- Quintor "
                            "info:\r\nHeight=300\r\nIcon=/pics/tools.ico\r\nWidth=400\r\n-->";
    QTest::newRow("title with a line break")
        << QByteArray("<html><head><TITLE>  My\r\nTools </title>") + info << false << "My Tools"
        << "/pics/tools.ico";
    QTest::newRow("new window") << QByteArray("<title>T</title>") + info << true << "T"
                                << "/pics/tools.ico";
    QTest::newRow("no title") << QByteArray("<html><body></body>") + info << false << "links"
                              << "/pics/tools.ico";
    QTest::newRow("no Icon line")
        << QByteArray("<title>T</title></html>\r\n<!-- Quintor info:\r\nHeight=3\r\nWidth=4\r\n-->")
        << false << "T" << Runner;
    QTest::newRow("no info block")
        << QByteArray("<title>T</title></html>") << true << "T" << Runner;
    QTest::newRow("Icon after the block's end")
        << QByteArray("<title>T</title><!-- Quintor info:\r\nWidth=4\r\n-->\r\nIcon=/x.ico")
        << false << "T" << Runner;
    QTest::newRow("non-ASCII title")
        << QByteArray("<title>Über</title>") << false << QStringLiteral("Über") << Runner;
}

void TestItemDialog::linkBuilder() {
    QFETCH(QByteArray, page);
    QFETCH(bool, newWindow);
    QFETCH(QString, desc);
    QFETCH(QString, icon);
    const QString path = Temp.filePath(QStringLiteral("links.htm"));
    QVERIFY(TestFiles::Write(path, page));
    FakeEditorContext ctx;
    ctx.Document.APath = QStringLiteral("/opt/q/");
    frmAdd d(ctx);
    d.txtComments->setText(QStringLiteral("cleared first"));
    d.chkQTNewWin->setChecked(newWindow);
    ctx.Scripted.FileAnswers << path;
    d.cmdQT->click();
    QCOMPARE(ctx.Scripted.FileRequests.size(), 1);
    QCOMPARE(ctx.Scripted.FileRequests[0].Title, QStringLiteral("Browse for Quintor HTML File"));
    QCOMPARE(ctx.Scripted.FileRequests[0].Filter,
             QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*"));
    QCOMPARE(d.txtDesc->text(), desc);
    QCOMPARE(d.txtCom->text(), newWindow ? Runner : path);
    QCOMPARE(d.txtParam->text(), newWindow ? path : QString());
    QCOMPARE(d.cmbRun->currentText(),
             newWindow ? QStringLiteral("Normal Window") : QStringLiteral("Hyperlink"));
    QCOMPARE(d.txtIcon->text(), icon);
    QCOMPARE(d.txtComments->text(), QString());
    QCOMPARE(ctx.Document.Items.Count(), 0);
}

void TestItemDialog::linkBuilderCancelled() {
    FakeEditorContext ctx;
    frmAdd d(ctx);
    d.txtCom->setText(QStringLiteral("kept"));
    d.txtComments->setText(QStringLiteral("kept too"));
    d.cmdQT->click();
    QCOMPARE(d.txtCom->text(), QStringLiteral("kept"));
    QCOMPARE(d.txtComments->text(), QStringLiteral("kept too"));

    // A page that has gone by the time it is read still gives its file name.
    ctx.Scripted.FileAnswers << Temp.filePath(QStringLiteral("gone.page.html"));
    ctx.Document.APath = QStringLiteral("/opt/q/");
    d.cmdQT->click();
    QCOMPARE(d.txtDesc->text(), QStringLiteral("gone.page"));
    QCOMPARE(d.txtIcon->text(), Runner);
}

void TestItemDialog::iconPreview() {
    const QString picture = Temp.filePath(QStringLiteral("pic.png"));
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(picture));
    const QString broken = Temp.filePath(QStringLiteral("broken.png"));
    QVERIFY(TestFiles::Write(broken, "not a picture"));

    FakeEditorContext ctx;
    frmAdd d(ctx);
    const auto shown = [&d] { return !d.imgIcon->pixmap().isNull(); };
    QVERIFY(!shown());
    d.txtIcon->setText(QLatin1Char('"') + picture + QLatin1Char('"'));
    QVERIFY(shown());
    QCOMPARE(d.imgIcon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::green));
    d.txtIcon->setText(broken);
    QVERIFY(shown());
    d.txtIcon->setText(picture + QStringLiteral(",1"));
    QVERIFY(!shown());
    d.txtIcon->setText(picture);
    d.ClearForm();
    QVERIFY(!shown());
}

void TestItemDialog::selectOnFocus() {
    FakeEditorContext ctx;
    frmAdd d(ctx);
    QVERIFY(ShowActive(d));
    d.txtCom->setText(QStringLiteral("command text"));
    d.txtParam->setText(QStringLiteral("some parameters"));
    d.txtDesc->setFocus();
    QTest::keyClick(d.txtDesc, Qt::Key_Tab);
    QCOMPARE(d.focusWidget(), d.txtCom);
    QCOMPARE(d.txtCom->selectedText(), QStringLiteral("command text"));
    QTest::mouseClick(d.txtParam, Qt::LeftButton, {}, QPoint(5, d.txtParam->height() / 2));
    QTRY_COMPARE(d.txtParam->selectedText(), QStringLiteral("some parameters"));
}

void TestItemDialog::pageReaders_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("block");
    QTest::newRow("title tags in other case") << "<Title>\r\nA\r\nB\r\n</TITLE>"
                                              << "A B"
                                              << "";
    QTest::newRow("bare line feeds") << "<title>A\nB</title>"
                                     << "A B"
                                     << "";
    QTest::newRow("no closing tag") << "<title>A"
                                    << ""
                                    << "";
    QTest::newRow("closing tag first") << "</title><title>A"
                                       << ""
                                       << "";
    QTest::newRow("block") << "x<!-- Quintor info:\r\nA=1\r\nB=2\r\n-->"
                           << "p"
                           << "A=1\r\nB=2\r";
    QTest::newRow("empty block") << "<!-- Quintor info:\r\n-->"
                                 << "p"
                                 << "";
    QTest::newRow("marker without its line end") << "<!-- Quintor info:A=1\r\n-->"
                                                 << "p"
                                                 << "";
}

void TestItemDialog::pageReaders() {
    QFETCH(QString, page);
    QFETCH(QString, title);
    QFETCH(QString, block);
    QCOMPARE(ItemFields::PageTitle(page, QStringLiteral("/x/p.htm")), title);
    QCOMPARE(ItemFields::InfoBlock(page), block);
}

QTEST_MAIN(TestItemDialog)
#include "test_items_dialog.moc"
