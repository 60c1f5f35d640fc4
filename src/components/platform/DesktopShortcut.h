#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A shortcut on the user's desktop that starts a program with arguments.
struct ShortcutLink {
    QString FileName;    // the shortcut's file name, without the system's extension
    QString Title;       // the name the desktop shows under the icon
    QString Description; // the tooltip
    QString Program;     // full path of the program to start
    QStringList Arguments;
    QString Icon; // an icon file; empty: the program's own icon
};

namespace DesktopShortcut {

// The user's desktop folder (it may not exist).
QString DesktopFolder();
// The full path of the shortcut file in Folder. The file name is cut where needed so
// that the file system accepts it.
QString FilePath(const QString& Folder, const ShortcutLink& Link);
// The bytes of the shortcut file.
QByteArray Content(const ShortcutLink& Link);
// Writes the shortcut into Folder, replacing one of the same name, and returns its
// path. Throws AppError when the folder is missing or the file cannot be written.
QString Create(const QString& Folder, const ShortcutLink& Link);

} // namespace DesktopShortcut
