#pragma once

#include <QString>

// File dialog filters (the program's filter form) for kinds of file whose names differ
// between systems. Each ends in "|", so that "All Files (*.*)|*.*" can follow last.
namespace FileKinds {
// Files an item's command can start; the first entry lists every program.
QString ProgramsFilter();
// Pictures an item's icon can be, the system's icon files first.
QString IconsFilter();
// The icon files of the system, the form a window icon or a desktop entry takes.
QString IconFilesFilter();
} // namespace FileKinds
