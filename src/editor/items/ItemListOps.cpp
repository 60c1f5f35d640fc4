#include "ItemListOps.h"

#include "document/ItemRows.h"

#include <algorithm>

namespace {
bool ValidRow(const ItemRows& Items, int Pos) {
    return Pos >= 1 && Pos <= Items.Count();
}

RowSelection Unchanged(int Current) {
    RowSelection result;
    result.Current = Current;
    result.Changed = false;
    return result;
}

RowSelection Only(int Current) {
    RowSelection result;
    result.Current = Current;
    return result;
}

// A whole-list selection stays linear: no lookups inside the loops that build it.
void SortUnique(QList<int>& Rows) {
    std::sort(Rows.begin(), Rows.end());
    Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
}

// Appends the 0-based rows of the 1-based positions From..To-1.
void AppendRange(QVector<int>& Order, int From, int To) {
    for (int pos = From; pos < To; ++pos)
        Order.append(pos - 1);
}

// The nearest section row after Pos, or 0.
int NextSection(const ItemRows& Items, int Pos) {
    for (int i = Pos + 1; i <= Items.Count(); ++i)
        if (Items.IsSection(i))
            return i;
    return 0;
}

// The nearest section row before Pos, or 0.
int PreviousSection(const ItemRows& Items, int Pos) {
    for (int i = Pos - 1; i >= 1; --i)
        if (Items.IsSection(i))
            return i;
    return 0;
}
} // namespace

namespace ItemListOps {

RowSelection DeleteRow(ItemRows& Items, int Pos, const QList<int>& Selected) {
    if (!ValidRow(Items, Pos))
        return Unchanged(0);
    Items.Remove(Pos);
    RowSelection result;
    if (Items.Count() == 0)
        return result;
    result.Current = 1;
    for (int p : Selected) {
        const int moved = p > Pos ? p - 1 : p;
        if (p != Pos && moved != 1 && ValidRow(Items, moved))
            result.Others << moved;
    }
    SortUnique(result.Others);
    return result;
}

RowSelection CopyRow(ItemRows& Items, int Pos) {
    if (!ValidRow(Items, Pos))
        return Unchanged(0);
    const LauncherItem copy = Items.Row(Pos);
    Items.Append(copy);
    return Only(Pos);
}

RowSelection MoveUp(ItemRows& Items, int Pos) {
    if (!ValidRow(Items, Pos))
        return Unchanged(0);
    return Items.IsSection(Pos) ? MoveSectionUp(Items, Pos) : MoveItemUp(Items, Pos);
}

RowSelection MoveDown(ItemRows& Items, int Pos) {
    if (!ValidRow(Items, Pos))
        return Unchanged(0);
    return Items.IsSection(Pos) ? MoveSectionDown(Items, Pos) : MoveItemDown(Items, Pos);
}

RowSelection MoveItemUp(ItemRows& Items, int Pos) {
    if (!ValidRow(Items, Pos) || Pos < 2)
        return Unchanged(Pos);
    const LauncherItem row = Items.Row(Pos);
    Items.Remove(Pos);
    Items.Insert(Pos - 1, row);
    return Only(Pos - 1);
}

RowSelection MoveItemDown(ItemRows& Items, int Pos) {
    if (!ValidRow(Items, Pos) || Pos >= Items.Count())
        return Unchanged(Pos);
    const LauncherItem row = Items.Row(Pos);
    Items.Remove(Pos);
    Items.Insert(Pos + 1, row);
    return Only(Pos + 1);
}

RowSelection MoveSectionDown(ItemRows& Items, int S) {
    if (!ValidRow(Items, S))
        return Unchanged(S);
    const int N = NextSection(Items, S);
    if (N == 0)
        return Unchanged(S);
    const int following = NextSection(Items, N);
    const int E = following ? following - 1 : Items.Count();

    // Rows S..N-1 (this block) and N..E (the next one) trade places.
    QVector<int> order;
    order.reserve(Items.Count());
    AppendRange(order, 1, S);
    AppendRange(order, N, E + 1);
    AppendRange(order, S, N);
    AppendRange(order, E + 1, Items.Count() + 1);
    Items.Reorder(order);
    return Only(S + (E - N) + 1);
}

RowSelection MoveSectionUp(ItemRows& Items, int S) {
    if (!ValidRow(Items, S))
        return Unchanged(S);
    const int P = PreviousSection(Items, S);
    if (P == 0)
        return Unchanged(S);
    RowSelection result = MoveSectionDown(Items, P);
    result.Current = P;
    return result;
}

namespace {
// The block of section row S, as the half-open range [S, End).
int BlockEnd(const ItemRows& Items, int S) {
    const int next = NextSection(Items, S);
    return next ? next : Items.Count() + 1;
}

RowSelection DragSection(ItemRows& Items, int S, int Pos) {
    const int end = BlockEnd(Items, S);
    // A block lands only before a section row or at the end of the list.
    int target = Pos <= Items.Count() && Items.IsSection(Pos) ? Pos : NextSection(Items, Pos);
    if (target == 0)
        target = Items.Count() + 1;
    if (target >= S && target <= end)
        return Unchanged(S);
    QVector<int> order;
    order.reserve(Items.Count());
    for (int pos = 1; pos <= Items.Count() + 1; ++pos) {
        if (pos == target)
            AppendRange(order, S, end);
        if (pos <= Items.Count() && (pos < S || pos >= end))
            order.append(pos - 1);
    }
    const int first = target < S ? target : target - (end - S);
    Items.Reorder(order);
    return Only(first);
}

RowSelection DragItems(ItemRows& Items, const QList<int>& Rows, int Pos) {
    QVector<int> dragged, kept;
    int before = 0; // dragged rows above the target, which no longer count there
    for (int pos = 1; pos <= Items.Count(); ++pos) {
        if (std::binary_search(Rows.cbegin(), Rows.cend(), pos)) {
            dragged.append(pos - 1);
            before += pos < Pos ? 1 : 0;
        } else {
            kept.append(pos - 1);
        }
    }
    const int first = Pos - before;
    if (dragged.isEmpty() ||
        (first == Rows.first() && Rows.last() - Rows.first() + 1 == Rows.size()))
        return Unchanged(Rows.value(0));
    kept.insert(first - 1, dragged.size(), 0);
    std::copy(dragged.cbegin(), dragged.cend(), kept.begin() + (first - 1));
    Items.Reorder(kept);
    RowSelection result = Only(first);
    for (int i = 1; i < dragged.size(); ++i)
        result.Others << first + i;
    return result;
}
} // namespace

RowSelection DragRows(ItemRows& Items, const QList<int>& Rows, int Pos) {
    QList<int> valid;
    for (const int pos : Rows)
        if (ValidRow(Items, pos))
            valid << pos;
    if (valid.isEmpty() || Pos < 1 || Pos > Items.Count() + 1)
        return Unchanged(0);
    SortUnique(valid);
    for (const int pos : valid)
        if (Items.IsSection(pos))
            return DragSection(Items, pos, Pos);
    return DragItems(Items, valid, Pos);
}

int AddItemPosition(int Count, int Selected, bool AtBottom) {
    if (AtBottom || Count == 0 || Selected < 1 || Selected > Count)
        return Count + 1;
    return Selected + 1;
}

int AddSectionPosition(int Count, int Selected) {
    if (Count == 0 || Selected < 1 || Selected > Count)
        return Count + 1;
    return Selected;
}

RowSelection InsertRows(ItemRows& Items, int Pos, const QList<LauncherItem>& Rows) {
    if (Rows.isEmpty() || Pos < 1 || Pos > Items.Count() + 1)
        return Unchanged(0);
    Items.Insert(Pos, Rows);
    RowSelection result = Only(Pos);
    for (int i = 1; i < Rows.size(); ++i)
        result.Others << Pos + i;
    return result;
}

RowSelection SelectionAfterInsert(int Current, const QList<int>& Selected, int Pos) {
    const auto shifted = [Pos](int p) { return p >= Pos ? p + 1 : p; };
    RowSelection result;
    // A list without a current row gets the new one: the item commands act on the current row.
    result.Current = Current > 0 ? shifted(Current) : Pos;
    for (int p : Selected) {
        const int moved = shifted(p);
        if (moved != result.Current)
            result.Others << moved;
    }
    SortUnique(result.Others);
    return result;
}

} // namespace ItemListOps
