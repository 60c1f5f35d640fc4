#include "FakeEditorContext.h"
#include "ItemCommands.h"
#include "ItemFields.h"
#include "ItemTestRows.h"
#include "TestFiles.h"
#include "frmAdd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace ItemTestRows;

namespace {
bool ShowActive(QDialog& Dialog) {
    Dialog.show();
    Dialog.activateWindow();
    return QTest::qWaitForWindowActive(&Dialog);
}
} // namespace

class TestItemDialog : public QObject {
    Q_OBJECT
private slots:
    void addModeStates() {
        FakeEditorContext ctx;
        frmAdd d(ctx);
        QCOMPARE(d.windowTitle(), QStringLiteral("Add an Icon"));
        QStringList runs;
        for (int i = 0; i < d.cmbRun->count(); ++i)
            runs << d.cmbRun->itemText(i);
        QCOMPARE(runs,
                 (QStringList{"Normal Window", "Maximised Focus", "Minimised Focus",
                              "Normal No Focus", "Minimised No Focus", "Hidden", "Hyperlink"}));
        QCOMPARE(d.cmbRun->currentIndex(), 0);
        QVERIFY(d.chkAddBottom->isChecked() && d.chkClear->isChecked());
        QVERIFY(!d.chkQTNewWin->isChecked());
        QVERIFY(d.cmdAdd->isDefault());
    }

    // Add and close with the other fields typed with blanks and the icon in quotes.
    void validation_data() {
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("com");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("stored"); // Description|Command of the new row
        const QString section =
            QStringLiteral("The description cannot start with the word 'SECTION:'");
        // clang-format off
        QTest::newRow("spaces-only description") << "   " << "run" << "" << "" << "   |run";
        QTest::newRow("command trimmed") << "d" << "  /bin/app  " << "" << "" << "d|/bin/app";
        QTest::newRow("section word in other case") << "Section:x" << "run" << "" << "" << "Section:x|run";
        QTest::newRow("empty description") << "" << "run" << "You must enter a description for this icon" << "txtDesc" << "";
        QTest::newRow("blank command") << "d" << "   " << "You must enter a command for this icon" << "txtCom" << "";
        QTest::newRow("section word") << "SECTION:x" << "run" << section << "txtCom" << "";
        QTest::newRow("section word after blanks") << "  SECTION:" << "run" << section << "txtCom" << "";
        // clang-format on
    }
    void validation() {
        QFETCH(QString, desc);
        QFETCH(QString, com);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, stored);
        FakeEditorContext ctx;
        frmAdd d(ctx);
        QVERIFY(ShowActive(d));
        d.txtDesc->setText(desc);
        d.txtCom->setText(com);
        d.txtParam->setText(QStringLiteral(" -x "));
        d.txtSI->setText(QStringLiteral(" /tmp "));
        d.txtIcon->setText(QStringLiteral("\"/some dir/app\" "));
        d.cmbRun->setCurrentIndex(5);
        d.txtComments->setText(QStringLiteral(" note "));
        d.chkClear->setChecked(false);
        d.cmdAddClose->setFocus();
        d.cmdAddClose->click();
        const bool ok = message.isEmpty();
        const ItemRows& items = ctx.Document.Items;
        QCOMPARE(items.Count() ? Cells(items.Row(1)) : QString(),
                 ok ? stored + "| -x | /tmp |/some dir/app|Hidden| note " : QString());
        QCOMPARE(d.result() == QDialog::Accepted, ok);
        QCOMPARE(d.UnloadMe, ok);
        QCOMPARE(ctx.Document.Changed, ok);
        QCOMPARE(ctx.CheckmenusCalls, ok ? 1 : 0);
        QCOMPARE(ctx.Scripted.Messages.size(), ok ? 0 : 1);
        if (ok) {
            QCOMPARE(d.txtIcon->text(), QStringLiteral("/some dir/app "));
            return;
        }
        QVERIFY(d.isVisible());
        QCOMPARE(d.focusWidget()->objectName(), focus);
        QCOMPARE(ctx.Scripted.LastMessage().Text, message);
        QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Add Error"));
        QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Exclamation);
        QCOMPARE(ctx.Scripted.LastMessage().Buttons, MsgButtons::OK);
    }

    // The Add command: where the new row goes, and the form ready for the next one.
    void adding_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("atBottom");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QString>("after");
        QTest::newRow("below the selected row") << "A B C" << 2 << false << true << "A B n C";
        QTest::newRow("at the bottom") << "A B C" << 2 << true << false << "A B C n";
        QTest::newRow("empty list") << "" << 0 << false << true << "n";
        QTest::newRow("empty list, at the bottom") << "" << 0 << true << true << "n";
        QTest::newRow("no selected row") << "A B" << 0 << false << false << "A B n";
    }
    void adding() {
        QFETCH(QString, rows);
        QFETCH(int, selected);
        QFETCH(bool, atBottom);
        QFETCH(bool, clear);
        QFETCH(QString, after);
        FakeEditorContext ctx;
        Fill(ctx.Document.Items, rows);
        ctx.SelectRow(selected);
        ctx.Document.EIcon = true;
        QString ready; // focus, visibility and what the fields hold after the click
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            if (!ShowActive(d))
                return -1;
            d.chkAddBottom->setChecked(atBottom);
            d.chkClear->setChecked(clear);
            d.txtDesc->setText(QStringLiteral("n"));
            d.txtCom->setText(QStringLiteral("n.exe"));
            d.cmdAdd->setFocus();
            d.cmdAdd->click();
            ready = d.focusWidget()->objectName() + (d.isVisible() ? " shown " : " hidden ") +
                    d.txtDesc->text() + d.txtCom->text();
            return d.result();
        };
        ItemCommands::mnuEditAdd_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmAdd"});
        QVERIFY(!ctx.Document.EIcon);
        QCOMPARE(ready, clear ? "txtDesc shown " : "txtDesc shown nn.exe");
        QCOMPARE(Words(ctx.Document.Items), after);
        QCOMPARE(ctx.SelectedRow(), selected);
        QCOMPARE(ctx.CheckmenusCalls, 1);
        QVERIFY(ctx.Document.Changed);
    }

    void browseButtons() {
        FakeEditorContext ctx;
        frmAdd d(ctx);
        auto& files = ctx.Scripted.FileAnswers;
        auto& folders = ctx.Scripted.FolderAnswers;
        // Parameters collect every pick, quoted when it holds a blank; a cancel adds nothing.
        files << "/a b/c d.txt"
              << "/x/y.txt" << std::nullopt;
        folders << "/p q" << std::nullopt;
        for (QToolButton* button : {d.cmdP1, d.cmdP1, d.cmdP1, d.cmdP2, d.cmdP2})
            button->click();
        QCOMPARE(d.txtParam->text(), QStringLiteral("\"/a b/c d.txt\" /x/y.txt \"/p q\""));
        // The other fields take the pick as it is; a cancel leaves them.
        folders << "/srv/w d"
                << "/f"
                << "/g";
        files << "/bin/a b" << std::nullopt << "/i/x.ico" << std::nullopt;
        for (QToolButton* button : {d.cmdS2, d.cmdC2, d.cmdI2, d.cmdC1, d.cmdC1, d.cmdI1, d.cmdQT})
            button->click();
        QCOMPARE(d.txtSI->text() + "|" + d.txtCom->text() + "|" + d.txtIcon->text(),
                 QStringLiteral("/srv/w d|/bin/a b|/i/x.ico"));
        QCOMPARE(d.txtParam->text(), QStringLiteral("\"/a b/c d.txt\" /x/y.txt \"/p q\""));
        QStringList requests;
        for (const FileDialogRequest& r : ctx.Scripted.FileRequests) {
            QVERIFY(r.MustExist);
            requests << r.Title + ": " + r.Filter;
        }
        const QString all = QStringLiteral("All Files (*.*)|*.*");
        const QString command =
            "Browse for Command: " + QLatin1String(ItemFields::ExecutablesFilter) + all;
        QCOMPARE(
            requests,
            (QStringList{
                "Browse for Parameter: " + all, "Browse for Parameter: " + all,
                "Browse for Parameter: " + all, command, command,
                "Choose an Icon: " + QLatin1String(ItemFields::IconsFilter) + all,
                "Browse for Quintor HTML File: HTML Document (*.htm;*.html)|*.htm;*.html|" + all}));
        QCOMPARE(ctx.Scripted.FolderPrompts,
                 (QStringList{
                     "&Choose a Drive/Folder for the parameters:",
                     "&Choose a Drive/Folder for the parameters:",
                     "&Choose a Start In Drive/Folder:", "&Choose a Drive/Folder for the command:",
                     "&Choose a Drive/Folder for the icon:"}));
    }

    // The Edit command on an item row whose Run text is none of the seven entries.
    void editMode() {
        FakeEditorContext ctx;
        Fill(ctx.Document.Items, "a b c");
        const QString row = QStringLiteral("b|b.exe|-p|/w|/i.ico|/opt/moved here|note");
        ctx.Document.Items.SetRow(
            2, {{"b", "b.exe", "-p", "/w", "/i.ico", "/opt/moved here", "note"}});
        ctx.Current = 2;
        ctx.Selection = {1, 2, 3};
        ctx.Tab = 2;
        QStringList seen;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            seen << d.windowTitle() << d.cmdAdd->text()
                 << Cells(ItemFields::RowFromFields(
                        d.txtDesc->text(), d.txtCom->text(), d.txtParam->text(), d.txtSI->text(),
                        d.txtIcon->text(), d.cmbRun->currentText(), d.txtComments->text()));
            const bool addOnly = d.cmdAddClose->isEnabled() || !d.cmdAddClose->isHidden() ||
                                 !d.chkClear->isHidden() || !d.chkAddBottom->isHidden();
            seen << (addOnly ? "add-only controls shown" : "");
            d.txtDesc->clear();
            d.cmdAdd->click();
            seen << ctx.Scripted.LastMessage().Title << Cells(ctx.Document.Items.Row(2));
            d.txtDesc->setText(QStringLiteral("B2"));
            d.txtCom->setText(QStringLiteral(" b2 "));
            d.cmdAdd->click();
            return d.result();
        };
        ItemCommands::mnuEditEdit_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmAdd"});
        QCOMPARE(seen, (QStringList{"Edit Icon b", "&Edit", row, "", "Edit Error", row}));
        QCOMPARE(ctx.SelectedRows(), QList<int>{2});
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx.Document.Items), QStringLiteral("a B2? c"));
        QCOMPARE(Cells(ctx.Document.Items.Row(2)),
                 QStringLiteral("B2|b2|-p|/w|/i.ico|/opt/moved here|note"));
        QVERIFY(ctx.Document.Changed);
    }

    // Test pages written here; a page that is gone by the time it is read still gives a link.
    void linkBuilder_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("icon");
        const QByteArray info = "</html>\r\n\r\n<!-- Quintor "
                                "info:\r\nHeight=300\r\nIcon=/pics/t.ico\r\nWidth=400\r\n-->";
        const QString runner = QStringLiteral("/opt/q/quintor2");
        // clang-format off
        QTest::newRow("title with a line break") << "<html><head><TITLE>  My\r\nTools </title>" + info << false << "My Tools" << "/pics/t.ico";
        QTest::newRow("bare line feed, new window") << "<title>A\nB</title>" + info << true << "A B" << "/pics/t.ico";
        QTest::newRow("no title") << "<html><body></body>" + info << false << "links" << "/pics/t.ico";
        QTest::newRow("closing tag first") << "</title><title>A" + info << false << "" << "/pics/t.ico";
        QTest::newRow("no Icon line") << QByteArray("<title>T</title></html>\r\n<!-- Quintor info:\r\nHeight=3\r\n-->") << false << "T" << runner;
        QTest::newRow("empty info block") << QByteArray("<title>T</title><!-- Quintor info:\r\n-->") << false << "T" << runner;
        QTest::newRow("no info block") << QByteArray("<title>T</title></html>") << true << "T" << runner;
        QTest::newRow("Icon after the block") << QByteArray("<title>T</title><!-- Quintor info:\r\nW=4\r\n-->\r\nIcon=/x.ico") << false << "T" << runner;
        QTest::newRow("non-ASCII title") << QByteArray("<title>Über</title>") << false << "Über" << runner;
        QTest::newRow("page gone") << QByteArray() << true << "links" << runner;
        // clang-format on
    }
    void linkBuilder() {
        QFETCH(QByteArray, page);
        QFETCH(bool, newWindow);
        QFETCH(QString, desc);
        QFETCH(QString, icon);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("links.htm"));
        QVERIFY(page.isNull() || TestFiles::Write(path, page));
        FakeEditorContext ctx;
        ctx.Document.APath = QStringLiteral("/opt/q/");
        frmAdd d(ctx);
        for (QLineEdit* field :
             {d.txtDesc, d.txtCom, d.txtParam, d.txtSI, d.txtIcon, d.txtComments})
            field->setText(QStringLiteral("cleared first"));
        d.cmbRun->setCurrentIndex(3);
        d.chkQTNewWin->setChecked(newWindow);
        ctx.Scripted.FileAnswers << path;
        d.cmdQT->click();
        QCOMPARE(d.txtDesc->text(), desc);
        QCOMPARE(d.txtCom->text(), newWindow ? "/opt/q/quintor2" : path);
        QCOMPARE(d.txtParam->text(), newWindow ? path : QString());
        QCOMPARE(d.cmbRun->currentText(), newWindow ? "Normal Window" : "Hyperlink");
        QCOMPARE(d.txtIcon->text(), icon);
        QCOMPARE(d.txtSI->text() + d.txtComments->text(), QString());
        QCOMPARE(ctx.Document.Items.Count(), 0);
    }

    void iconPreview() {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("pic.png"));
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(picture));
        QVERIFY(TestFiles::Write(dir.filePath(QStringLiteral("broken.png")), "not a picture"));
        FakeEditorContext ctx;
        frmAdd d(ctx);
        const auto shown = [&d] { return !d.imgIcon->pixmap().isNull(); };
        d.txtIcon->setText('"' + picture + '"');
        QCOMPARE(d.imgIcon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::green));
        d.txtIcon->setText(dir.filePath(QStringLiteral("broken.png"))); // the last one stays
        QVERIFY(shown());
        d.txtIcon->setText(picture + QStringLiteral(",1"));
        QVERIFY(!shown());
        d.txtIcon->setText(picture);
        d.ClearForm();
        QVERIFY(!shown());
    }

    void selectOnFocus() {
        FakeEditorContext ctx;
        frmAdd d(ctx);
        QVERIFY(ShowActive(d));
        d.txtCom->setText(QStringLiteral("command text"));
        d.txtParam->setText(QStringLiteral("some parameters"));
        d.txtDesc->setFocus();
        QTest::keyClick(d.txtDesc, Qt::Key_Tab);
        QCOMPARE(d.txtCom->selectedText(), QStringLiteral("command text"));
        QTest::mouseClick(d.txtParam, Qt::LeftButton, {}, QPoint(5, d.txtParam->height() / 2));
        QTRY_COMPARE(d.txtParam->selectedText(), QStringLiteral("some parameters"));
    }
};

QTEST_MAIN(TestItemDialog)
#include "test_items_dialog.moc"
