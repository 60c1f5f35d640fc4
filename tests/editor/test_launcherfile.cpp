// The document's model, properties and colours, and the launcher file it is saved as.
#include "components/PackStore.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "document/PropertyTable.h"
#include "support/ChildProcess.h"
#include "support/DataRows.h"
#include "support/ErrorOf.h"
#include "support/RawPack.h"
#include "support/TestFiles.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>
#include <iterator>
#include <sys/resource.h>

using namespace DataRows;

namespace {
// What a list view shows of every cell, "|" between cells, " / " between rows.
QString Shown(const QAbstractItemModel& Model) {
    QStringList rows;
    for (int row = 0; row < Model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < Model.columnCount(); ++column)
            cells << Model.index(row, column).data().toString().left(8);
        rows << cells.join('|');
    }
    return rows.join(" / ");
}
} // namespace

class TestLauncherFile : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }
    // Whether another open could lock the file; another process's error number opening it.
    static bool Free(const QString& Path) { return FileLock().Take(Path); }
    static int OpenInChild(const QString& Path) {
        return ChildProcess::Run([&] { return ErrorOf([&] { PackStore().PackOpen(Path); }); });
    }
    static LauncherItem Item(const QString& Prefix) {
        LauncherItem item;
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            item[c] = Prefix + QString::number(c);
        return item;
    }

private slots:
    void cellTextsRoundTrip_data() {
        Texts({"text"});
        QString big;
        for (int i = 0; big.size() < (1 << 20); ++i)
            big += QStringLiteral("line %1, \xe9\r\n").arg(i);
        Row("empty", QString());
        Row("commas, quotes, entities, NUL",
            QString(QChar(0)) + "a,b,,c, \"C:\\Program Files\\x.exe\" 'y' &comma; &amp; <b>");
        Row("CR LF, lone CR and LF", "one\r\ntwo\r\rthree\n");
        Row("non-ASCII", "Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80");
        Row("U+FEFF first", QString(QChar(0xFEFF)) + "at the start");
        Row("1 MB", big);
    }

    void cellTextsRoundTrip() {
        QFETCH(QString, text);
        LauncherDocument doc, loaded;
        for (int c = 0; c < LauncherItem::CellCount; ++c) {
            doc.Items.Append(Item("x"));
            doc.Items.SetCell(c + 1, c, text);
        }
        doc.WriteProp("Title", text);
        doc.WriteProp("Header HTML", text);
        LauncherFile::SaveFile(doc, PathOf("cells.qtf"));
        doc.CO.Release();
        loaded.Items.Append(Item("replaced by the open"));
        LauncherFile::OpenFile(loaded, PathOf("cells.qtf"), false);
        QCOMPARE(loaded.Items.All(), doc.Items.All());
        QCOMPARE(QStringList({loaded.ReadProp("Title", true), loaded.ReadProp("Header HTML")}),
                 QStringList({text, text}));
    }

    // Each of the 36 properties keeps its own value through a save and a load, the last one
    // of the table and of the list too.
    void everyPropertyRoundTrip() {
        LauncherDocument doc, loaded;
        QStringList written;
        for (int pos = 1; pos <= PropertyTable::Count; ++pos) {
            const QString name = PropertyTable::At(pos)->Name;
            doc.WriteProp(name, QStringLiteral("%1 & <value> %2").arg(pos).arg(name));
            written << name + '=' + doc.ReadProp(name, true);
        }
        LauncherFile::SaveFile(doc, PathOf("properties.qtf"));
        doc.CO.Release();
        LauncherFile::OpenFile(loaded, PathOf("properties.qtf"), false);
        QStringList read;
        for (int pos = 1; pos <= PropertyTable::Count; ++pos) {
            const QString name = PropertyTable::At(pos)->Name;
            read << name + '=' + loaded.ReadProp(name, true);
        }
        QCOMPARE(read, written);
        QCOMPARE(written.size(), PropertyTable::Count);
    }

    // The lock as another program sees it: refused while held, after a save too (the save
    // put a new file in place), and free once released or the holder is gone.
    void saveAndTheLockAgainstAnotherProcess() {
        const QString path = PathOf("locked.qtf");
        LauncherDocument doc, mine;
        doc.WriteProp("Title", "My Tools");
        doc.SetChanged(true);
        LauncherFile::SaveFile(doc, path);
        QVERIFY(!doc.Changed());
        QCOMPARE(doc.CurFile, path);
        QCOMPARE(doc.Caption(), "My Tools (" + path + ") - Quintor Editor");
        QCOMPARE(OpenInChild(path), ErrNo::PermissionDenied);
        LauncherFile::SaveFile(doc, path);
        QCOMPARE(OpenInChild(path), ErrNo::PermissionDenied);
        LauncherFile::OpenFile(doc, path, false); // reopening the held file itself
        QCOMPARE(OpenInChild(path), ErrNo::PermissionDenied);
        doc.CO.Release();
        QCOMPARE(OpenInChild(path), 0);
        const pid_t editor = ChildProcess::Start([&] {
            LauncherFile::OpenFile(doc, path, false);
            if (doc.CO.Held())
                TestFiles::Write(PathOf("holding"), {});
        });
        QTRY_VERIFY(QFile::exists(PathOf("holding")));
        QCOMPARE(ErrorOf([&] { LauncherFile::OpenFile(mine, path, false); }) +
                     ErrorOf([&] { LauncherFile::SaveFile(mine, path); }),
                 2 * ErrNo::PermissionDenied);
        QCOMPARE(mine.CurFile, QString());
        ChildProcess::Kill(editor);
        LauncherFile::OpenFile(mine, path, false);
        QCOMPARE(mine.Caption(), doc.Caption());
    }

    void failedOpenLeavesEverythingAsItWas_data() {
        Columns<QByteArray, int>({"bytes", "error"});
        Row("last item incomplete", RawPack::Build({{"P_TITLE", "x"}, {"DESC"}, {"COMMAND"}}),
            int(ErrNo::BadFileFormat));
        Row("missing file", QByteArray(), int(ErrNo::FileNotFound));
        // reading the held file lets go of the lock for a moment; it must be taken again
        Row("own file damaged", QByteArray("garbage"), int(ErrNo::BadFileFormat));
    }

    void failedOpenLeavesEverythingAsItWas() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        const QString mine = PathOf("mine.qtf");
        const bool own = QByteArray(QTest::currentDataTag()) == "own file damaged";
        const QString bad = own ? mine : PathOf(QTest::currentDataTag());
        LauncherDocument doc;
        doc.Items.Append(Item("keep"));
        doc.WriteProp("Title", "Mine");
        LauncherFile::SaveFile(doc, mine);
        doc.Items.Append(Item("unsaved"));
        doc.SetChanged(true);
        const QString caption = doc.Caption();
        QVERIFY(bytes.isEmpty() || TestFiles::Write(bad, bytes)); // the lock is advisory
        QCOMPARE(ErrorOf([&] { LauncherFile::OpenFile(doc, bad, false); }), error);
        QCOMPARE(ErrorOf([&] { LauncherFile::OpenFile(doc, bad, true); }), error);
        QCOMPARE(doc.Items.All(), (QVector<LauncherItem>{Item("keep"), Item("unsaved")}));
        QCOMPARE(doc.ReadProp("Title"), "Mine");
        QCOMPARE(doc.CurFile, mine);
        QCOMPARE(doc.Caption(), caption);
        QVERIFY(doc.Changed());
        QVERIFY(doc.CO.Held());
        QVERIFY(!Free(mine));
    }

    // A full disk answers with short writes and no error: the old file stays whole, no
    // temporary file is left behind, and the document stays unsaved.
    void fullDiskKeepsTheOldFile() {
        const QString path = PathOf("full.qtf");
        LauncherDocument doc;
        LauncherFile::SaveFile(doc, path);
        const QByteArray old = TestFiles::Read(path);
        const int result = ChildProcess::Run([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(old.size()) + 100, rlim_t(old.size()) + 100};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            doc.Items.Append(Item(QString(100000, 'x')));
            doc.SetChanged(true);
            const int error = ErrorOf([&] { LauncherFile::SaveFile(doc, path); });
            return doc.Changed() && doc.CurFile == path && doc.CO.Covers(path) ? error : 1;
        });
        QCOMPARE(result, ErrNo::DiskFull);
        QCOMPARE(TestFiles::Read(path), old);
        QVERIFY(!Free(path));
        QCOMPARE(QDir(Dir.path()).entryList({"full.qtf*"}, QDir::Files | QDir::Hidden),
                 QStringList{"full.qtf"});
    }

    // Listed by name, reset to their defaults; a Title kept page-safe, HTML never converted.
    void properties() {
        LauncherDocument doc;
        QAbstractItemModelTester tester(&doc.Props,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(doc.GetProp(0, 1) + doc.GetProp(37, 3) + doc.GetProp(1, 4), QString());
        doc.WriteProp("Width", "800");
        doc.Propulate();
        QStringList shown = {QString::number(doc.Props.Count())};
        for (int row = 1; row <= doc.Props.Count(); ++row)
            shown << doc.Props.At(row).Name + '=' + doc.ReadProp(doc.Props.At(row).Name, true);
        QCOMPARE((shown.mid(0, 3) + shown.mid(13, 4) + shown.mid(35)).join(','),
                 QString("36,(HTML File)=,Background colour=,Footer HTML=,Header HTML=,Height=412,"
                         "Icon=,Title=New File 1,Width=492"));
        doc.WriteProp("Title", "Tom & \"Jerry\" <1>");
        QCOMPARE(doc.ReadProp("Title"), QString("Tom &amp; &quot;Jerry&quot; &lt;1&gt;"));
        doc.WriteProp("Header HTML", "<b>&amp;</b>");
        QCOMPARE(doc.ReadProp("Header HTML"), QString("<b>&amp;</b>")); // never converted
    }

    // The item list as the list view sees it, through every kind of change the editor makes,
    // with Qt's own model tester watching; only a Description is edited in place.
    // Every change of the rows or properties, through any operation, is a change of the
    // document, told once when it starts; what leaves every text as it was is none.
    void changedFollowsTheRows_data() {
        Columns<int, bool>({"Step", "Changed"});
        const std::pair<const char*, bool> steps[] = {{"set a cell", true},
                                                      {"set a row", true},
                                                      {"insert", true},
                                                      {"remove", true},
                                                      {"replace all", true},
                                                      {"write a property", true},
                                                      {"write its own value", false},
                                                      {"reset default properties", false},
                                                      {"same text in place", false},
                                                      {"SECTION: in place", false}};
        for (int i = 0; i < int(std::size(steps)); ++i)
            QTest::newRow(steps[i].first) << i << steps[i].second;
    }
    void changedFollowsTheRows() {
        LauncherDocument doc;
        doc.Items.AppendAll({LauncherItem{{{"a", "c"}}}, LauncherItem{{{"b", "d"}}}});
        doc.SetChanged(false);
        QSignalSpy told(&doc, &LauncherDocument::ModificationChanged);
        const QModelIndex first = doc.Items.index(0, cellDescription);
        const std::function<void()> change[] = {
            [&] { doc.Items.SetCell(1, cellCommand, "x"); },
            [&] { doc.Items.SetRow(2, LauncherItem{{{"e"}}}); },
            [&] { doc.Items.Insert(1, LauncherItem{{{"f"}}}); },
            [&] { doc.Items.Remove(1); },
            [&] { doc.Items.ReplaceAll({}); },
            [&] { doc.WriteProp("Columns", "7"); },
            [&] { doc.WriteProp("Columns", "5"); },
            [&] { doc.Propulate(); },
            [&] { doc.Items.setData(first, "a", Qt::EditRole); },
            [&] { doc.Items.setData(first, "SECTION:x", Qt::EditRole); }};
        change[Fetch<int>("Step")]();
        change[Fetch<int>("Step")](); // told once
        QCOMPARE(doc.Changed(), Fetch<bool>("Changed"));
        QCOMPARE(told.count(), int(Fetch<bool>("Changed")));
    }

    void itemRowsAsAModel() {
        ItemRows items;
        QAbstractItemModelTester tester(&items,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        items.AppendAll({LauncherItem{{"b", "b.exe"}}, LauncherItem{{"SECTION:S"}}});
        items.AppendAll({});
        items.Insert(1, LauncherItem{{"a", "a.exe"}});
        items.Append(LauncherItem{{"gone"}});
        items.SetCell(2, cellRun, "Hidden");
        items.SetRow(3, LauncherItem{{"SECTION:T", {}, {}, {}, {}, {}, "note"}});
        items.Remove(4);
        const auto description = [&](int Row) { return items.index(Row, cellDescription); };
        QVERIFY(items.setData(description(0), "A", Qt::EditRole));
        QVERIFY(!items.setData(description(1), "SECTION:x", Qt::EditRole));
        QVERIFY(!items.setData(items.index(0, cellCommand), "c", Qt::EditRole));
        QCOMPARE(Shown(items), "A|a.exe||||| / b|b.exe||||Hidden| / SECTION:||||||note");
        QStringList captions;
        for (int column = 0; column < items.columnCount(); ++column)
            captions << items.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(captions.join('|'), "Description|Command|Parameters|Start In|Icon|Run|Comments");
        items.ReplaceAll({});
    }
};

QTEST_GUILESS_MAIN(TestLauncherFile)
#include "test_launcherfile.moc"
