#pragma once

#include "components/platform/DesktopShortcut.h"

#include <QString>

class LauncherDocument;

// The desktop shortcut that starts the runner on the document's built page.
namespace Shortcut {

// The title made fit for a file name: trimmed, the characters that file names refuse
// replaced by look-alikes, at most 250 characters. No extension.
QString CleanFileName(const QString& Title);
// The name of a file made from the title (the shortcut, a proposed page): CleanFileName,
// or the runner's own name where that leaves nothing, or a name starting with "." that
// the desktop would hide.
QString FileNameFor(const QString& Title);

// The shortcut for the document: named after "Title", starting the runner beside the
// editor (Doc.APath) with the "(HTML File)" path as its one argument, showing "Icon"
// when that file exists and the runner's own icon otherwise.
ShortcutLink LinkFor(const LauncherDocument& Doc);

// Writes the document's shortcut into DesktopFolder and returns its path; AppError
// on failure.
QString Create(const LauncherDocument& Doc, const QString& DesktopFolder);

} // namespace Shortcut
