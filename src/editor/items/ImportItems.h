#pragma once

#include <QLocale>
#include <QString>

class LauncherDocument;
class UserDialogs;

// Copying the item rows of another launcher file, or a browser's exported bookmarks, to
// the end of the document, optionally under a new section row. The page properties are
// never touched.
namespace ImportItems {

// Imports the file FN and reports the outcome to the user (not found, read error,
// or the count of items added and of bookmarks that could not be used). A bookmarks
// file is told by its content, whatever its name. SectionName is trimmed; when it is
// not empty a section row with the default details goes before the imported rows. All or
// nothing: a file that is missing or fails to read leaves the list, and Changed, as
// they were. Returns True when the list changed (the caller refreshes its menus).
bool Import(LauncherDocument& Doc, UserDialogs& Dialogs, const QString& FN,
            const QString& SectionName, const QLocale& Locale = QLocale());

// The report of a successful import of Count rows. Counts of two and more are
// written "#,##0" with the locale's thousands separator.
QString ResultMessage(qint64 Count, const QLocale& Locale = QLocale());
// The sentence added to the report when bookmarks were left out.
QString UnusableMessage(qint64 Count, const QLocale& Locale = QLocale());
// Count in the form "#,##0": digits grouped by three, no decimals.
QString GroupedCount(qint64 Count, const QLocale& Locale = QLocale());

} // namespace ImportItems
