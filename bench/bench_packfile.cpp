// Loading and saving a launcher file of 10,000 items (70,036 entries) through the
// launcher file code. Budget: under 50 ms each. Prints the median of several runs,
// and splits a save into building the bytes and the atomic write (which syncs).
//   bench_packfile [folder]   (default: a temporary folder under $TMPDIR)
#include "AtomicFile.h"
#include "LauncherDocument.h"
#include "LauncherFile.h"
#include "PackStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Items = 10000;
constexpr int Runs = 15;

double MedianMs(const std::function<void()>& Work) {
    QVector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        Work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[Runs / 2];
}

void Fill(LauncherDocument& Doc) {
    QVector<LauncherItem> rows;
    rows.reserve(Items);
    for (int i = 1; i <= Items; ++i) {
        LauncherItem item;
        item[cellDescription] = i % 100 == 1
                                    ? QStringLiteral("SECTION:Group %1,True,False,,").arg(i / 100)
                                    : QStringLiteral("Program number %1").arg(i);
        item[cellCommand] = QStringLiteral("/usr/local/bin/program-%1").arg(i);
        item[cellParameters] = QStringLiteral("--file \"/home/user/Documents/file %1.txt\"").arg(i);
        item[cellStartIn] = QStringLiteral("/home/user/work/%1").arg(i % 37);
        item[cellIcon] =
            QStringLiteral("/usr/share/icons/hicolor/32x32/apps/app%1.png").arg(i % 50);
        item[cellRun] = QStringLiteral("Normal Window");
        item[cellComments] = QStringLiteral("Comment for item %1, with a comma").arg(i);
        rows.append(item);
    }
    Doc.Items.ReplaceAll(rows);
    Doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Ten thousand"));
    Doc.WriteProp(QStringLiteral("Header HTML"), QString(300, QChar('h')));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench-XXXXXX")
                                : QDir::tempPath() + QStringLiteral("/bench-XXXXXX"));
    const QString path = temp.filePath(QStringLiteral("big.qtf"));

    LauncherDocument doc;
    Fill(doc);
    LauncherFile::SaveFile(doc, path);
    doc.CO.Release();
    const QByteArray bytes = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    const double save = MedianMs([&] {
        LauncherFile::SaveFile(doc, path);
        doc.CO.Release();
    });
    const double atomicWrite = MedianMs([&] { WriteFileAtomically(path, bytes); });
    const double plainWrite = MedianMs([&] {
        QFile f(path + QStringLiteral(".plain"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    });
    const double load = MedianMs([&] {
        LauncherDocument loaded;
        LauncherFile::OpenFile(loaded, path, false);
        if (loaded.Items.Count() != Items)
            std::abort();
    });
    const double parse = MedianMs([&] { PackStore::ParseDirectory(bytes); });

    std::printf("launcher file of %d items, %d entries, %lld bytes in %s (median of %d runs)\n",
                Items, Items * 7 + 36, static_cast<long long>(bytes.size()),
                qPrintable(temp.path()), Runs);
    std::printf("  load (OpenFile):              %7.2f ms   (directory parse alone %.2f ms)\n",
                load, parse);
    std::printf("  save (SaveFile):              %7.2f ms\n", save);
    std::printf("    of which the atomic write:  %7.2f ms   (write, fsync, rename, folder sync)\n",
                atomicWrite);
    std::printf("    the same bytes, plain write:%7.2f ms   (no sync)\n", plainWrite);
    std::printf("    building the bytes:         %7.2f ms   (save minus atomic write)\n",
                save - atomicWrite);
    return 0;
}
