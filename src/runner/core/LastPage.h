#pragma once

#include <QString>

// The page the runner showed last, kept in the user's state folder so that a desktop
// shortcut's --toggle brings it back without naming it.
namespace LastPage {
// The file it is kept in.
QString File();
// The page kept; empty when none is, or when the file holds no absolute path.
QString Read();
// Keeps Page, written off the calling thread (a disk may be slow); the last call wins.
void Remember(const QString& Page);
// Waits for what Remember is still writing.
void Flush();
} // namespace LastPage
