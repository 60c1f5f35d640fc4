#pragma once

#include <QString>
#include <QStringList>

// The launcher file named on the editor's command line: the arguments (without the
// program itself) joined by one blank, every double quote removed. A path with
// blanks therefore arrives whole whether or not the caller quoted it.
QString EditorCommandLinePath(const QStringList& Arguments);
