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

namespace {
const QString ErrorTitle = QStringLiteral("Import Error");
}

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
        return QStringLiteral("No items were found in the file");
    if (Count == 1)
        return QStringLiteral("1 item was successfully added");
    return GroupedCount(Count, Locale) + QStringLiteral(" items were successfully added");
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
        return QStringLiteral("1 bookmark could not be used.");
    return GroupedCount(Count, Locale) + QStringLiteral(" bookmarks could not be used.");
}

bool ImportItems::Import(LauncherDocument& Doc, UserDialogs& Dialogs, const QString& FN,
                         const QString& SectionName, const QLocale& Locale) {
    const QString name = SectionName.trimmed();
    if (!PackStore::PackFileExists(FN)) {
        Dialogs.MsgBox(QStringLiteral("Could not find the file '") + NameInMessage(FN) +
                           QStringLiteral("'. Please check the filename and try again."),
                       MsgButtons::OK, MsgIcon::Exclamation, ErrorTitle);
        return false;
    }
    const int before = Doc.Items.Count();
    const EditHistory::Step step = Doc.History.Begin(QStringLiteral("Import"));
    Imported imported;
    try {
        BusyCursor busy;
        // Both readers read the whole file before they append anything, so a failed read
        // adds no rows; the section row goes in only once the rows are in.
        imported = BookmarkItems::IsBookmarksFile(FN) ? ImportBookmarks(Doc, FN, !name.isEmpty())
                                                      : ImportLauncherFile(Doc, FN);
    } catch (const AppError& Error) {
        Dialogs.MsgBox(QStringLiteral("An error occurred when attempting to import the file '") +
                           NameInMessage(FN) + QStringLiteral("' - ") + Error.Description +
                           QStringLiteral(", ") + QString::number(Error.Number),
                       MsgButtons::OK, MsgIcon::Critical, ErrorTitle);
        return false;
    }
    if (!name.isEmpty())
        Doc.Items.Insert(before + 1, NewSectionRow(name));
    Doc.SetChanged(true); // also when the file held no items
    QString message = ResultMessage(imported.Items, Locale);
    if (imported.Unusable > 0)
        message += QStringLiteral(". ") + UnusableMessage(imported.Unusable, Locale);
    Dialogs.MsgBox(message, MsgButtons::OK, MsgIcon::Information, QStringLiteral("Import Result"));
    return true;
}
