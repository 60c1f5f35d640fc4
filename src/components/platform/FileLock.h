#pragma once

#include <QString>

// Holds a file open and locked against other programs. Exclusive: no other program
// can open it through PackStore (nor lock it). Shared: others may read but not lock
// it exclusively. Taking never waits.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock(FileLock&& Other) noexcept;
    FileLock& operator=(FileLock&& Other) noexcept;

    // False when the file cannot be opened or another program holds a conflicting
    // lock; LastErrorWasConflict() tells the two apart.
    bool Take(const QString& Path, Mode LockMode = Mode::Exclusive);
    // Creates the file at Path, private to the user, and holds it exclusively: it appears
    // under its name already locked, so no one ever finds it there unlocked while its
    // holder lives. False when Path exists or cannot be made.
    bool TakeNew(const QString& Path);
    void Release();
    bool Held() const { return Descriptor >= 0; }
    QString Path() const { return LockedPath; }
    bool LastErrorWasConflict() const { return Conflict; }
    // True when the lock is held on the very file that Path names now (whatever the
    // spelling of the path), so that the holder can let go before reading it itself.
    bool Covers(const QString& Path) const;
    // The open descriptor, to read through while the lock is held; -1 when none.
    int Handle() const { return Descriptor; }

private:
    int Descriptor = -1;
    QString LockedPath;
    bool Conflict = false;
};
