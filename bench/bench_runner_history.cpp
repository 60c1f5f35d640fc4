// The history of starts: what reading it adds to the runner's start, for 10,000 uses on
// twenty pages (budget: under 5 ms), read as the runner reads it, once in a new process;
// read again and again in one process, for comparison; and, for the record, what one start
// costs to note down afterwards (the file read, one use added, written whole and synced).
//   bench_runner_history [folder]   (default: a temporary folder under $TMPDIR)
#include "core/UseHistoryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Uses = 10000;
constexpr int Runs = 101;
constexpr int Processes = 31;
const QString ReadOnce = QStringLiteral("--read-once");

double Median(const std::function<void()>& Work, int RunCount = Runs) {
    std::vector<double> ms;
    for (int i = 0; i < RunCount; ++i) {
        QElapsedTimer clock;
        clock.start();
        Work();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// One read in a process of its own, as at the runner's start: nothing in memory yet.
int ReadOnceHere(const QString& Path) {
    QElapsedTimer clock;
    clock.start();
    const UseHistory history = UseHistoryFile::Load(Path);
    std::printf("%f\n", double(clock.nsecsElapsed()) / 1e6);
    return history.Count() == Uses ? 0 : 1;
}

double MedianInNewProcesses(const QString& Path) {
    std::vector<double> ms;
    for (int i = 0; i < Processes; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {ReadOnce, Path});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            return -1;
        ms.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == ReadOnce)
        return ReadOnceHere(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    const QString path = folder + QStringLiteral("/quintor/history");
    const qint64 now = 1800000000;
    UseHistory history;
    for (int n = 0; n < Uses; ++n)
        history.Record(QStringLiteral("/home/user/Launchers/Page %1.htm").arg(n % 20),
                       QStringLiteral("qt:/usr/bin/program-%1,--new").arg(n), now - n * 600);
    QDir().mkpath(folder + QStringLiteral("/quintor"));
    const QByteArray text = history.ToText();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();
    const double atStart = MedianInNewProcesses(path);
    // Kept, as the runner keeps what it read: freeing it is no part of its start.
    std::vector<UseHistory> kept;
    kept.reserve(Runs);
    const double load = Median([&] { kept.push_back(UseHistoryFile::Load(path)); });
    const qsizetype read = kept.front().Count();
    kept.clear();
    const double weights = Median([&] {
        (void)UseHistoryFile::Load(path).Weights(QStringLiteral("/home/user/Launchers/Page 3.htm"),
                                                 now);
    });
    const double record = Median(
        [&] {
            UseHistoryFile::RecordStart(path, QStringLiteral("/home/user/Launchers/Page 3.htm"),
                                        QStringLiteral("qt:/usr/bin/program-3,--new"), now);
        },
        21);
    std::printf("history of %lld uses (%lld bytes): read at a start %.2f ms (budget 5 ms); read "
                "in one process again and again, kept %.2f ms, read and weighed for one page "
                "%.2f ms; one start noted down (read, write, sync) %.2f ms\n",
                static_cast<long long>(read), static_cast<long long>(text.size()), atStart, load,
                weights, record);
    return read == Uses ? 0 : 1;
}
