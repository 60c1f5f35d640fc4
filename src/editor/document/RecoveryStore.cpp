#include "RecoveryStore.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <functional>

namespace {

constexpr qint64 MaxNoteBytes = 64 * 1024;
const QString FileKey = QStringLiteral("file");

// Slot names are ours: anything else in the folder (a copy set aside, a stray file)
// is never taken for one.
bool IsSlotId(const QString& Id) {
    if (Id.isEmpty() || Id.size() > 64)
        return false;
    for (const QChar c : Id)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || c == QLatin1Char('-')))
            return false;
    return true;
}

QString NewId() {
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid(), 0, 16)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

AppError DamagedNote() {
    return AppError(
        QCoreApplication::translate("RecoveryStore", "The note of the copy is missing or damaged"),
        ErrNo::BadFileFormat);
}

// Writes through the safe-save path; the file is the user's alone from its first write
// on (the temporary file of a later save takes over the permissions).
void WritePrivately(const QString& Path, const std::function<void()>& Write) {
    Write();
    FileSystem::MakeOwnerOnly(Path);
}

void MoveOver(const QString& From, const QString& To) {
    QFile::remove(To);
    QFile::rename(From, To);
}

} // namespace

QString RecoveryStore::DefaultFolder() {
    return SystemPaths::StateFolder() + QStringLiteral("/quintor/recovery");
}

RecoveryStore::RecoveryStore(const QString& Folder) : Path(Folder) {}

// An editor that goes without Close (its window never closed) keeps its copy, as a
// crash would: the next editor offers it.
RecoveryStore::~RecoveryStore() {
    if (IsOpen() && !QFileInfo::exists(CopyPath()))
        Close();
}

bool RecoveryStore::Open() {
    if (IsOpen())
        return true;
    if (!FileSystem::MakePrivateFolder(Path))
        return false;
    for (int attempt = 0; attempt < 8; ++attempt) {
        Id = NewId();
        if (Lock.TakeNew(SlotFile(Id, "lock")))
            return true;
    }
    return false;
}

QString RecoveryStore::SlotFile(const QString& SlotId, const char* Extension) const {
    return Path + QLatin1Char('/') + SlotId + QLatin1Char('.') + QLatin1String(Extension);
}

QString RecoveryStore::CopyPath() const {
    return IsOpen() ? SlotFile(Id, "qtf") : QString();
}

void RecoveryStore::Write(const LauncherDocument& Doc) {
    if (!IsOpen())
        return;
    QJsonObject note;
    note.insert(FileKey, Doc.CurFile);
    const QString notePath = SlotFile(Id, "note");
    WritePrivately(notePath, [&] {
        WriteFileAtomically(notePath, QJsonDocument(note).toJson(QJsonDocument::Compact));
    });
    const QString copyPath = CopyPath();
    WritePrivately(copyPath, [&] { LauncherFile::WriteCopy(Doc, copyPath); });
}

void RecoveryStore::Remove() {
    if (!IsOpen())
        return;
    QFile::remove(SlotFile(Id, "qtf"));
    QFile::remove(SlotFile(Id, "note"));
}

void RecoveryStore::Close() {
    if (!IsOpen())
        return;
    Remove();
    // The lock file goes while it is still held, so no one finds it unlocked.
    QFile::remove(SlotFile(Id, "lock"));
    Lock.Release();
}

std::vector<RecoveryStore::Orphan> RecoveryStore::ClaimOrphans() {
    std::vector<Orphan> orphans;
    const QFileInfoList copies = QDir(Path).entryInfoList(
        {QStringLiteral("*.qtf")}, QDir::Files | QDir::Hidden, QDir::Time | QDir::Reversed);
    for (const QFileInfo& copy : copies) {
        const QString id = copy.completeBaseName();
        if (copy.isSymLink() || !IsSlotId(id) || id == Id)
            continue;
        Orphan orphan{id, copy.filePath(), SlotFile(id, "note"), FileLock()};
        const QString lock = SlotFile(id, "lock");
        // A running editor holds its lock; a lock file that is gone is made anew, so
        // that of two editors starting at once only one takes the copy.
        if (!(QFileInfo::exists(lock) ? orphan.Lock.Take(lock) : orphan.Lock.TakeNew(lock)))
            continue;
        // Its editor may have closed cleanly between the listing and the lock.
        if (!QFileInfo::exists(orphan.CopyPath)) {
            RemoveSlot(id);
            orphan.Lock.Release();
            continue;
        }
        orphans.push_back(std::move(orphan));
    }
    RemoveDeadSlots();
    return orphans;
}

// An editor that died before it wrote a copy leaves its lock (and perhaps its note)
// behind: nothing to offer, so nothing to keep once no one holds the lock.
void RecoveryStore::RemoveDeadSlots() {
    const QFileInfoList locks =
        QDir(Path).entryInfoList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& lock : locks) {
        const QString id = lock.completeBaseName();
        FileLock held;
        if (lock.isSymLink() || !IsSlotId(id) || id == Id ||
            QFileInfo::exists(SlotFile(id, "qtf")) || !held.Take(lock.filePath()))
            continue;
        RemoveSlot(id);
    }
}

QString RecoveryStore::FileOf(const Orphan& Copy) {
    const std::optional<QByteArray> bytes =
        FileSystem::ReadRegularFile(Copy.NotePath, MaxNoteBytes);
    if (!bytes)
        throw DamagedNote();
    QJsonParseError error;
    const QJsonDocument note = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError || !note.isObject() ||
        !note.object().value(FileKey).isString())
        throw DamagedNote();
    return note.object().value(FileKey).toString();
}

void RecoveryStore::Adopt(Orphan& Copy) {
    if (IsOpen()) {
        MoveOver(Copy.NotePath, SlotFile(Id, "note"));
        MoveOver(Copy.CopyPath, CopyPath());
    }
    QFile::remove(SlotFile(Copy.Id, "lock"));
    Copy.Lock.Release();
}

void RecoveryStore::Discard(Orphan& Copy) {
    RemoveSlot(Copy.Id);
    Copy.Lock.Release();
}

QString RecoveryStore::SetAside(Orphan& Copy) {
    const QString kept = SlotFile(Copy.Id + QStringLiteral(".damaged"), "qtf");
    const bool moved = !QFileInfo::exists(kept) && QFile::rename(Copy.CopyPath, kept);
    if (moved && QFileInfo::exists(Copy.NotePath))
        QFile::rename(Copy.NotePath, SlotFile(Copy.Id + QStringLiteral(".damaged"), "note"));
    // A copy that could not be set aside keeps its lock file, so it is offered again.
    if (moved)
        QFile::remove(SlotFile(Copy.Id, "lock"));
    Copy.Lock.Release();
    return moved ? kept : Copy.CopyPath;
}

void RecoveryStore::RemoveSlot(const QString& SlotId) {
    QFile::remove(SlotFile(SlotId, "qtf"));
    QFile::remove(SlotFile(SlotId, "note"));
    QFile::remove(SlotFile(SlotId, "lock"));
}
