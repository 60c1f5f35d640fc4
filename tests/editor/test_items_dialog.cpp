#include "ItemCommands.h"
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
    // Add and close, with the Parameters typed between blanks and the icon in quotes.
    void validation_data() {
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("com");
        QTest::addColumn<QString>("outcome"); // the new row, or the focused field: the message
        const QString rest = QStringLiteral("| -x ||/some dir/app|Hidden|");
        const QString section =
            QStringLiteral("txtCom: The description cannot start with the word 'SECTION:'");
        // clang-format off
        QTest::newRow("spaces-only description") << "   " << "run" << "   |run" + rest;
        QTest::newRow("command trimmed") << "d" << "  /bin/app  " << "d|/bin/app" + rest;
        QTest::newRow("section word in other case") << "Section:x" << "run" << "Section:x|run" + rest;
        QTest::newRow("empty description") << "" << "run" << "txtDesc: You must enter a description for this icon";
        QTest::newRow("blank command") << "d" << "   " << "txtCom: You must enter a command for this icon";
        QTest::newRow("section word") << "SECTION:x" << "run" << section;
        QTest::newRow("section word after blanks") << "  SECTION:" << "run" << section;
        // clang-format on
    }
    void validation() {
        QFETCH(QString, desc);
        QFETCH(QString, com);
        QFETCH(QString, outcome);
        FakeEditorContext ctx;
        frmAdd d(ctx);
        QVERIFY(ShowActive(d));
        d.txtDesc->setText(desc);
        d.txtCom->setText(com);
        d.txtParam->setText(QStringLiteral(" -x "));
        d.txtIcon->setText(QStringLiteral("\"/some dir/app\" "));
        d.cmbRun->setCurrentIndex(5);
        d.chkClear->setChecked(false);
        d.cmdAddClose->setFocus();
        d.cmdAddClose->click();
        const bool ok = ctx.Document.Items.Count() == 1;
        const auto message = ctx.Scripted.LastMessage();
        QCOMPARE(ok ? Cells(ctx.Document.Items.Row(1))
                    : d.focusWidget()->objectName() + ": " + message.Text,
                 outcome);
        QCOMPARE(ctx.Scripted.Messages.size(), ok ? 0 : 1);
        QCOMPARE(d.isVisible(), !ok);
        QCOMPARE(d.UnloadMe, ok);
        QCOMPARE(ctx.Document.Changed, ok);
        QCOMPARE(ctx.CheckmenusCalls, ok ? 1 : 0);
        if (ok)
            QCOMPARE(d.txtIcon->text(), QStringLiteral("/some dir/app "));
        else
            QVERIFY(message.Title == "Add Error" && message.Icon == MsgIcon::Exclamation &&
                    message.Buttons == MsgButtons::OK);
    }

    // The Add command: the dialog's first state, where the new row goes, and the form
    // ready for the next one.
    void adding_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<bool>("atBottom");
        QTest::addColumn<QString>("after");
        QTest::newRow("below the current row") << "A [B] C" << false << "A [B] n C";
        QTest::newRow("at the bottom") << "A [B] C" << true << "A [B] C n";
        QTest::newRow("empty list") << "" << false << "n";
        QTest::newRow("empty list, at the bottom") << "" << true << "n";
        QTest::newRow("no current row") << "A B" << false << "A B n";
    }
    void adding() {
        QFETCH(QString, rows);
        QFETCH(bool, atBottom);
        QFETCH(QString, after);
        FakeEditorContext ctx;
        Fill(ctx, rows);
        ctx.Document.EIcon = true;
        QStringList seen;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            if (!ShowActive(d))
                return -1;
            for (int i = 0; i < d.cmbRun->count(); ++i)
                seen << d.cmbRun->itemText(i);
            // Run, Add at bottom, Clear, Open in new window, Add is the default button
            seen << d.windowTitle() << d.cmbRun->currentText()
                 << QStringLiteral("%1 %2 %3 %4")
                        .arg(d.chkAddBottom->isChecked())
                        .arg(d.chkClear->isChecked())
                        .arg(d.chkQTNewWin->isChecked())
                        .arg(d.cmdAdd->isDefault());
            d.chkAddBottom->setChecked(atBottom);
            d.txtDesc->setText(QStringLiteral("n"));
            d.txtCom->setText(QStringLiteral("n.exe"));
            d.cmdAdd->setFocus();
            d.cmdAdd->click();
            // Cleared and ready for the next item.
            seen << d.focusWidget()->objectName() + (d.isVisible() ? " shown " : " hidden ") +
                        d.txtDesc->text() + d.txtCom->text();
            return d.result();
        };
        ItemCommands::mnuEditAdd_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmAdd"});
        QCOMPARE(seen, (QStringList{"Normal Window", "Maximised Focus", "Minimised Focus",
                                    "Normal No Focus", "Minimised No Focus", "Hidden", "Hyperlink",
                                    "Add an Icon", "Normal Window", "1 1 0 1", "txtDesc shown "}));
        QVERIFY(!ctx.Document.EIcon);
        QCOMPARE(Words(ctx), after);
        QCOMPARE(ctx.CheckmenusCalls, 1);
        QVERIFY(ctx.Document.Changed);
    }

    // File picks go into the Parameters quoted when they hold a blank, after what is there.
    void browse() {
        FakeEditorContext ctx;
        frmAdd d(ctx);
        ctx.Scripted.FileAnswers << "/a b/c d.txt"
                                 << "/x/y.txt" << std::nullopt << "/bin/a b";
        ctx.Scripted.FolderAnswers << "/p q" << std::nullopt << "/srv/w d";
        for (QToolButton* button : {d.cmdP1, d.cmdP1, d.cmdP1, d.cmdP2, d.cmdP2, d.cmdS2, d.cmdC1,
                                    d.cmdC2, d.cmdI1, d.cmdI2, d.cmdQT})
            button->click();
        QCOMPARE(d.txtParam->text() + "|" + d.txtSI->text() + "|" + d.txtCom->text(),
                 QStringLiteral("\"/a b/c d.txt\" /x/y.txt \"/p q\"|/srv/w d|/bin/a b"));
        QStringList asked;
        for (const FileDialogRequest& r : ctx.Scripted.FileRequests)
            asked << r.Title;
        const QString param = QStringLiteral("&Choose a Drive/Folder for the parameters:");
        QCOMPARE(asked + ctx.Scripted.FolderPrompts,
                 (QStringList{
                     "Browse for Parameter", "Browse for Parameter", "Browse for Parameter",
                     "Browse for Command", "Choose an Icon", "Browse for Quintor HTML File", param,
                     param,
                     "&Choose a Start In Drive/Folder:", "&Choose a Drive/Folder for the command:",
                     "&Choose a Drive/Folder for the icon:"}));
        QCOMPARE(ctx.Scripted.FileRequests.last().Filter,
                 "HTML Document (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
    }

    // The Edit command on an item row whose Run text is none of the seven entries.
    void editMode() {
        FakeEditorContext ctx;
        Fill(ctx, "a* [b] c*");
        const QString row = QStringLiteral("b|b.exe|-p|/w|/i.ico|/opt/moved here|note");
        ctx.Document.Items.SetRow(
            2, {{"b", "b.exe", "-p", "/w", "/i.ico", "/opt/moved here", "note"}});
        ctx.Tab = 2;
        QStringList seen;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            // Add and close, Clear and Add at bottom belong to adding.
            seen << d.windowTitle() << d.cmdAdd->text() << Words(ctx)
                 << QString::number(d.cmdAddClose->isEnabled() + !d.cmdAddClose->isHidden() +
                                    !d.chkClear->isHidden() + !d.chkAddBottom->isHidden());
            d.txtDesc->clear();
            d.cmdAdd->click();
            seen << ctx.Scripted.LastMessage().Title << Cells(ctx.Document.Items.Row(2));
            d.txtDesc->setText(QStringLiteral("B2"));
            d.cmdAdd->click();
            return d.result();
        };
        ItemCommands::mnuEditEdit_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmAdd"});
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(seen, (QStringList{"Edit Icon b", "&Edit", "a [b?] c", "0", "Edit Error", row}));
        // What is stored shows the fields read the row, the unknown Run text included.
        QCOMPARE(Cells(ctx.Document.Items.Row(2)),
                 QStringLiteral("B2|b.exe|-p|/w|/i.ico|/opt/moved here|note"));
        QVERIFY(ctx.Document.Changed);
    }

    // Test pages written here; a page that is gone when it is read still gives a link.
    void linkBuilder_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("icon");
        const QByteArray info =
            "</html>\r\n\r\n<!-- Quintor info:\r\nHeight=3\r\nIcon=/t.ico\r\nWidth=4\r\n-->";
        const QString runner = QStringLiteral("/opt/q/quintor2");
        // clang-format off
        QTest::newRow("title with a line break") << "<html><head><TITLE>  My\r\nTools </title>" + info << false << "My Tools" << "/t.ico";
        QTest::newRow("bare line feed, new window") << "<title>A\nB</title>" + info << true << "A B" << "/t.ico";
        QTest::newRow("no title") << "<html><body></body>" + info << false << "links" << "/t.ico";
        QTest::newRow("no Icon line") << QByteArray("<title>T</title></html>\r\n<!-- Quintor info:\r\nHeight=3\r\n-->") << false << "T" << runner;
        QTest::newRow("Icon after the block") << QByteArray("<title>T</title><!-- Quintor info:\r\nW=4\r\n-->\r\nIcon=/x.ico") << false << "T" << runner;
        QTest::newRow("no info block") << QByteArray("<title>Über</title></html>") << true << "Über" << runner;
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
        for (QLineEdit* field : {d.txtParam, d.txtSI, d.txtComments})
            field->setText(QStringLiteral("cleared first"));
        d.cmbRun->setCurrentIndex(3);
        d.chkQTNewWin->setChecked(newWindow);
        ctx.Scripted.FileAnswers << path;
        d.cmdQT->click();
        QCOMPARE(d.txtDesc->text(), desc);
        QCOMPARE(d.txtCom->text() + "|" + d.txtParam->text(),
                 newWindow ? "/opt/q/quintor2|" + path : path + "|");
        QCOMPARE(d.cmbRun->currentText(), newWindow ? "Normal Window" : "Hyperlink");
        QCOMPARE(d.txtIcon->text(), icon);
        QCOMPARE(d.txtSI->text() + d.txtComments->text(), QString());
    }

    void iconPreview() {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("pic.png"));
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(picture));
        FakeEditorContext ctx;
        frmAdd d(ctx);
        d.txtIcon->setText('"' + picture + '"');
        QCOMPARE(d.imgIcon->pixmap().toImage().pixelColor(16, 16), QColor(Qt::green));
        d.txtIcon->setText(picture + QStringLiteral(",1"));
        QVERIFY(d.imgIcon->pixmap().isNull());
    }
};

QTEST_MAIN(TestItemDialog)
#include "test_items_dialog.moc"
