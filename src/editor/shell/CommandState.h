#pragma once

class ItemRows;

// Which item commands can act, from the item list and its current row.
struct CommandState {
    bool Copy = false; // also Edit and Delete
    bool MoveUp = false;
    bool MoveDown = false;
};

// CurrentRow is the 1-based current row, 0 when the list has none.
CommandState ItemCommandState(const ItemRows& Items, int CurrentRow);
