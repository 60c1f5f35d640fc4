#pragma once

#include "document/LauncherItem.h"

#include <QString>
#include <QStringList>

// The parts of the item dialog that need no window: the check of its fields, the form
// in which they are stored, how a browse result lands in a field, and what a built
// launcher page offers for a link to it.
namespace ItemFields {

// The seven words a Run cell holds, in the Run box's order; entry 0 is the default.
const QStringList& RunStyles();
// A Run word as the Run box shows it, in the user's language; a word that is not one of
// RunStyles as it stands.
QString RunStyleCaption(const QString& Style);

// The fields that a failed check puts the focus on.
enum class Field { None, Description, Command };

struct Check {
    QString Message; // empty when the fields pass
    Field Focus = Field::None;
    bool Passed() const { return Message.isEmpty(); }
};

// Description and Command as typed.
Check CheckFields(const QString& Description, const QString& Command);

// Leading and trailing blanks removed (blanks only, as the stored cells expect).
QString TrimSpaces(const QString& Text);
QString RemoveQuotes(const QString& Text);
// True when Text holds a line break or another control character, which no cell of a
// launcher page's link carries.
bool HasControlCharacter(const QString& Text);

// The row the fields are stored as: Command trimmed, Icon without quotes and trimmed,
// everything else as typed.
LauncherItem RowFromFields(const QString& Description, const QString& Command,
                           const QString& Parameters, const QString& StartIn, const QString& Icon,
                           const QString& Run, const QString& Comments);

// The text a field gets from a browse pick. For the Parameters field (Param) a pick
// that holds a blank is quoted and every pick is appended, so several files can be
// collected; other fields take the pick as it is.
QString ApplyPick(const QString& Current, const QString& Picked, bool Param);

// The filter of the link builder's browse, in the program's "Text|pattern|" form; the
// command's and the icon's filters are the system's (FileKinds).
QString HtmlFilter();
QString WithAllFiles(const QString& Pattern);

// Whether a file's extension names a picture the preview loads itself.
bool IsPictureFile(const QString& Path);

// A built launcher page, as the link builder reads it.
// The title element's text with its line breaks made blanks, or, without a title
// element, the page's file name without folder and extension.
QString PageTitle(const QString& PageText, const QString& PagePath);
// The key=value lines of the page's info block (empty when it has none), each line
// ended by a carriage return.
QString InfoBlock(const QString& PageText);

} // namespace ItemFields
