#include "CommandState.h"

#include "document/ItemRows.h"

namespace {
// A section row moves past a whole section, so it needs another section row on that side.
bool SectionBetween(const ItemRows& Items, int From, int To, int Step) {
    for (int pos = From; pos != To + Step; pos += Step)
        if (Items.IsSection(pos))
            return true;
    return false;
}
} // namespace

CommandState ItemCommandState(const ItemRows& Items, int CurrentRow) {
    CommandState state;
    const int n = Items.Count();
    // An enabled command acts on a row: without a current row there is none to act on.
    if (n == 0 || CurrentRow < 1 || CurrentRow > n)
        return state;
    state.Copy = true;
    if (Items.IsSection(CurrentRow)) {
        state.MoveUp = CurrentRow > 1 && SectionBetween(Items, CurrentRow - 1, 1, -1);
        state.MoveDown = CurrentRow < n && SectionBetween(Items, CurrentRow + 1, n, 1);
    } else {
        state.MoveUp = CurrentRow > 1;
        state.MoveDown = CurrentRow < n;
    }
    return state;
}
