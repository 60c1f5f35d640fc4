#pragma once

// Shows the busy mouse pointer for as long as it lives, so that every path out of a
// long file operation, the error path included, restores the normal pointer.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool Active = false;
};
