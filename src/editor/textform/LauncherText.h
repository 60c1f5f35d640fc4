#pragma once

#include "document/LauncherContent.h"

#include <QByteArray>
#include <QString>

class LauncherDocument;

// The launcher file as text people keep in version control (YAML):
//
//   properties:          the page properties by key (P_TITLE, P_COLUMN, ...)
//   items:               the items before the first section
//     - description: ...   command, parameters, start-in, icon, run, comments
//   sections:
//     - name: ...          columns, icon-size, icons-above, table-border, items
//
// Whatever a file leaves out has its default. The writer writes everything in one
// fixed order, so the same document always gives the same bytes and what the binary
// launcher file holds comes back from the text unchanged.
namespace LauncherText {

// Whether Path names a text launcher file (".yaml" or ".yml").
bool IsTextFile(const QString& Path);

// Throws AppError (5) for the one kind of text YAML cannot carry as the emitter writes
// it: a noncharacter of Unicode (U+FFFE, U+FDD0 ...) in a text that needs quotes.
QByteArray Write(const LauncherDocument& Doc);

// Reads a text launcher file as strictly as a binary one: a file that is not regular,
// larger than MaxBytes or not UTF-8, and any key, type or value the editor would not
// take, is refused with AppError 321 (53, 70, 75 for a file that cannot be read) whose
// description names the line.
LauncherContent Read(const QString& Path);
LauncherContent Parse(const QByteArray& Bytes);

constexpr qint64 MaxBytes = 64 * 1024 * 1024;

} // namespace LauncherText
