#pragma once

#include "items/ItemCheck.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

class ItemRows;

// Keeps the broken-item marks of the item list: a short while after the rows change
// (a file opened, a row added or edited) it checks them all on a worker thread, so
// typing never waits for the file system. Results are kept by the cells they depend
// on, so a row that moved keeps its mark and a row that changed has none until checked.
class ItemChecker : public QObject {
    Q_OBJECT
public:
    explicit ItemChecker(const ItemRows& Items, QObject* Parent = nullptr);
    ~ItemChecker() override;

    // The problems found for Row at the last check; none when it has not been checked.
    ItemCheck::Problems ProblemsOf(const LauncherItem& Row) const;
    // Checks again soon, once the rows stop changing.
    void CheckSoon();
    // Checks now, without the wait.
    void CheckNow();
    // Takes the problems Found for Rows by a check made elsewhere (Edit, "Check items"),
    // newer than any check still running, whose result is then dropped.
    void Adopt(const QVector<LauncherItem>& Rows, const QVector<ItemCheck::Problems>& Found);
    // True while a check runs or waits to run.
    bool Pending() const { return Running || Delay.isActive(); }

    static constexpr int DelayMs = 150;

signals:
    // A check ended and the marks may be different.
    void Checked();

private:
    using Found = QHash<QString, ItemCheck::Problems>;
    static QString Key(const LauncherItem& Row);
    static Found Run(const QVector<LauncherItem>& Rows);
    void Finish(const Found& Result, unsigned Generation);

    const ItemRows& Items;
    QTimer Delay;
    bool Running = false;
    bool Again = false;
    // Counts the checks begun or adopted; a result of an older one is out of date.
    unsigned Generation = 0;
    Found Marks;
    // Last, so that it is destroyed first: its destructor waits for a running check.
    QThreadPool Pool;
};
