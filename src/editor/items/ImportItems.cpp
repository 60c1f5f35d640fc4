#include "ImportItems.h"

#include "components/AppError.h"
#include "components/BusyCursor.h"
#include "components/NameInMessage.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "items/BookmarkItems.h"
#include "items/IconStore.h"
#include "items/Sections.h"

#include <QCoreApplication>

#include <limits>

namespace {
QString ErrorTitle() {
    return QCoreApplication::translate("ImportItems", "Import Error");
}

// The count that chooses a plural form; one beyond int takes the form of the largest.
int PluralCount(qint64 Count) {
    return int(qMin<qint64>(Count, std::numeric_limits<int>::max()));
}
} // namespace

QString ImportItems::GroupedCount(qint64 Count, const QLocale& Locale) {
    // The locale's own formatting may omit the separator (the C locale does by default),
    // while "#,##0" always groups, so the digits are grouped here.
    const QString digits = QString::number(Count < 0 ? -Count : Count);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += Locale.groupSeparator();
        out += digits[i];
    }
    return Count < 0 ? Locale.negativeSign() + out : out;
}

QString ImportItems::ResultMessage(qint64 Count, const QLocale& Locale) {
    if (Count == 0)
        return QCoreApplication::translate("ImportItems", "No items were found in the file");
    if (Count == 1)
        return QCoreApplication::translate("ImportItems", "1 item was successfully added");
    // The English "%n" would not group the digits, so the count comes in as %1.
    return QCoreApplication::translate("ImportItems", "%1 items were successfully added",
                                       "%1: the count, digits grouped", PluralCount(Count))
        .arg(GroupedCount(Count, Locale));
}

namespace {
// What an import put into the list: the rows, and of them the items the message counts.
struct Imported {
    int Items = 0;
    int Unusable = 0; // bookmarks that could not become items
};

Imported ImportBookmarks(LauncherDocument& Doc, const QString& FN, bool UnderNewSection) {
    IconStore icons;
    const BookmarkItems::Rows rows = BookmarkItems::FromFile(FN, icons, UnderNewSection);
    Doc.Items.AppendAll(rows.Items);
    return {rows.Bookmarks, rows.Unusable};
}

Imported ImportLauncherFile(LauncherDocument& Doc, const QString& FN) {
    const int before = Doc.Items.Count();
    LauncherFile::OpenFile(Doc, FN, true);
    return {Doc.Items.Count() - before, 0};
}
} // namespace

QString ImportItems::UnusableMessage(qint64 Count, const QLocale& Locale) {
    if (Count == 1)
        return QCoreApplication::translate("ImportItems", "1 bookmark could not be used.");
    return QCoreApplication::translate("ImportItems", "%1 bookmarks could not be used.",
                                       "%1: the count, digits grouped", PluralCount(Count))
        .arg(GroupedCount(Count, Locale));
}

bool ImportItems::Import(LauncherDocument& Doc, UserDialogs& Dialogs, const QString& FN,
                         const QString& SectionName, const QLocale& Locale) {
    const QString name = SectionName.trimmed();
    if (!PackStore::PackFileExists(FN)) {
        Dialogs.MsgBox(QCoreApplication::translate(
                           "ImportItems",
                           "Could not find the file '%1'. Please check the filename and try again.")
                           .arg(NameInMessage(FN)),
                       MsgButtons::OK, MsgIcon::Exclamation, ErrorTitle());
        return false;
    }
    const int before = Doc.Items.Count();
    const EditHistory::Step step =
        Doc.History.Begin(QCoreApplication::translate("ImportItems", "Import", "undo step"));
    Imported imported;
    try {
        BusyCursor busy;
        // Both readers read the whole file before they append anything, so a failed read
        // adds no rows; the section row goes in only once the rows are in.
        imported = BookmarkItems::IsBookmarksFile(FN) ? ImportBookmarks(Doc, FN, !name.isEmpty())
                                                      : ImportLauncherFile(Doc, FN);
    } catch (const AppError& Error) {
        Dialogs.MsgBox(
            QCoreApplication::translate(
                "ImportItems", "An error occurred when attempting to import the file '%1' - %2, %3",
                "file name, error description, error number")
                .arg(NameInMessage(FN), Error.Description, QString::number(Error.Number)),
            MsgButtons::OK, MsgIcon::Critical, ErrorTitle());
        return false;
    }
    if (!name.isEmpty())
        Doc.Items.Insert(before + 1, NewSectionRow(name));
    Doc.SetChanged(true); // also when the file held no items
    QString message = ResultMessage(imported.Items, Locale);
    if (imported.Unusable > 0)
        message = QCoreApplication::translate("ImportItems", "%1. %2",
                                              "the items added, then the bookmarks left out")
                      .arg(message, UnusableMessage(imported.Unusable, Locale));
    Dialogs.MsgBox(message, MsgButtons::OK, MsgIcon::Information,
                   QCoreApplication::translate("ImportItems", "Import Result"));
    return true;
}
