// The Add and Edit dialog, and importing the items of another launcher file.
#include "document/LauncherFile.h"
#include "editor/ItemTestRows.h"
#include "items/ImportItems.h"
#include "items/ui/ImportCommands.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/frmAdd.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QtWidgets>

using namespace ItemTestRows;
using namespace Qt::StringLiterals;

namespace {
// A launcher file holding the items "f1".."f<Count>"; Words gets " f1 f2 ...".
QString MakeFile(const QTemporaryDir& Dir, int Count, QString* Words = nullptr) {
    QString words, path = Dir.filePath(u"items%1.qtf"_s.arg(Count));
    for (int i = 1; i <= Count; ++i)
        words += u" f"_s + QString::number(i);
    LauncherDocument source;
    Fill(source.Items, words);
    LauncherFile::SaveFile(source, path);
    if (Words)
        *Words = words;
    return path;
}
} // namespace

class TestItemDialog : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

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
        QTest::newRow("spaces-only description") << "" << false << "   " << "run" << "   |run" + rest;
        QTest::newRow("command trimmed") << "" << true << "d" << "  /bin/app  " << "d|/bin/app" + rest;
        QTest::newRow("section word in other case") << "" << false << "Section:x" << "run" << "Section:x|run" + rest;
        QTest::newRow("empty description") << "" << false << "" << "run" << refused.arg("Desc", "You must enter a description for this icon");
        QTest::newRow("blank command") << "" << false << "d" << "   " << refused.arg("Com", "You must enter a command for this icon");
        QTest::newRow("section word") << "" << false << "SECTION:x" << "run" << section;
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

    // In the C locale: "#,##0" groups even where the locale's own formatting would not.
    void import_data() {
        Texts({"file", "section", "expected", "message"});
        QString many;
        const QString file1500 = MakeFile(Dir, 1500, &many);
        const QString bad = Dir.filePath(u"bad.qtf"_s), missing = Dir.filePath(u"missing.qtf"_s);
        QVERIFY(TestFiles::Write(bad, "<html>a page</html>"));
        const QString added = u"Information OK Import Result: %1 successfully added"_s;
        // clang-format off
        Row("section, trimmed", MakeFile(Dir, 3), " W ", "a #W f1 f2 f3", added.arg(u"3 items were"_s));
        Row("one, blank section", MakeFile(Dir, 1), "  ", "a f1", added.arg(u"1 item was"_s));
        Row("no items", MakeFile(Dir, 0), "E", "a #E", u"Information OK Import Result: No items were found in the file"_s);
        Row("1500", file1500, "", u"a"_s + many, added.arg(u"1,500 items were"_s));
        Row("missing", missing, "T", "a", u"Exclamation OK Import Error: Could not find the file '%1'. Please check the filename and try again."_s.arg(missing));
        Row("damaged", bad, "T", "a", u"Critical OK Import Error: An error occurred when attempting to import the file '%1' - Invalid file format: the "
            u"file is not a launcher file (no QTFP signature), 321"_s.arg(bad));
        // clang-format on
    }
    void import() {
        const QString message = Fetch("message");
        FakeEditorContext ctx;
        Fill(ctx.Document.Items, u"a"_s);
        ctx.Document.WriteProp(u"Title"_s, u"Mine"_s);
        ctx.Document.SetChanged(false);
        const bool ok = message.contains(u"Result"_s);
        QCOMPARE(ImportItems::Import(ctx.Document, ctx.Scripted, Fetch("file"), Fetch("section"),
                                     QLocale::c()),
                 ok);
        QTEST(Words(ctx.Document.Items), "expected");
        QCOMPARE(ctx.Document.Changed(), ok);
        QCOMPARE(ctx.Scripted.Messages.size(), 1);
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()), message);
        QCOMPARE(ctx.Document.ReadProp(u"Title"_s) + ctx.Document.CurFile, u"Mine"_s); // own kept
    }

    // Browse (chosen, then cancelled), import twice, close; the document's own locked file.
    void importDialog() {
        const QString file = MakeFile(Dir, 3);
        FakeEditorContext ctx;
        LauncherFile::OpenFile(ctx.Document, file, false);
        ctx.Scripted.FileAnswers = {file, std::nullopt};
        QString title;
        ctx.Scripted.ModalScripts.append([&](QDialog& window) {
            title = window.windowTitle();
            window.findChild<QObject*>(u"txtSection"_s)->setProperty("text", u"Imported"_s);
            for (const char* b : {"cmdBrowse", "cmdBrowse", "cmdImport", "cmdImport", "cmdClose"})
                QMetaObject::invokeMethod(window.findChild<QObject*>(QLatin1String(b)), "click");
            return window.result();
        });
        ImportCommands::mnuFileImport_Click(ctx);
        QCOMPARE(title, u"Import Quintor File Items"_s);
        QCOMPARE(RequestLine(ctx.Scripted.FileRequests.value(1)),
                 u"open Choose an Quintor File to Import: Quintor File (*.qtf;*.yaml;*.yml)|"
                 u"*.qtf;*.yaml;*.yml|All files (*.*)|*.* []"_s);
        QCOMPARE(Words(ctx.Document.Items), u"f1 f2 f3 #Imported f1 f2 f3 #Imported f1 f2 f3"_s);
        QVERIFY(ctx.Document.CO.Held());
        QCOMPARE(ctx.CheckmenusCalls, 2);
    }
};

QTEST_MAIN(TestItemDialog)
#include "test_items_dialog.moc"
