// Importing the items of another launcher file: counts, section rows, all-or-nothing.
#include "document/LauncherFile.h"
#include "editor/FakeEditorContext.h"
#include "editor/ItemTestRows.h"
#include "items/ImportItems.h"
#include "items/ui/ImportCommands.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QDialog>
#include <QtTest>

using namespace DataRows;
using namespace Qt::StringLiterals;
using ItemTestRows::Words;

// A launcher file holding the items "f1".."f<Count>"; Words gets " f1 f2 ...".
static QString MakeFile(const QTemporaryDir& Dir, int Count, QString* Words = nullptr) {
    QString words, path = Dir.filePath(u"items%1.qtf"_s.arg(Count));
    for (int i = 1; i <= Count; ++i)
        words += u" f"_s + QString::number(i);
    LauncherDocument source;
    ItemTestRows::Fill(source.Items, words);
    LauncherFile::SaveFile(source, path);
    if (Words)
        *Words = words;
    return path;
}

class TestImport : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    // In the C locale: "#,##0" groups even where the locale's own formatting would not.
    void import_data() {
        Texts({"file", "section", "expected", "message"});
        QString many;
        const QString file1500 = MakeFile(Dir, 1500, &many);
        const QString bad = Dir.filePath(u"bad.qtf"_s), missing = Dir.filePath(u"missing.qtf"_s);
        QVERIFY(TestFiles::Write(bad, "<html>a page</html>"));
        const QString added = u"Information OK Import Result: %1 successfully added"_s;
        // clang-format off
        Row("no section", MakeFile(Dir, 3), "", "a f1 f2 f3", added.arg(u"3 items were"_s));
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
        ItemTestRows::Fill(ctx.Document.Items, u"a"_s);
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
    void dialog() {
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
                 u"open Choose an Quintor File to Import: Quintor File (*.qtf)|*.qtf|All "
                 u"files (*.*)|*.* []"_s);
        QCOMPARE(Words(ctx.Document.Items), u"f1 f2 f3 #Imported f1 f2 f3 #Imported f1 f2 f3"_s);
        QVERIFY(ctx.Document.CO.Held());
        QCOMPARE(ctx.CheckmenusCalls, 2);
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
