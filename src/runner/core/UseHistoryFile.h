#pragma once

#include "core/UseHistory.h"

#include <QString>

// The user's history of starts in its file, kept for the user alone and written whole or
// not at all. A file that is no history of ours (damaged, foreign, too big, not a regular
// file, a symbolic link, somebody else's, unreadable) counts as no history and is replaced
// at the next start. Nothing here throws: a history that cannot be kept is no reason to
// stop a launch, nor to bother the user.
namespace UseHistoryFile {
// The history of this user.
QString DefaultPath();
UseHistory Load(const QString& Path);
// Adds one start of Link on Page at Now to the file as it is now (another runner may have
// written it since this one read it), and answers the history as written.
UseHistory RecordStart(const QString& Path, const QString& Page, const QString& Link, qint64 Now);
// Empties the history; false when one is still there.
bool Forget(const QString& Path);
} // namespace UseHistoryFile
