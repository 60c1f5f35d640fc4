#include "components/dialogs/FileFilter.h"
#include "editor/ItemTestRows.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/frmAdd.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using namespace ItemTestRows;

class TestItemDialog : public QObject {
    Q_OBJECT
private slots:
    // Add with Parameters between blanks, the icon in quotes, the sixth Run entry. Into an
    // empty list "Add and close" (Clear off) gives the new row's cells, else Add gives the
    // list; a refused row gives the field with the focus and the message, and the form stays.
    void add_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<bool>("atBottom");
        Texts({"desc", "com", "outcome"});
        const QString rest = QStringLiteral("| -x ||/some dir/app|Hidden|");
        const QString refused = "txt%1: Exclamation OK Add Error: %2",
                      section = refused.arg("Com", "The description cannot start with the word "
                                                   "'SECTION:'");
        // clang-format off
        QTest::newRow("below the current row") << "A [B] C" << false << "n" << "n" << "A [B] n? C";
        QTest::newRow("at the bottom") << "A [B] C" << true << "n" << "n" << "A [B] C n?";
        QTest::newRow("no current row") << "A B" << false << "n" << "n" << "A B n?";
        QTest::newRow("spaces-only description") << "" << false << "   " << "run" << "   |run" + rest;
        QTest::newRow("command trimmed") << "" << true << "d" << "  /bin/app  " << "d|/bin/app" + rest;
        QTest::newRow("section word in other case") << "" << false << "Section:x" << "run" << "Section:x|run" + rest;
        QTest::newRow("empty description") << "" << false << "" << "run" << refused.arg("Desc", "You must enter a description for this icon");
        QTest::newRow("blank command") << "" << false << "d" << "   " << refused.arg("Com", "You must enter a command for this icon");
        QTest::newRow("section word") << "" << false << "SECTION:x" << "run" << section;
        QTest::newRow("section word after blanks") << "" << false << "  SECTION:" << "run" << section;
        // clang-format on
    }
    void add() {
        const QString rows = Fetch("rows"), desc = Fetch("desc"), com = Fetch("com");
        const bool atBottom = Fetch<bool>("atBottom");
        FakeEditorContext ctx;
        Fill(ctx, rows);
        ctx.Document.EIcon = true;
        const bool close = rows.isEmpty();
        QString first, focus, after;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            if (!ShowActive(d))
                return -1;
            first = d.windowTitle() + '|' + d.cmbRun->currentText();
            for (int i = 0; i < d.cmbRun->count(); ++i)
                first += ',' + d.cmbRun->itemText(i);
            d.chkAddBottom->setChecked(atBottom);
            d.chkClear->setChecked(!close);
            d.txtDesc->setText(desc);
            d.txtCom->setText(com);
            d.txtParam->setText(QStringLiteral(" -x "));
            d.txtIcon->setText(QStringLiteral("\"/some dir/app\" "));
            d.cmbRun->setCurrentIndex(5);
            QTest::mouseClick(close ? d.cmdAddClose : d.cmdAdd, Qt::LeftButton);
            focus = d.isVisible() ? d.focusWidget()->objectName() : QStringLiteral("closed");
            after =
                QString(d.UnloadMe ? " 1 " : " 0 ") + d.txtDesc->text() + '|' + d.txtIcon->text();
            return d.result();
        };
        ItemCommands::mnuEditAdd_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmAdd"});
        QCOMPARE(first, "Add an Icon|Normal Window,Normal Window,Maximised Focus,Minimised Focus,"
                        "Normal No Focus,Minimised No Focus,Hidden,Hyperlink");
        const bool ok = ctx.Document.Changed();
        const auto message = ctx.Scripted.LastMessage();
        QCOMPARE(!ok     ? Words(ctx) + focus + ": " + MessageLine(message)
                 : close ? Cells(ctx.Document.Items.Row(1))
                         : Words(ctx),
                 Fetch("outcome"));
        QCOMPARE(ctx.Scripted.Messages.size(), ok ? 0 : 1);
        QCOMPARE(ctx.CheckmenusCalls, ok ? 1 : 0);
        // Add clears the form for the next item; the quotes leave the field with a stored row.
        QCOMPARE(focus + after, !ok     ? focus + " 0 " + desc + "|\"/some dir/app\" "
                                : close ? "closed 1 " + desc + "|/some dir/app "
                                        : "txtDesc 0 |");
    }

    // File picks go into the Parameters quoted when they hold a blank, after what is there.
    void browse() {
        FakeEditorContext ctx;
        frmAdd d(ctx);
        ctx.Scripted.FileAnswers = {"/a b/c d.txt", "/x/y.txt", std::nullopt, "/bin/a b"};
        ctx.Scripted.FolderAnswers = {"/p q", std::nullopt, "/srv/w d"};
        for (QToolButton* button : {d.cmdP1, d.cmdP1, d.cmdP1, d.cmdP2, d.cmdP2, d.cmdS2, d.cmdC1,
                                    d.cmdC2, d.cmdI1, d.cmdI2, d.cmdQT})
            button->click();
        QCOMPARE(d.txtParam->text() + "|" + d.txtSI->text() + "|" + d.txtCom->text(),
                 QStringLiteral("\"/a b/c d.txt\" /x/y.txt \"/p q\"|/srv/w d|/bin/a b"));
        QStringList asked;
        for (const FileDialogRequest& r : ctx.Scripted.FileRequests)
            asked << r.Title;
        QCOMPARE((asked + ctx.Scripted.FolderPrompts).join('|'),
                 "Browse for Parameter|Browse for Parameter|Browse for Parameter|Browse for "
                 "Command|Choose an Icon|Browse for Quintor HTML File|&Choose a Drive/Folder for "
                 "the parameters:|&Choose a Drive/Folder for the parameters:|&Choose a Start In "
                 "Drive/Folder:|&Choose a Drive/Folder for the command:|&Choose a Drive/Folder "
                 "for the icon:");
        QCOMPARE(ctx.Scripted.FileRequests.last().Filter,
                 "HTML Document (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
        // The command's first entry lists programs (no extension here), the icon's takes PNG.
        const QList<FilterEntry> command = ParseFilter(ctx.Scripted.FileRequests[3].Filter),
                                 icon = ParseFilter(ctx.Scripted.FileRequests[4].Filter);
        QVERIFY(command.first().Takes("app", true));
        QVERIFY(icon.first().Takes("a.png", false));
    }

    // Edit on an item row whose Run text is none of the seven entries.
    void editMode() {
        FakeEditorContext ctx;
        Fill(ctx, "a* [b] c*");
        const QString row = QStringLiteral("b|b.exe|-p|/w|/i.ico|/opt/moved here|note");
        for (int cell = 0; cell < LauncherItem::CellCount; ++cell)
            ctx.Document.Items.SetCell(2, cell, row.section('|', cell, cell));
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
        QCOMPARE(seen, (QStringList{"Edit Icon b", "&Edit", "a [b?] c", "0", "Edit Error", row}));
        // The stored row shows the fields read the row, the unknown Run text included.
        QCOMPARE(Cells(ctx.Document.Items.Row(2)), "B2" + row.mid(1));
        QVERIFY(ctx.Document.Changed());
    }

    // Test pages written here; a page that is gone when it is read still gives a link.
    void linkBuilder_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("newWindow");
        Texts({"desc", "icon"});
        const QByteArray info =
            "</html>\r\n\r\n<!-- Quintor info:\r\nHeight=3\r\nIcon=/t.ico\r\nWidth=4\r\n-->";
        const QString runner = QStringLiteral("/opt/q/quintor2");
        // clang-format off
        QTest::newRow("title with a line break") << "<html><head><TITLE>  My\r\nTools\nNow </title>" + info << false << "My Tools Now" << "/t.ico";
        QTest::newRow("no title") << "<html><body></body>" + info << false << "links" << "/t.ico";
        QTest::newRow("Icon after the block") << QByteArray("<title>T</title><!-- Quintor info:\r\nW=4\r\n-->\r\nIcon=/x.ico") << false << "T" << runner;
        QTest::newRow("no info block") << QByteArray("<title>Über</title></html>") << true << "Über" << runner;
        QTest::newRow("page gone") << QByteArray() << true << "links" << runner;
        // clang-format on
    }
    void linkBuilder() {
        const QByteArray page = Fetch<QByteArray>("page");
        const bool newWindow = Fetch<bool>("newWindow");
        const QString desc = Fetch("desc"), icon = Fetch("icon");
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
        QCOMPARE(d.txtDesc->text() + '|' + d.txtCom->text() + '|' + d.txtParam->text(),
                 desc + (newWindow ? "|/opt/q/quintor2|" + path : '|' + path + '|'));
        QCOMPARE(d.cmbRun->currentText(), newWindow ? "Normal Window" : "Hyperlink");
        QCOMPARE(d.txtIcon->text() + '|' + d.txtSI->text() + d.txtComments->text(), icon + '|');
    }
};

QTEST_MAIN(TestItemDialog)
#include "test_items_dialog.moc"
