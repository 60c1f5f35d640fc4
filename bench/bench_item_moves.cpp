// Moving a section block in a list of 10,000 rows (100 sections of 99 items), with a
// view attached to the model as in the editor. Prints the time of one move.
#include "document/ItemRows.h"
#include "items/ItemListOps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTextStream>
#include <algorithm>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Sections = 100;
    constexpr int ItemsPerSection = 99;

    QVector<LauncherItem> rows;
    rows.reserve(Sections * (ItemsPerSection + 1));
    for (int s = 0; s < Sections; ++s) {
        LauncherItem section;
        section[cellDescription] =
            QStringLiteral("SECTION:S%1;Columns:5;Icon size:32;Icons above:True;Table border:False")
                .arg(s);
        rows << section;
        for (int i = 0; i < ItemsPerSection; ++i) {
            LauncherItem item;
            item[cellDescription] = QStringLiteral("Item %1.%2").arg(s).arg(i);
            item[cellCommand] = QStringLiteral("/usr/bin/program-%1").arg(i);
            item[cellParameters] = QStringLiteral("--option value %1").arg(i);
            item[cellRun] = QStringLiteral("Normal Window");
            rows << item;
        }
    }
    ItemRows items;
    items.ReplaceAll(rows);
    QTableView view;
    view.setModel(&items);
    view.resize(800, 600);
    view.show();
    QCoreApplication::processEvents();

    struct Case {
        const char* Name;
        int Row;
        bool Up;
    };
    // First, middle and next-to-last blocks; up and down.
    const Case cases[] = {{"down, first block", 1, false},
                          {"down, middle block", 4901, false},
                          {"up, last block", 9901, true},
                          {"up, middle block", 5001, true}};
    QTextStream out(stdout);
    out << "rows: " << items.Count() << "\n";
    for (const Case& c : cases) {
        constexpr int Repeats = 200;
        QVector<qint64> times, moveTimes;
        for (int r = 0; r < Repeats; ++r) {
            QElapsedTimer timer;
            timer.start();
            const RowSelection moved = c.Up ? ItemListOps::MoveSectionUp(items, c.Row)
                                            : ItemListOps::MoveSectionDown(items, c.Row);
            const qint64 moveTime = timer.nsecsElapsed();
            // The view catches up in the event loop, as it does after a menu command.
            QCoreApplication::processEvents();
            times << timer.nsecsElapsed();
            moveTimes << moveTime;
            // Move it back, so every repetition starts from the same list.
            if (c.Up)
                ItemListOps::MoveSectionDown(items, moved.Current);
            else
                ItemListOps::MoveSectionUp(items, moved.Current);
        }
        std::sort(times.begin(), times.end());
        std::sort(moveTimes.begin(), moveTimes.end());
        out << "section block move " << c.Name << ": rows and model signals median "
            << moveTimes[Repeats / 2] / 1000.0 << " us, worst " << moveTimes.last() / 1000.0
            << " us; with the view repainted median " << times[Repeats / 2] / 1000.0
            << " us, worst " << times.last() / 1000.0 << " us\n";
    }
    return 0;
}
