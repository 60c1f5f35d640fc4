#pragma once

#include "components/platform/FileLock.h"

#include <QString>
#include <vector>

class LauncherDocument;

// Copies of documents with unsaved changes, kept so that a crash loses at most the
// last few seconds of work. Each running editor has one slot in the folder:
// "<id>.qtf", an ordinary launcher file; "<id>.note", the file it belongs to; and
// "<id>.lock", which the editor holds locked while it runs. A slot whose lock nobody
// holds belongs to an editor that ended without cleaning up: an orphan, which the
// next editor to start offers back. The folder and its files are the user's alone.
class RecoveryStore {
public:
    // $XDG_STATE_HOME/quintor/recovery.
    static QString DefaultFolder();

    explicit RecoveryStore(const QString& Folder = DefaultFolder());
    // A store that is not open writes and removes nothing.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Makes the folder private and takes this editor's slot. False when recovery is
    // not possible here (the folder cannot be made the user's alone).
    bool Open();
    bool IsOpen() const { return Lock.Held(); }
    QString Folder() const { return Path; }
    QString CopyPath() const;

    // Writes Doc as this editor's copy (the note first, then the copy, each through
    // the safe-save path): AppError when it cannot.
    void Write(const LauncherDocument& Doc);
    // This editor's copy is of no more use: its document was saved or discarded.
    void Remove();
    // The editor ends cleanly: the copy and the slot go.
    void Close();

    // A copy whose editor no longer runs, held (locked) by this editor while it lives,
    // so that no other editor offers it at the same time.
    struct Orphan {
        QString Id;
        QString CopyPath;
        QString NotePath;
        FileLock Lock;
    };
    // The orphans, oldest first; a copy that a running editor holds is never among them.
    // Slots that dead editors left without a copy are cleared on the way.
    std::vector<Orphan> ClaimOrphans();
    // The launcher file an orphan belongs to, empty for a new document; AppError when
    // its note is missing or damaged.
    static QString FileOf(const Orphan& Copy);
    // The orphan becomes this editor's copy (its document is now this editor's).
    void Adopt(Orphan& Copy);
    // The user did not want it.
    void Discard(Orphan& Copy);
    // A copy that cannot be read is never deleted: it is set aside under a name that
    // is not offered again, and that name is returned for the message that says so.
    QString SetAside(Orphan& Copy);

private:
    QString SlotFile(const QString& Id, const char* Extension) const;
    void RemoveSlot(const QString& Id);
    void RemoveDeadSlots();

    QString Path;
    QString Id;
    FileLock Lock;
};
