// The history's file is the user's own: whatever stands at its place (damaged, foreign,
// huge, a FIFO, a link, unreadable, somebody else's) is no history and gives way to one at
// the next start; the file written is private and whole; --forget's removal.
#include "core/UseHistoryFile.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace DataRows;

namespace {
const QString Page = QStringLiteral("/home/a/Tools.htm");
const QByteArray Valid = "quintor history 1\npage /home/a/Tools.htm\n100 3 qt:old\n";

mode_t ModeOf(const QString& Path) {
    struct stat info;
    return ::lstat(QFile::encodeName(Path).constData(), &info) == 0 ? info.st_mode : 0;
}
} // namespace

class TestUseHistoryFile : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString History;
    int Tests = 0;

private slots:
    void init() {
        History = Dir.filePath(QString("state%1/quintor/history").arg(++Tests));
        QVERIFY(QDir().mkpath(QFileInfo(History).absolutePath()));
    }

    void whatIsNoHistoryGivesWay_data() {
        Columns<QString>({"What"});
        for (const char* what : {"damaged", "foreign", "huge", "fifo", "link", "dangling link",
                                 "unreadable", "somebody else's"})
            Row(what, QString(what));
    }
    void whatIsNoHistoryGivesWay() {
        const QString what = Fetch("What");
        const QString target = Dir.filePath("elsewhere");
        QVERIFY(TestFiles::Write(target, Valid));
        const auto write = [&](const QByteArray& Bytes) {
            QVERIFY(TestFiles::Write(History, Bytes));
        };
        if (what == "damaged")
            write(Valid.left(Valid.size() - 3));
        else if (what == "foreign")
            write("<?xml version=\"1.0\"?>\n<history/>\n");
        else if (what == "huge")
            write(Valid + QByteArray(UseHistory::MaxBytes, '\n'));
        else if (what == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(History).constData(), 0600), 0);
        else if (what.endsWith("link"))
            QVERIFY(QFile::link(what == "link" ? target : Dir.filePath("none"), History));
        if (what == "unreadable" || what == "somebody else's") {
            write(Valid);
            // Root reads whatever it likes, and only root gives a file away.
            if ((::geteuid() == 0) == (what == "unreadable"))
                QSKIP("needs to run as another user");
            QVERIFY(what == "unreadable"
                        ? QFile::setPermissions(History, {})
                        : ::chown(QFile::encodeName(History).constData(), 65534, 65534) == 0);
        }

        QCOMPARE(UseHistoryFile::Load(History).Count(), 0);
        const UseHistory written = UseHistoryFile::RecordStart(History, Page, "qt:new", 200);
        QCOMPARE(written.Weights(Page, 200).keys(), QStringList{"qt:new"});
        // A private regular file now, holding that start alone; what a link pointed to is
        // as it was.
        QCOMPARE(ModeOf(History), mode_t(S_IFREG | 0600));
        QCOMPARE(UseHistoryFile::Load(History).Weights(Page, 200).keys(), QStringList{"qt:new"});
        QCOMPARE(TestFiles::Read(target), Valid);
    }

    // Two runners at once: each start lands in the file as it is now.
    void startsOfEveryRunnerCount() {
        QVERIFY(TestFiles::Write(History, Valid));
        QVERIFY(QFile::setPermissions(History,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        const UseHistory first = UseHistoryFile::Load(History);
        UseHistoryFile::RecordStart(History, Page, "qt:new", 100);
        UseHistoryFile::RecordStart(History, "/other.htm", "qt:new", 100);
        QCOMPARE(first.Count(), 1);
        const UseHistory now = UseHistoryFile::Load(History);
        QCOMPARE(now.Weights(Page, 100), (QHash<QString, double>{{"qt:old", 3}, {"qt:new", 1}}));
        QCOMPARE(now.Weights("/other.htm", 100).value("qt:new"), 1.0);
        QCOMPARE(ModeOf(History), mode_t(S_IFREG | 0600)); // no longer readable by others
    }

    // The folders made on the way are the user's alone; a place that cannot hold a file
    // costs the start nothing.
    void madeWhereThereIsNone() {
        const QString deep = Dir.filePath("new/state/quintor/history");
        QCOMPARE(UseHistoryFile::RecordStart(deep, Page, "qt:a", 1).Count(), 1);
        QCOMPARE(ModeOf(Dir.filePath("new/state")), mode_t(S_IFDIR | 0700));
        QCOMPARE(UseHistoryFile::Load(deep).Count(), 1);
        QVERIFY(QDir().mkpath(History));
        QCOMPARE(UseHistoryFile::RecordStart(History, Page, "qt:a", 1).Count(), 1);
        QVERIFY(QFileInfo(History).isDir());
        QVERIFY(!UseHistoryFile::Forget(History));
    }

    void forgetEmptiesIt() {
        QVERIFY(TestFiles::Write(History, Valid));
        QVERIFY(UseHistoryFile::Forget(History));
        QVERIFY(!QFileInfo::exists(History));
        QVERIFY(UseHistoryFile::Forget(History)); // nothing to forget is no failure
        // A link goes, not what it points to.
        const QString target = Dir.filePath("kept");
        QVERIFY(TestFiles::Write(target, Valid));
        QVERIFY(QFile::link(target, History));
        QVERIFY(UseHistoryFile::Forget(History));
        QVERIFY(!QFileInfo(History).isSymLink());
        QCOMPARE(TestFiles::Read(target), Valid);
    }
};

QTEST_GUILESS_MAIN(TestUseHistoryFile)
#include "test_UseHistoryFile.moc"
