// Loading and saving a launcher file of 10,000 items (70,036 entries) through the
// launcher file code. Budget: under 50 ms each. Prints the median of several runs,
// and splits a save into building the bytes and the atomic write (which syncs).
//   bench_packfile [folder]   (default: a temporary folder under $TMPDIR)
#include "TenThousandItems.h"
#include "components/AtomicFile.h"
#include "components/PackStore.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using TenThousandItems::Items;
constexpr int Runs = 15;

// Wall time and this process's CPU time (the machine may be shared: CPU time shows
// what our own code costs, wall time what the user waits, fsync included).
struct Times {
    double Wall;
    double Cpu;
};

double CpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Times Median(const std::function<void()>& Work) {
    QVector<double> wall, cpu;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = CpuNow();
        timer.start();
        Work();
        wall.append(timer.nsecsElapsed() / 1e6);
        cpu.append(CpuNow() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[Runs / 2], cpu[Runs / 2]};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench-XXXXXX")
                                : QDir::tempPath() + QStringLiteral("/bench-XXXXXX"));
    const QString path = temp.filePath(QStringLiteral("big.qtf"));

    LauncherDocument doc;
    TenThousandItems::Fill(doc);
    LauncherFile::SaveFile(doc, path);
    doc.CO.Release();
    const QByteArray bytes = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    const Times save = Median([&] {
        LauncherFile::SaveFile(doc, path);
        doc.CO.Release();
    });
    const Times atomicWrite = Median([&] { WriteFileAtomically(path, bytes); });
    const Times plainWrite = Median([&] {
        QFile f(path + QStringLiteral(".plain"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    });
    const Times load = Median([&] {
        LauncherDocument loaded;
        LauncherFile::OpenFile(loaded, path, false);
        if (loaded.Items.Count() != Items)
            std::abort();
    });
    const Times parse = Median([&] { PackStore::ParseDirectory(bytes); });

    std::printf("launcher file of %d items, %d entries, %lld bytes in %s\n", Items, Items * 7 + 36,
                static_cast<long long>(bytes.size()), qPrintable(temp.path()));
    std::printf("median of %d runs, wall ms / CPU ms\n", Runs);
    const auto line = [](const char* What, Times T) {
        std::printf("  %-42s %7.2f / %7.2f\n", What, T.Wall, T.Cpu);
    };
    line("load (OpenFile)", load);
    line("  directory parse alone", parse);
    line("save (SaveFile)", save);
    line("  atomic write (write, fsync, rename, sync)", atomicWrite);
    line("  the same bytes, plain write, no sync", plainWrite);
    line("  building the bytes (save - atomic write)",
         {save.Wall - atomicWrite.Wall, save.Cpu - atomicWrite.Cpu});
    return 0;
}
