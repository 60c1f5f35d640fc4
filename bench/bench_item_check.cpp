// The broken-item check of 10,000 items: commands on the search path and off it, absolute
// paths that exist and that do not, addresses, start-in folders and icon files, most of
// them different. Prints the time of a whole check on the worker thread, from the
// request to the marks, and what the request costs the user-interface thread.
#include "document/ItemRows.h"
#include "items/ItemCheck.h"
#include "items/ItemChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <algorithm>

namespace {
constexpr int ItemCount = 10000;

QVector<LauncherItem> Items() {
    const QStringList programs = QDir(QStringLiteral("/usr/bin")).entryList(QDir::Files);
    const QStringList folders = QDir(QStringLiteral("/usr/share/doc")).entryList(QDir::Dirs);
    QVector<LauncherItem> rows(ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        LauncherItem& row = rows[i];
        const QString n = QString::number(i);
        row[cellDescription] = QStringLiteral("Item ") + n;
        const QString program = programs.value(i % std::max<qsizetype>(1, programs.size()));
        switch (i % 5) {
        case 0: // a program on the path, and a missing one
            row[cellCommand] = i % 10 ? program : QStringLiteral("no-such-program-") + n;
            break;
        case 1:
            row[cellCommand] = QStringLiteral("/usr/bin/") + program;
            break;
        case 2:
            row[cellCommand] = QStringLiteral("/opt/missing/program-") + n;
            break;
        case 3:
            row[cellCommand] = QStringLiteral("https://example.org/page/") + n;
            break;
        default:
            row[cellCommand] =
                QStringLiteral("/usr/share/doc/") + folders.value(i % folders.size());
        }
        row[cellStartIn] =
            i % 3 ? QStringLiteral("/usr/share/doc/") + folders.value(i % folders.size())
                  : QStringLiteral("/no/folder/") + n;
        row[cellIcon] =
            i % 2 ? QStringLiteral("/usr/share/icons/missing-") + n + QStringLiteral(".png")
                  : QStringLiteral("/usr/bin/") + program;
        row[cellRun] = QStringLiteral("Normal Window");
    }
    return rows;
}

qint64 Median(QVector<qint64> Times) {
    std::sort(Times.begin(), Times.end());
    return Times[Times.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ItemRows items;
    items.ReplaceAll(Items());
    QTextStream out(stdout);
    out << "items: " << items.Count() << "\n";

    constexpr int Repeats = 15;
    QVector<qint64> direct, background, request;
    int broken = 0;
    for (int r = 0; r < Repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        const QVector<ItemCheck::Problems> found = ItemCheck::CheckAll(items.All());
        direct << timer.nsecsElapsed() / 1000;
        broken = static_cast<int>(std::count_if(found.cbegin(), found.cend(),
                                                [](ItemCheck::Problems p) { return p != 0; }));
    }
    ItemChecker checker(items);
    QEventLoop wait;
    QObject::connect(&checker, &ItemChecker::Checked, &wait, &QEventLoop::quit);
    for (int r = 0; r < Repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        checker.CheckNow();
        request << timer.nsecsElapsed() / 1000;
        wait.exec();
        background << timer.nsecsElapsed() / 1000;
    }
    out << "broken: " << broken << "\n";
    out << "check, median of " << Repeats << ": " << Median(direct) / 1000.0 << " ms\n";
    out << "request to marks on the worker thread, median: " << Median(background) / 1000.0
        << " ms\n";
    out << "user-interface thread per request, median: " << Median(request) << " us\n";
    return 0;
}
