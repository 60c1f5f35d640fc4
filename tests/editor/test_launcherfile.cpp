#include "AppError.h"
#include "ChildProcess.h"
#include "ErrorOf.h"
#include "FileLock.h"
#include "LauncherDocument.h"
#include "LauncherFile.h"
#include "PackStore.h"
#include "PropertyTable.h"
#include "RawPack.h"
#include "ScriptedUserDialogs.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

LauncherItem Item(const QString& Prefix) {
    LauncherItem item;
    for (int c = 0; c < LauncherItem::CellCount; ++c)
        item[c] = Prefix + QString::number(c);
    return item;
}

// Whether another open of the file can lock it: false while someone holds it.
bool Free(const QString& Path) {
    FileLock probe;
    return probe.Take(Path);
}

// Another process's attempt to read the file: 0 or the error number.
int OpenInChild(const QString& Path) {
    return ChildProcess::Run([&] {
        PackStore pack;
        return ErrorOf([&] { pack.PackOpen(Path); });
    });
}

// The pack entries of a document file saved by the program, as raw names and texts.
QVector<RawPack::Entry> EntriesOf(const QString& Path) {
    return RawPack::Parse(TestFiles::Read(Path)).value_or(QVector<RawPack::Entry>{});
}

QVector<RawPack::Entry> Entries(const QVector<QPair<QByteArray, QByteArray>>& Pairs) {
    QVector<RawPack::Entry> entries;
    for (const auto& [key, value] : Pairs)
        entries.append({key, value, 0, 0});
    return entries;
}

} // namespace

class TestLauncherFile : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }

private slots:
    void cellTextsRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("commas") << "a,b,,c,";
        QTest::newRow("CR LF") << "one\r\ntwo\r\n";
        QTest::newRow("lone CR and LF") << "\rone\ntwo\r";
        QTest::newRow("quotes") << "\"C:\\Program Files\\x.exe\" 'y'";
        QTest::newRow("non-ASCII")
            << QString::fromUtf8("Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80");
        QTest::newRow("entities") << "&comma; &amp; <b>";
        QTest::newRow("NUL") << QString(QChar(0)) + "x";
        QTest::newRow("section row") << "SECTION:Tools";
        QString big;
        big.reserve(1 << 20);
        for (int i = 0; big.size() < (1 << 20); ++i)
            big += QStringLiteral("line %1, \xe9\r\n").arg(i);
        QTest::newRow("1 MB") << big;
    }

    void cellTextsRoundTrip() {
        QFETCH(QString, text);
        LauncherDocument doc;
        for (int c = 0; c < LauncherItem::CellCount; ++c) {
            LauncherItem item = Item("x");
            item[c] = text;
            doc.Items.Append(item);
        }
        doc.WriteProp("Title", text);
        doc.WriteProp("Header HTML", text);
        const QString path = PathOf("cells.qtf");
        LauncherFile::SaveFile(doc, path);
        doc.CO.Release();
        LauncherDocument loaded;
        LauncherFile::OpenFile(loaded, path, false);
        QCOMPARE(loaded.Items.All(), doc.Items.All());
        QCOMPARE(loaded.ReadProp("Title", true), text);
        QCOMPARE(loaded.ReadProp("Header HTML"), text);
        QCOMPARE(loaded.Props.At(loaded.Props.Find("Header HTML")).Setting,
                 LauncherDocument::HtmlPreview(text));
    }

    void entrySequence_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("no rows") << 0;
        QTest::newRow("3 rows") << 3;
    }

    void entrySequence() {
        QFETCH(int, rows);
        LauncherDocument doc;
        for (int r = 1; r <= rows; ++r)
            doc.Items.Append(Item(QStringLiteral("r%1c").arg(r)));
        QString header(200, QChar('h'));
        doc.WriteProp("Header HTML", header);
        doc.WriteProp("(HTML File)", "/tmp/page.htm");
        const QString path = PathOf("sequence.qtf");
        LauncherFile::SaveFile(doc, path);

        const QVector<RawPack::Entry> entries = EntriesOf(path);
        QCOMPARE(entries.size(), 7 * rows + 36);
        const QByteArray cellNames[] = {"DESC", "COMMAND", "PARAM",   "STARTIN",
                                        "ICON", "RUN",     "COMMENTS"};
        for (int i = 0; i < 7 * rows; ++i) {
            QCOMPARE(entries[i].Name, cellNames[i % 7]);
            QCOMPARE(entries[i].Data, QStringLiteral("r%1c%2").arg(i / 7 + 1).arg(i % 7).toUtf8());
        }
        for (int pos = 1; pos <= 36; ++pos) {
            const RawPack::Entry& e = entries[7 * rows + pos - 1];
            QCOMPARE(e.Name, QByteArray(PropertyTable::At(pos)->Key));
            QCOMPARE(QString::fromUtf8(e.Data),
                     doc.ReadProp(QString::fromLatin1(PropertyTable::At(pos)->Name), true));
        }
        QCOMPARE(entries[7 * rows].Name, QByteArray("P_BACK_C"));
        QCOMPARE(entries.last().Name, QByteArray("P_SHOW_R"));
        QCOMPARE(entries[7 * rows + 12].Data, header.toUtf8()); // P_HEADER: the whole text
        if (rows == 3)
            QCOMPARE(entries[21].Name, QByteArray("P_BACK_C"));

        doc.CO.Release();
        LauncherDocument loaded;
        loaded.Items.Append(Item("stale"));
        LauncherFile::OpenFile(loaded, path, false);
        QCOMPARE(loaded.Items.Count(), rows);
        QCOMPARE(loaded.ReadProp("Header HTML"), header);
        QCOMPARE(loaded.Props.At(loaded.Props.Find("Header HTML")).Setting,
                 header.left(50) + "...");
    }

    void saveSetsTheDocumentState() {
        LauncherDocument doc;
        doc.WriteProp("Title", "My Tools");
        doc.Changed = true;
        const QString path = PathOf("state.qtf");
        LauncherFile::SaveFile(doc, path);
        QCOMPARE(doc.CurFile, path);
        QVERIFY(!doc.Changed);
        QCOMPARE(doc.Caption(), "My Tools (" + path + ") - Quintor Editor");
        QVERIFY(doc.CO.Held());
        QVERIFY(!Free(path));
        doc.CO.Release();

        LauncherDocument other;
        LauncherFile::OpenFile(other, path, false);
        QCOMPARE(other.CurFile, path);
        QCOMPARE(other.Caption(), "My Tools (" + path + ") - Quintor Editor");
    }

    // The lock as another program sees it: refused while held, after a save too (the
    // save put a new file in place), and free once released or the holder is gone.
    void lockAgainstAnotherProcess() {
        const QString path = PathOf("locked.qtf");
        {
            LauncherDocument doc;
            LauncherFile::SaveFile(doc, path);
            QCOMPARE(OpenInChild(path), ErrNo::PermissionDenied);
            doc.Items.Append(Item("new"));
            LauncherFile::SaveFile(doc, path);
            QCOMPARE(OpenInChild(path), ErrNo::PermissionDenied);
            LauncherFile::OpenFile(doc, path, false); // reopening the held file itself
            QCOMPARE(doc.Items.Count(), 1);
            QCOMPARE(OpenInChild(path), ErrNo::PermissionDenied);
            doc.CO.Release();
            QCOMPARE(OpenInChild(path), 0);
        }
        ChildProcess::Holder editor([&] {
            static LauncherDocument doc;
            LauncherFile::OpenFile(doc, path, false);
            return doc.CO.Held();
        });
        QVERIFY(editor.Ready());
        LauncherDocument doc;
        QCOMPARE(ErrorOf([&] { LauncherFile::OpenFile(doc, path, false); }),
                 ErrNo::PermissionDenied);
        QCOMPARE(ErrorOf([&] { LauncherFile::SaveFile(doc, path); }), ErrNo::PermissionDenied);
        QCOMPARE(doc.CurFile, QString());
        editor.Kill();
        LauncherFile::OpenFile(doc, path, false);
        QCOMPARE(doc.Items.Count(), 1);
    }

    void failedOpenLeavesEverythingAsItWas_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = RawPack::Build(Entries({{"DESC", "d"},
                                                        {"COMMAND", "c"},
                                                        {"PARAM", ""},
                                                        {"STARTIN", ""},
                                                        {"ICON", ""},
                                                        {"RUN", ""},
                                                        {"COMMENTS", ""},
                                                        {"P_TITLE", "Other"}}));
        QTest::newRow("truncated data") << good.left(good.size() - 2);
        QTest::newRow("foreign file") << QByteArray("<html></html>");
        QTest::newRow("last item incomplete") << RawPack::Build(
            {{"P_TITLE", "Other", 0, 0}, {"DESC", "d", 0, 0}, {"COMMAND", "c", 0, 0}});
        QTest::newRow("missing file") << QByteArray();
    }

    void failedOpenLeavesEverythingAsItWas() {
        QFETCH(QByteArray, bytes);
        const QString mine = PathOf("mine.qtf");
        LauncherDocument doc;
        doc.Items.Append(Item("keep"));
        doc.WriteProp("Title", "Mine");
        LauncherFile::SaveFile(doc, mine);
        doc.Items.Append(Item("unsaved"));
        doc.Changed = true;
        const QString caption = doc.Caption();

        const QString bad = PathOf("bad.qtf");
        QFile::remove(bad);
        if (!bytes.isEmpty())
            QVERIFY(TestFiles::Write(bad, bytes));
        QVERIFY(ErrorOf([&] { LauncherFile::OpenFile(doc, bad, false); }) != 0);
        QVERIFY(ErrorOf([&] { LauncherFile::OpenFile(doc, bad, true); }) != 0);
        QCOMPARE(doc.Items.Count(), 2);
        QCOMPARE(doc.Items.Row(2), Item("unsaved"));
        QCOMPARE(doc.ReadProp("Title"), QString("Mine"));
        QCOMPARE(doc.CurFile, mine);
        QVERIFY(doc.Changed);
        QCOMPARE(doc.Caption(), caption);
        QVERIFY(doc.CO.Held());
        QVERIFY(!Free(mine));
    }

    // Reading the held file means letting go of the lock for a moment; a failure
    // must still end with the lock taken again.
    void damagedOpenOfTheHeldFileKeepsItLocked() {
        const QString path = PathOf("held-damaged.qtf");
        LauncherDocument doc;
        LauncherFile::SaveFile(doc, path);
        QVERIFY(TestFiles::Write(path, "garbage")); // the lock is advisory: same file, new bytes
        QCOMPARE(ErrorOf([&] { LauncherFile::OpenFile(doc, path, false); }), ErrNo::BadFileFormat);
        QVERIFY(doc.CO.Held());
        QVERIFY(!Free(path));
    }

    void importAppendsAndKeepsTheCurrentFile() {
        const QString other = PathOf("other.qtf");
        LauncherDocument source;
        source.Items.Append(Item("a"));
        source.Items.Append(Item("b"));
        source.WriteProp("Title", "Other title");
        source.WriteProp("Width", "999");
        LauncherFile::SaveFile(source, other);
        source.CO.Release();

        const QString mine = PathOf("current.qtf");
        LauncherDocument doc;
        doc.Items.Append(Item("mine"));
        doc.WriteProp("Title", "Mine");
        LauncherFile::SaveFile(doc, mine);
        const QString caption = doc.Caption();
        LauncherFile::OpenFile(doc, other, true);
        QCOMPARE(doc.Items.Count(), 3);
        QCOMPARE(doc.Items.Row(1), Item("mine"));
        QCOMPARE(doc.Items.Row(3), Item("b"));
        QCOMPARE(doc.ReadProp("Title"), QString("Mine"));
        QCOMPARE(doc.ReadProp("Width"), QString("492"));
        QCOMPARE(doc.CurFile, mine);
        QCOMPARE(doc.Caption(), caption);
        QVERIFY(!Free(mine));
        QVERIFY(Free(other));
        // importing the document's own file keeps it locked too
        LauncherFile::OpenFile(doc, mine, true);
        QCOMPARE(doc.Items.Count(), 4);
        QVERIFY(!Free(mine));
    }

    void propertyEntriesThatDoNotFitAreSkipped_data() {
        QTest::addColumn<QVector<RawPack::Entry>>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("columns");
        QTest::newRow("in order") << Entries(
                                         {{"P_COLUMN", "7"}, {"P_TITLE", "T"}, {"P_WIDTH", "600"}})
                                  << "T"
                                  << "600"
                                  << "7";
        QTest::newRow("out of order: the earlier key is skipped")
            << Entries({{"P_WIDTH", "600"}, {"P_TITLE", "T"}, {"P_COLUMN", "7"}}) << "New File 1"
            << "600"
            << "5";
        QTest::newRow("repeated: the first one counts")
            << Entries({{"P_TITLE", "T1"}, {"P_TITLE", "T2"}, {"P_WIDTH", "600"}}) << "T1"
            << "600"
            << "5";
        QTest::newRow("unknown keys") << Entries({{"P_NOPE", "x"},
                                                  {"P_TITLE", "T"},
                                                  {"P_", "y"},
                                                  {"P_WIDTHX", "z"},
                                                  {"P_WIDTH", "600"}})
                                      << "T"
                                      << "600"
                                      << "5";
        QTest::newRow("last key first")
            << Entries({{"P_SHOW_R", "True"}, {"P_TITLE", "T"}}) << "New File 1"
            << "492"
            << "5";
        QTest::newRow("case matters")
            << Entries({{"p_TITLE", "T"}, {"P_title", "U"}}) << "New File 1"
            << "492"
            << "5";
    }

    void propertyEntriesThatDoNotFitAreSkipped() {
        QFETCH(QVector<RawPack::Entry>, entries);
        QFETCH(QString, title);
        QFETCH(QString, width);
        QFETCH(QString, columns);
        const QString path = PathOf("props.qtf");
        QVERIFY(TestFiles::Write(path, RawPack::Build(entries)));
        LauncherDocument doc;
        LauncherFile::OpenFile(doc, path, false);
        QCOMPARE(doc.ReadProp("Title", true), title);
        QCOMPARE(doc.ReadProp("Width", true), width);
        QCOMPARE(doc.ReadProp("Columns", true), columns);
        QCOMPARE(doc.Props.Count(), 36);
    }

    void onlyDescStartsAnItem() {
        // the six entries after "DESC" are taken by position, whatever their names; the
        // loop still visits them, so a key among them also sets its property
        const QString path = PathOf("names.qtf");
        QVERIFY(TestFiles::Write(path, RawPack::Build(Entries({{"X", "ignored"},
                                                               {"DESC", "d"},
                                                               {"A", "1"},
                                                               {"B", "2"},
                                                               {"C", "3"},
                                                               {"P_TITLE", "4"},
                                                               {"E", "5"},
                                                               {"F", "6"}}))));
        LauncherDocument doc;
        LauncherFile::OpenFile(doc, path, false);
        QCOMPARE(doc.Items.Count(), 1);
        LauncherItem expected;
        expected.Cells = {"d", "1", "2", "3", "4", "5", "6"};
        QCOMPARE(doc.Items.Row(1), expected);
        QCOMPARE(doc.ReadProp("Title", true), QString("4"));
    }

    // A full disk: the old file stays whole and the document stays unsaved.
    void fullDiskKeepsTheOldFile() {
        const QString path = PathOf("full.qtf");
        LauncherDocument doc;
        doc.Items.Append(Item("old"));
        LauncherFile::SaveFile(doc, path);
        const QByteArray old = TestFiles::Read(path);
        const int result = ChildProcess::Run([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlim_t size = rlim_t(old.size()) + 100;
            const rlimit limit{size, size};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            doc.Items.Append(Item(QString(100000, 'x')));
            doc.Changed = true;
            const int error = ErrorOf([&] { LauncherFile::SaveFile(doc, path); });
            const bool untouched = doc.Changed && doc.CurFile == path && doc.CO.Covers(path);
            return untouched ? error : 1;
        });
        QCOMPARE(result, ErrNo::DiskFull);
        QCOMPARE(TestFiles::Read(path), old);
        QVERIFY(!Free(path));
    }

    void changeFile_data() {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveSucceeds");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("saves");
        QTest::newRow("new, Yes, saved") << false << int(MsgAnswer::Yes) << true << true << 1;
        QTest::newRow("new, Yes, save cancelled")
            << false << int(MsgAnswer::Yes) << false << false << 1;
        QTest::newRow("new, No") << false << int(MsgAnswer::No) << true << true << 0;
        QTest::newRow("new, Cancel") << false << int(MsgAnswer::Cancel) << true << false << 0;
        QTest::newRow("file, Yes") << true << int(MsgAnswer::Yes) << true << true << 1;
        QTest::newRow("file, Cancel") << true << int(MsgAnswer::Cancel) << true << false << 0;
    }

    void changeFile() {
        QFETCH(bool, saved);
        QFETCH(int, answer);
        QFETCH(bool, saveSucceeds);
        QFETCH(bool, result);
        QFETCH(int, saves);
        LauncherDocument doc;
        if (saved) {
            doc.WriteProp("Title", "Tools");
            LauncherFile::SaveFile(doc, PathOf("ask.qtf"));
        }
        ScriptedUserDialogs dialogs;
        int saveCalls = 0;
        auto save = [&] {
            ++saveCalls;
            if (saveSucceeds)
                doc.Changed = false;
        };
        QVERIFY(LauncherFile::ChangeFile(doc, dialogs, save)); // nothing changed: no question
        QCOMPARE(dialogs.Messages.size(), 0);

        doc.Changed = true;
        dialogs.MsgAnswers << MsgAnswer(answer);
        QCOMPARE(LauncherFile::ChangeFile(doc, dialogs, save), result);
        QCOMPARE(saveCalls, saves);
        QCOMPARE(dialogs.Messages.size(), 1);
        const auto asked = dialogs.LastMessage();
        QCOMPARE(
            asked.Text,
            saved
                ? "The file 'Tools' ('" + PathOf("ask.qtf") +
                      "') has changed.  Do you want to save the changes?"
                : QString("The file 'New File 1'  has changed.  Do you want to save the changes?"));
        QCOMPARE(asked.Title, QString("Quintor Editor"));
        QCOMPARE(asked.Buttons, MsgButtons::YesNoCancel);
        QCOMPARE(asked.Icon, MsgIcon::Question);
    }
};

QTEST_GUILESS_MAIN(TestLauncherFile)
#include "test_launcherfile.moc"
