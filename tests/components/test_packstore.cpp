#include "AppError.h"
#include "ChildProcess.h"
#include "ErrorOf.h"
#include "FileLock.h"
#include "PackStore.h"
#include "RawPack.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QVector<RawPack::Entry> SmallEntries() {
    return {{"DESC", "Editor", 0, 0},
            {"COMMAND", "/usr/bin/x,y", 0, 0},
            {"P_TITLE", "T\xc3\xa9st", 0, 0},
            {"EMPTY", "", 0, 0}};
}

void WritePack(PackStore& Pack, const QVector<RawPack::Entry>& Entries) {
    for (int i = 0; i < Entries.size(); ++i) {
        Pack.PackSetField(QString::fromLatin1(Entries[i].Name), 3, i + 1);
        Pack.PackSetField(QString::fromUtf8(Entries[i].Data), 5, i + 1);
    }
    Pack.PackSetField(static_cast<qint32>(Entries.size()), 1, 0);
}

// Loads through the store and compares every name and data text with the entries.
bool LoadsExactly(const QString& Path, const QVector<RawPack::Entry>& Expected) {
    PackStore pack;
    pack.PackOpen(Path);
    if (pack.PackGetField(1, 0).toInt() != Expected.size())
        return false;
    for (int i = 1; i <= Expected.size(); ++i) {
        QString name = pack.PackGetField(3, i).toString();
        name.remove(QChar(0));
        const QString data =
            pack.PackReadData(Path, pack.PackGetField(1, i), pack.PackGetField(2, i), false);
        if (name.toLatin1() != Expected[i - 1].Name ||
            data != QString::fromUtf8(Expected[i - 1].Data))
            return false;
    }
    return true;
}

} // namespace

class TestPackStore : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }

private slots:
    void writesTheDocumentedLayout() {
        PackStore pack;
        WritePack(pack, SmallEntries());
        const QString path = PathOf("layout.qtf");
        pack.PackWrite(path);
        const QByteArray bytes = TestFiles::Read(path);
        QCOMPARE(bytes, RawPack::Build(SmallEntries()));
        QVERIFY(bytes.startsWith(QByteArray("QTFP\x04\0\0\0", 8)));
        // first record: data right after the directory, little-endian
        QCOMPARE(bytes.mid(8, 16), QByteArray("\x48\0\0\0\x06\0\0\0DESC\0\0\0\0", 16));
    }

    void everyTruncationIsRefusedOrLoadsExactly() {
        const QByteArray whole = RawPack::Build(SmallEntries());
        const QString path = PathOf("cut.qtf");
        for (int size = 0; size < whole.size(); ++size) {
            const QByteArray cut = whole.left(size);
            QVERIFY(TestFiles::Write(path, cut));
            const auto expected = RawPack::Parse(cut);
            int error = 0;
            bool exact = false;
            try {
                exact = LoadsExactly(path, expected.value_or(QVector<RawPack::Entry>{}));
            } catch (const AppError& e) {
                error = e.Number;
            }
            if (expected && exact)
                continue;
            QVERIFY2(error == ErrNo::BadFileFormat,
                     qPrintable(QStringLiteral("size %1 gave %2").arg(size).arg(error)));
        }
    }

    // Every file of the committed corpus: "ok_" files load exactly, the others (foreign
    // files and damaged headers: counts, offsets and lengths past the end or wrapping
    // 32 bits) are refused as damaged. The fuzzer's finds are added here.
    void corpus_data() {
        QTest::addColumn<QString>("path");
        const QDir corpus(qEnvironmentVariable("QUINTOR_SOURCE_DIR") +
                          QStringLiteral("/tests/corpus/pack"));
        const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(!files.isEmpty(), qPrintable(corpus.path()));
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << corpus.filePath(f);
    }

    void corpus() {
        QFETCH(QString, path);
        const bool good = QFileInfo(path).fileName().startsWith(QLatin1String("ok_"));
        const auto expected = RawPack::Parse(TestFiles::Read(path));
        if (good) {
            QVERIFY(expected);
            QVERIFY(LoadsExactly(path, *expected));
        } else {
            PackStore pack;
            QCOMPARE(ErrorOf([&] { pack.PackOpen(path); }), ErrNo::BadFileFormat);
            QCOMPARE(ErrorOf([&] { PackStore::ParseDirectory(TestFiles::Read(path)); }),
                     ErrNo::BadFileFormat);
        }
    }

    void missingEmptyAndFolderPaths() {
        PackStore pack;
        QCOMPARE(ErrorOf([&] { pack.PackOpen(PathOf("nothing.qtf")); }), ErrNo::FileNotFound);
        QCOMPARE(ErrorOf([&] { pack.PackOpen(QString()); }), ErrNo::FileNotFound);
        QCOMPARE(ErrorOf([&] { pack.PackOpen(Dir.path()); }), ErrNo::PathFileAccess);
        // neither an endless device nor a pipe without a writer may hang or exhaust memory
        QCOMPARE(ErrorOf([&] { pack.PackOpen("/dev/zero"); }), ErrNo::PathFileAccess);
        QCOMPARE(ErrorOf([&] { PackStore::PackReadTextFile("/dev/zero"); }), ErrNo::PathFileAccess);
        QVERIFY(::mkfifo(QFile::encodeName(PathOf("pipe")).constData(), 0600) == 0);
        QCOMPARE(ErrorOf([&] { pack.PackOpen(PathOf("pipe")); }), ErrNo::PathFileAccess);
        FileLock onPipe;
        onPipe.Take(PathOf("pipe")); // returns at once, whatever it answers
        QVERIFY(!PackStore::PackFileExists(QString()));
        QVERIFY(!PackStore::PackFileExists(Dir.path()));
        QVERIFY(!PackStore::PackFileExists(PathOf("nothing.qtf")));
        QVERIFY(TestFiles::Write(PathOf("there.qtf"), "x"));
        QVERIFY(PackStore::PackFileExists(PathOf("there.qtf")));
    }

    void fileHeldByAnotherProcessIsRefused() {
        const QString path = PathOf("held.qtf");
        QVERIFY(TestFiles::Write(path, RawPack::Build(SmallEntries())));
        ChildProcess::Holder holder([&] {
            static FileLock lock;
            return lock.Take(path);
        });
        QVERIFY(holder.Ready());
        PackStore pack;
        QCOMPARE(ErrorOf([&] { pack.PackOpen(path); }), ErrNo::PermissionDenied);
        holder.Kill(); // a killed holder leaves no lock behind
        QVERIFY(LoadsExactly(path, SmallEntries()));
    }

    // A full disk answers with short writes and no error: the old file must stay whole.
    void fullDiskKeepsTheOldFile() {
        const QString path = PathOf("full.qtf");
        const QByteArray old = RawPack::Build(SmallEntries());
        QVERIFY(TestFiles::Write(path, old));
        const int error = ChildProcess::Run([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            PackStore pack;
            WritePack(pack, {{"BIG", QByteArray(100000, 'x'), 0, 0}});
            return ErrorOf([&] { pack.PackWrite(path); });
        });
        QCOMPARE(error, ErrNo::DiskFull);
        QCOMPARE(TestFiles::Read(path), old);
        QCOMPARE(QDir(Dir.path()).entryList({"full.qtf*"}, QDir::Files | QDir::Hidden),
                 QStringList{"full.qtf"});
    }

    void fieldsOutsideThePackAreErrorsNotCrashes() {
        PackStore pack;
        QCOMPARE(pack.PackGetField(1, 0).toInt(), 0);
        QCOMPARE(ErrorOf([&] { pack.PackGetField(3, 1); }), ErrNo::SubscriptOutOfRange);
        QCOMPARE(ErrorOf([&] { pack.PackSetField(-1, 1, 0); }), ErrNo::SubscriptOutOfRange);
        QCOMPARE(ErrorOf([&] { pack.PackSetField(QStringLiteral("x"), 3, 0x7FFFFFFF); }),
                 ErrNo::SubscriptOutOfRange);
        QCOMPARE(ErrorOf([&] { pack.PackSetField(QStringLiteral("NINECHARS"), 3, 1); }),
                 ErrNo::InvalidArgument);
    }
};

QTEST_GUILESS_MAIN(TestPackStore)
#include "test_packstore.moc"
