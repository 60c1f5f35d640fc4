#include "components/PackStore.h"
#include "components/platform/FileLock.h"
#include "support/ErrorOf.h"
#include "support/RawPack.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <sys/stat.h>

class TestPackStore : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }

private slots:
    // "ok_" files load exactly; the others (foreign files, counts, offsets and lengths past
    // the end or wrapping 32 bits, entries sharing data) are refused as damaged. The
    // fuzzer's finds go here.
    void corpus_data() {
        QTest::addColumn<QString>("path");
        const QDir corpus(qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/tests/corpus/pack");
        for (const QString& f : corpus.entryList(QDir::Files))
            QTest::newRow(qPrintable(f)) << corpus.filePath(f);
        QVERIFY2(!corpus.isEmpty(), qPrintable(corpus.path()));
    }

    void corpus() {
        QFETCH(QString, path);
        PackStore pack;
        const int error = ErrorOf([&] { pack.PackOpen(path); });
        if (!QFileInfo(path).fileName().startsWith("ok_")) {
            QCOMPARE(error, ErrNo::BadFileFormat);
            QCOMPARE(ErrorOf([&] { PackStore::ParseDirectory(TestFiles::Read(path)); }), error);
            return;
        }
        QCOMPARE(error, 0);
        const QByteArray bytes = TestFiles::Read(path);
        for (qsizetype size = 0; size < bytes.size(); ++size) // no shorter file is sound
            QCOMPARE(ErrorOf([&] { PackStore::ParseDirectory(bytes.left(size)); }),
                     ErrNo::BadFileFormat);
        const int count = uchar(bytes[4]); // the corpus files are small
        QCOMPARE(pack.PackGetField(1, 0).toInt(), count);
        for (int i = 1; i <= count; ++i) {
            const RawPack::Entry e = RawPack::Record(bytes, i - 1);
            QCOMPARE(pack.PackGetField(3, i).toString().remove(QChar(0)),
                     QString::fromLatin1(e.Name));
            QCOMPARE(
                pack.PackReadData(path, pack.PackGetField(1, i), pack.PackGetField(2, i), false),
                QString::fromUtf8(e.Data));
        }
    }

    // Neither an endless device nor a pipe without a writer may hang or exhaust memory.
    void refusals() {
        QCOMPARE(::mkfifo(QFile::encodeName(PathOf("pipe")).constData(), 0600), 0);
        const std::pair<QString, int> paths[] = {{PathOf("none.qtf"), ErrNo::FileNotFound},
                                                 {"/dev/zero", ErrNo::PathFileAccess},
                                                 {PathOf("pipe"), ErrNo::PathFileAccess}};
        for (const auto& [path, error] : paths) {
            QCOMPARE(ErrorOf([&] { PackStore().PackOpen(path); }), error);
            QCOMPARE(ErrorOf([&] { PackStore::PackReadTextFile(path); }), error);
            FileLock().Take(path); // returns at once, whatever it answers
        }
        QFile huge(PathOf("huge.htm")); // sparse: no page is larger
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(65 * 1024 * 1024));
        QCOMPARE(ErrorOf([&] { PackStore::PackReadTextFile(PathOf("huge.htm")); }),
                 ErrNo::BadFileFormat);
        PackStore pack; // fields outside the pack
        QCOMPARE(ErrorOf([&] { pack.PackGetField(3, 1); }), ErrNo::SubscriptOutOfRange);
        QCOMPARE(ErrorOf([&] { pack.PackSetField("x", 3, 0x7FFFFFFF); }),
                 ErrNo::SubscriptOutOfRange);
        QCOMPARE(ErrorOf([&] { pack.PackSetField("NINECHARS", 3, 1); }), ErrNo::InvalidArgument);
    }
};

QTEST_GUILESS_MAIN(TestPackStore)
#include "test_packstore.moc"
