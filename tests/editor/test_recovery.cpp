// Recovery after a crash: an editor killed with unsaved changes leaves a copy that the
// next editor offers and restores exactly; clean ends leave nothing; damaged copies are
// kept and named; a running editor's copy is never taken.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "components/platform/FileLock.h"
#include "document/LauncherFile.h"
#include "document/RecoveryKeeper.h"
#include "document/RecoveryStore.h"
#include "shell/RecoveryCommands.h"
#include "shell/frmQTE.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <sys/stat.h>

using namespace DataRows;

namespace {

QByteArray BytesOf(const LauncherDocument& Doc) {
    const QString path = QDir::temp().filePath("recovery-bytes.qtf");
    LauncherFile::WriteCopy(Doc, path);
    const QByteArray bytes = TestFiles::Read(path);
    QFile::remove(path);
    return bytes;
}

void Change(LauncherDocument& Doc, const QString& Description) {
    const EditHistory::Step step = Doc.History.Begin("Add item");
    LauncherItem item;
    item[cellDescription] = Description;
    item[cellCommand] = "/bin/true";
    Doc.Items.Append(item);
}

QStringList Files(const QString& Folder) {
    return QDir(Folder).entryList(QDir::Files, QDir::Name);
}

int Mode(const QString& Path) {
    struct stat info;
    return ::stat(QFile::encodeName(Path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// An editor that ended without cleaning up: its copy of a document with one change.
QByteArray LeaveOrphan(const QString& Folder, const QString& File, const QString& Description) {
    LauncherDocument doc;
    doc.CurFile = File;
    Change(doc, Description);
    RecoveryStore store(Folder);
    if (!store.Open())
        return {};
    store.Write(doc);
    return BytesOf(doc);
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString State;
    QString Folder;

private slots:
    void init() {
        State = Dir.filePath(QString::number(QRandomGenerator::global()->generate()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(State));
        Folder = RecoveryStore::DefaultFolder();
    }

    // For real: a running editor with unsaved changes is killed; an editor started beside
    // it before that offers nothing, the next one after it restores the document exactly.
    void killedEditorIsRestored() {
        LauncherDocument start;
        for (const char* name : {"One", "Two"})
            Change(start, name);
        start.WriteProp("Title", "Saved title");
        const QString file = Dir.filePath("crashed.qtf");
        LauncherFile::SaveFile(start, file);
        start.CO.Release();
        const QString expected = Dir.filePath("expected.qtf");

        QProcess crashing;
        crashing.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        crashing.start(TestFiles::TestBinDir() + "/crasheditor", {file, expected});
        QVERIFY(crashing.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += crashing.readAllStandardOutput()).contains("ready"),
                                 30000);

        {
            ScriptedUserDialogs dialogs;
            frmQTE beside(&dialogs);
            beside.Form_Load({});
            QVERIFY(dialogs.Choices.isEmpty());
            QVERIFY(dialogs.Messages.isEmpty());
            beside.close();
        }

        ::kill(static_cast<pid_t>(crashing.processId()), SIGKILL);
        QVERIFY(crashing.waitForFinished());
        QCOMPARE(crashing.exitStatus(), QProcess::CrashExit);

        ScriptedUserDialogs dialogs;
        dialogs.ChoiceAnswers << 0;
        frmQTE next(&dialogs);
        next.Form_Load({});
        QCOMPARE(dialogs.Choices.size(), 1);
        const ScriptedUserDialogs::Choice asked = dialogs.Choices.first();
        QCOMPARE(asked.Title, QString("Restore Unsaved Changes"));
        QCOMPARE(asked.Text,
                 "Quintor Editor was closed before the changes to '" + file + "' were saved.");
        QCOMPARE(asked.Buttons, QStringList({"Restore", "Discard"}));
        QCOMPARE(asked.DefaultButton, 0);
        QCOMPARE(asked.Icon, MsgIcon::Question);

        QCOMPARE(BytesOf(next.Doc()), TestFiles::Read(expected));
        QCOMPARE(next.Doc().CurFile, file);
        QCOMPARE(next.windowTitle(), "*Unsaved title (" + file + ") - Quintor Editor");
        FileLock other;
        QVERIFY(!other.Take(file) && other.LastErrorWasConflict());

        // The restore is one step over the file: undone, the document is the file again.
        QAction* undo = next.findChild<QAction*>("mnuEditUndo");
        QCOMPARE(undo->text(), QString("U&ndo Restore unsaved changes"));
        undo->trigger();
        QCOMPARE(BytesOf(next.Doc()), TestFiles::Read(file));
        QVERIFY(!next.Doc().Changed());
        QCOMPARE(next.windowTitle(), "Saved title (" + file + ") - Quintor Editor");
        next.findChild<QAction*>("mnuEditRedo")->trigger();
        QCOMPARE(BytesOf(next.Doc()), TestFiles::Read(expected));
        QCOMPARE(next.windowTitle(), "*Unsaved title (" + file + ") - Quintor Editor");

        next.mnuFileSave_Click();
        QCOMPARE(TestFiles::Read(file), TestFiles::Read(expected));
        QVERIFY(QDir(Folder).entryList({"*.qtf", "*.note"}, QDir::Files).isEmpty());
        next.close();
        QCOMPARE(Files(Folder), QStringList());
    }

    // One after another until one is restored: discarded ones go, one the user closed
    // the question on stays, those after a restore wait for the next start.
    void copiesOneAfterAnother_data() {
        Columns<QList<int>, int, bool, QString>({"answers", "asked", "restored", "left"});
        Row("discard, restore", QList<int>{1, 0}, 2, true, QString("Third"));
        Row("restore the first", QList<int>{0}, 1, true, QString("Second Third"));
        Row("closed, discard, discard", QList<int>{-1, 1, 1}, 3, false, QString("First"));
    }
    void copiesOneAfterAnother() {
        const QList<int> answers = Fetch<QList<int>>("answers");
        QMap<QString, QByteArray> bytes;
        for (const char* name : {"First", "Second", "Third"}) {
            bytes[name] = LeaveOrphan(Folder, {}, name);
            QTest::qWait(20); // offered oldest first, by time
        }
        LauncherDocument doc;
        ScriptedUserDialogs dialogs;
        dialogs.ChoiceAnswers = answers;
        RecoveryStore store(Folder);
        QVERIFY(store.Open());
        const bool restored = RecoveryCommands::OfferCopies(doc, dialogs, store);
        QCOMPARE(restored, Fetch<bool>("restored"));
        QCOMPARE(dialogs.Choices.size(), Fetch<int>("asked"));
        QCOMPARE(dialogs.Choices.first().Text,
                 QString("Quintor Editor was closed before the changes to a new document "
                         "were saved."));
        if (restored) {
            QCOMPARE(BytesOf(doc), bytes[answers.size() == 1 ? "First" : "Second"]);
            QVERIFY(doc.Changed());
            QVERIFY(doc.CurFile.isEmpty());
            QCOMPARE(TestFiles::Read(store.CopyPath()), BytesOf(doc)); // now this editor's
        }

        RecoveryStore later(Folder);
        QVERIFY(later.Open());
        QStringList left;
        for (RecoveryStore::Orphan& orphan : later.ClaimOrphans()) {
            LauncherDocument copy;
            LauncherFile::ReadCopy(copy, orphan.CopyPath);
            left << copy.Items.Cell(1, cellDescription);
        }
        QCOMPARE(left.join(' '), Fetch("left"));
    }

    // A damaged copy or note is kept under a name that is not offered again, named in one
    // message, and the editor starts as usual.
    void damagedCopyIsKeptAndNamedOnce_data() {
        Texts({"part", "bytes"});
        Row("copy", "qtf", "QTFP garbage");
        Row("note", "note", "{not json");
        Row("empty copy", "qtf", "");
    }
    void damagedCopyIsKeptAndNamedOnce() {
        LeaveOrphan(Folder, {}, "Lost");
        const QString damaged =
            QDir(Folder).entryInfoList({"*." + Fetch("part")}, QDir::Files).first().filePath();
        QVERIFY(TestFiles::Write(damaged, Fetch("bytes").toUtf8()));

        for (int start = 0; start < 2; ++start) {
            ScriptedUserDialogs dialogs;
            frmQTE editor(&dialogs);
            editor.Form_Load({});
            QVERIFY(dialogs.Choices.isEmpty());
            QCOMPARE(dialogs.Messages.size(), 1 - start);
            QVERIFY(!editor.Doc().Changed());
            if (start == 0) {
                const ScriptedUserDialogs::Message message = dialogs.Messages.first();
                QCOMPARE(message.Title, QString("Restore Unsaved Changes"));
                QCOMPARE(message.Icon, MsgIcon::Exclamation);
                QVERIFY2(message.Text.startsWith("The unsaved changes kept in '" + Folder) &&
                             message.Text.contains(".damaged.qtf' could not be read - ") &&
                             message.Text.endsWith(", 321. The copy was left where it is."),
                         qPrintable(message.Text));
            }
            editor.close();
        }
        const QStringList kept = QDir(Folder).entryList({"*.damaged.*"}, QDir::Files);
        QCOMPARE(kept.size(), 2);
        const QString keptPart =
            Folder + '/' + kept.filter(Fetch("part") == "qtf" ? ".qtf" : ".note").first();
        QCOMPARE(TestFiles::Read(keptPart), Fetch("bytes").toUtf8());
    }

    // A copy whose editor runs (its lock held) is never taken, while a slot that a dead
    // editor left without a copy goes; the folder and files are the user's alone.
    void onlyDeadEditorsSlotsAreTaken() {
        LauncherDocument doc;
        Change(doc, "Mine");
        RecoveryStore running(Folder);
        QVERIFY(running.Open());
        running.Write(doc);
        QCOMPARE(Mode(Folder), 0700);
        for (const char* part : {".qtf", ".note", ".lock"})
            QCOMPARE(Mode(QString(running.CopyPath()).replace(".qtf", part)), 0600);
        for (const char* name : {"dead-1.lock", "dead-1.note", "dead-2.lock"})
            QVERIFY(TestFiles::Write(Folder + '/' + name, {}));

        RecoveryStore second(Folder);
        QVERIFY(second.Open());
        QVERIFY(second.ClaimOrphans().empty());
        QCOMPARE(Files(Folder).filter("dead-"), QStringList());
        QCOMPARE(Files(Folder).filter(".lock").size(), 2); // the two running editors'
        running.Close();
        QCOMPARE(Files(Folder).filter(".qtf").size(), 0);
    }

    // A folder in the way is made private, or refused when it is not a real folder.
    void folderIsMadePrivate() {
        QVERIFY(QDir().mkpath(Folder));
        QVERIFY(::chmod(QFile::encodeName(Folder).constData(), 0755) == 0);
        RecoveryStore store(Folder);
        QVERIFY(store.Open());
        QCOMPARE(Mode(Folder), 0700);

        const QString linked = Dir.filePath("linked");
        QVERIFY(QFile::link(Folder, linked));
        RecoveryStore through(linked);
        QVERIFY(!through.Open());
    }

    // Written a moment after the first change, then again at most every interval; gone
    // once the document equals its file (saved, or every change taken back).
    void copyFollowsTheChanges() {
        LauncherDocument doc;
        RecoveryStore store(Folder);
        QVERIFY(store.Open());
        RecoveryKeeper keeper(doc, store, 100, 600);
        Change(doc, "First");
        QVERIFY(!QFile::exists(store.CopyPath()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(store.CopyPath()), 5000);
        QCOMPARE(TestFiles::Read(store.CopyPath()), BytesOf(doc));
        Change(doc, "Second");
        QTRY_COMPARE_WITH_TIMEOUT(TestFiles::Read(store.CopyPath()), BytesOf(doc), 5000);
        doc.Undo();
        doc.Undo();
        QVERIFY(!QFile::exists(store.CopyPath()));
        Change(doc, "Third");
        LauncherFile::SaveFile(doc, Dir.filePath("saved.qtf"));
        QTest::qWait(300);
        QVERIFY(!QFile::exists(store.CopyPath()));
    }

    // Exit answered "No" discards the changes and the copy; the slot goes with the editor.
    void cleanExitLeavesNothing() {
        {
            ScriptedUserDialogs dialogs;
            frmQTE editor(&dialogs);
            editor.Form_Load({});
            Change(editor.Doc(), "Unsaved");
            QTRY_VERIFY_WITH_TIMEOUT(!QDir(Folder).entryList({"*.qtf"}, QDir::Files).isEmpty(),
                                     5000);
            dialogs.MsgAnswers << MsgAnswer::No;
            QVERIFY(editor.close());
        }
        QCOMPARE(Files(Folder), QStringList());
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
