#include "ItemChecker.h"

#include "document/ItemRows.h"

ItemChecker::ItemChecker(const ItemRows& Items, QObject* Parent) : QObject(Parent), Items(Items) {
    Pool.setMaxThreadCount(1);
    Delay.setSingleShot(true);
    Delay.setInterval(DelayMs);
    connect(&Delay, &QTimer::timeout, this, &ItemChecker::CheckNow);
    const auto soon = [this] { CheckSoon(); };
    connect(&Items, &QAbstractItemModel::modelReset, this, soon);
    connect(&Items, &QAbstractItemModel::rowsInserted, this, soon);
    connect(&Items, &QAbstractItemModel::rowsRemoved, this, soon);
    connect(&Items, &QAbstractItemModel::dataChanged, this, soon);
}

ItemChecker::~ItemChecker() {
    Pool.waitForDone();
}

QString ItemChecker::Key(const LauncherItem& Row) {
    return Row[cellCommand] + QChar(0) + Row[cellStartIn] + QChar(0) + Row[cellIcon];
}

ItemCheck::Problems ItemChecker::ProblemsOf(const LauncherItem& Row) const {
    if (Marks.isEmpty() || Row.IsSection())
        return ItemCheck::NoProblem;
    return Marks.value(Key(Row), ItemCheck::NoProblem);
}

void ItemChecker::CheckSoon() {
    Delay.start();
}

void ItemChecker::CheckNow() {
    Delay.stop();
    if (Running) {
        Again = true;
        return;
    }
    Running = true;
    // A shared copy: the rows are copied only if the list changes while the check runs.
    const QVector<LauncherItem> rows = Items.All();
    const unsigned generation = ++Generation;
    Pool.start([this, rows, generation] {
        const Found result = Run(rows);
        QMetaObject::invokeMethod(
            this, [this, result, generation] { Finish(result, generation); }, Qt::QueuedConnection);
    });
}

ItemChecker::Found ItemChecker::Run(const QVector<LauncherItem>& Rows) {
    ItemCheck::Lookup lookup(Rows);
    Found result;
    for (const LauncherItem& row : Rows)
        if (const ItemCheck::Problems found = lookup.Check(row))
            result.insert(Key(row), found);
    return result;
}

void ItemChecker::Adopt(const QVector<LauncherItem>& Rows,
                        const QVector<ItemCheck::Problems>& Found) {
    Delay.stop();
    Again = false;
    ++Generation;
    Marks.clear();
    for (qsizetype i = 0; i < Rows.size() && i < Found.size(); ++i)
        if (Found[i] != ItemCheck::NoProblem)
            Marks.insert(Key(Rows[i]), Found[i]);
    emit Checked();
}

void ItemChecker::Finish(const Found& Result, unsigned ResultGeneration) {
    Running = false;
    if (ResultGeneration == Generation) {
        Marks = Result;
        emit Checked();
    }
    if (Again) {
        Again = false;
        CheckNow();
    }
}
