#pragma once

#include <QString>

// A name the user gave (a file, a command, a description) as a message quotes it: on one
// line, so that a name holding a line break cannot pass for two lines of the message or
// hide its end. Line breaks, tabs and other control characters, line and paragraph
// separators and the marks that reverse the direction of text are shown escaped ("\n",
// "\t", "\x1B", "\u202E"); everything else stays as it is.
QString NameInMessage(const QString& Name);
