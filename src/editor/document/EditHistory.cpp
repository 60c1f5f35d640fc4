#include "EditHistory.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The name of a change made outside any named step.
QString Fallback() {
    return QCoreApplication::translate("EditHistory", "Change");
}

qint64 TextBytes(const QString& Text) {
    return static_cast<qint64>(sizeof(QString)) + 2 * Text.size() + 16;
}

qint64 ItemBytes(const LauncherItem& Item) {
    qint64 bytes = 0;
    for (const QString& cell : Item.Cells)
        bytes += TextBytes(cell);
    return bytes;
}

// Several writes of one property in a step (a toggle taken back by its own question)
// are one change from the first value to the last; one that ends where it began is none.
QVector<DocumentChange> MergeProperties(QVector<DocumentChange> Changes) {
    QHash<QString, int> first;
    QVector<DocumentChange> merged;
    merged.reserve(Changes.size());
    for (DocumentChange& change : Changes) {
        auto* property = std::get_if<DocumentChanges::Property>(&change);
        if (!property) {
            merged.append(std::move(change));
            continue;
        }
        const auto at = first.constFind(property->Name);
        if (at == first.cend()) {
            first.insert(property->Name, static_cast<int>(merged.size()));
            merged.append(std::move(change));
        } else {
            std::get<DocumentChanges::Property>(merged[*at]).After = property->After;
        }
    }
    QVector<DocumentChange> kept;
    kept.reserve(merged.size());
    for (DocumentChange& change : merged) {
        const auto* property = std::get_if<DocumentChanges::Property>(&change);
        if (!property || property->Before != property->After)
            kept.append(std::move(change));
    }
    return kept;
}

} // namespace

EditHistory::EditHistory(QObject* Parent) : QObject(Parent) {}

EditHistory::Step::~Step() {
    if (History)
        History->End();
}

EditHistory::Step EditHistory::Begin(const QString& Name) {
    if (Depth++ == 0) {
        Open = StepData();
        Open.Name = Name;
    }
    return Step(this);
}

void EditHistory::End() {
    if (--Depth > 0)
        return;
    Commit(std::move(Open));
    Open = StepData();
    emit StateChanged();
}

qint64 EditHistory::SizeOf(const DocumentChange& Change) {
    qint64 bytes = static_cast<qint64>(sizeof(DocumentChange));
    if (const auto* cell = std::get_if<DocumentChanges::Cell>(&Change))
        return bytes + TextBytes(cell->Before) + TextBytes(cell->After);
    if (const auto* rows = std::get_if<DocumentChanges::Rows>(&Change)) {
        for (const LauncherItem& item : rows->Items)
            bytes += ItemBytes(item);
        return bytes;
    }
    if (const auto* order = std::get_if<DocumentChanges::Order>(&Change))
        return bytes + static_cast<qint64>(order->Order.size() * sizeof(int));
    const auto& property = std::get<DocumentChanges::Property>(Change);
    return bytes + TextBytes(property.Name) + TextBytes(property.Before) +
           TextBytes(property.After);
}

void EditHistory::Record(DocumentChange Change) {
    if (Paused > 0)
        return;
    if (Depth == 0) {
        Step step = Begin(Fallback());
        Record(std::move(Change));
        return;
    }
    Open.Bytes += SizeOf(Change);
    Open.Changes.append(std::move(Change));
}

void EditHistory::MarkChanged() {
    if (Paused > 0)
        return;
    if (Depth == 0) {
        if (!IsClean())
            return;
        Step step = Begin(Fallback());
        Open.Marked = true;
        return;
    }
    Open.Marked = true;
}

void EditHistory::Commit(StepData Done) {
    Done.Changes = MergeProperties(std::move(Done.Changes));
    if (Done.Changes.isEmpty() && !Done.Marked)
        return;
    Done.Bytes = 0;
    for (const DocumentChange& change : Done.Changes)
        Done.Bytes += SizeOf(change);
    // A new step ends the steps that were taken back: they can no longer be done again.
    while (Steps.size() > Index) {
        TotalBytes -= Steps.last().Bytes;
        Steps.removeLast();
    }
    if (CleanIndex > Index)
        CleanIndex = Unreachable;
    TotalBytes += Done.Bytes;
    Steps.append(std::move(Done));
    ++Index;
    Trim();
}

void EditHistory::Trim() {
    while (!Steps.isEmpty() && (Steps.size() > MaxSteps || TotalBytes > MaxBytes)) {
        TotalBytes -= Steps.first().Bytes;
        Steps.removeFirst();
        --Index;
        // The state the dropped step started from can no longer be reached.
        CleanIndex = CleanIndex > 0 ? CleanIndex - 1 : Unreachable;
    }
}

bool EditHistory::Undo(const Applier& Apply) {
    if (!CanUndo())
        return false;
    {
        Pause quiet(this);
        const StepData& step = Steps[Index - 1];
        for (auto change = step.Changes.crbegin(); change != step.Changes.crend(); ++change)
            Apply(*change, false);
    }
    --Index;
    emit StateChanged();
    return true;
}

bool EditHistory::Redo(const Applier& Apply) {
    if (!CanRedo())
        return false;
    {
        Pause quiet(this);
        for (const DocumentChange& change : Steps[Index].Changes)
            Apply(change, true);
    }
    ++Index;
    emit StateChanged();
    return true;
}

void EditHistory::SetClean() {
    // A save in the middle of a command (a property that needs a saved file) saves what
    // the command changed so far: that part becomes a step of its own, and the rest of
    // the command goes on in a new one of the same name.
    if (Depth > 0 && (!Open.Changes.isEmpty() || Open.Marked)) {
        const QString name = Open.Name;
        Commit(std::move(Open));
        Open = StepData();
        Open.Name = name;
    }
    CleanIndex = Index;
    emit StateChanged();
}

void EditHistory::Clear(bool Clean) {
    Steps.clear();
    Index = 0;
    TotalBytes = 0;
    CleanIndex = Clean ? 0 : Unreachable;
    emit StateChanged();
}

void EditHistory::SetLimits(int NewMaxSteps, qint64 NewMaxBytes) {
    MaxSteps = NewMaxSteps;
    MaxBytes = NewMaxBytes;
    Trim();
    emit StateChanged();
}
