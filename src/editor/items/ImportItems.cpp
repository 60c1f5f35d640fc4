#include "ImportItems.h"

#include "components/AppError.h"
#include "components/NameInMessage.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
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
    try {
        // OpenFile reads the whole file before it appends anything, so a failed read
        // adds no rows; the section row goes in only once the rows are in.
        LauncherFile::OpenFile(Doc, FN, true);
    } catch (const AppError& Error) {
        Dialogs.MsgBox(QStringLiteral("An error occurred when attempting to import the file '") +
                           NameInMessage(FN) + QStringLiteral("' - ") + Error.Description +
                           QStringLiteral(", ") + QString::number(Error.Number),
                       MsgButtons::OK, MsgIcon::Critical, ErrorTitle);
        return false;
    }
    const int added = Doc.Items.Count() - before;
    if (!name.isEmpty()) {
        SectionDetails details;
        details.Name = name;
        LauncherItem row;
        row[cellDescription] = SectionRowText(details);
        Doc.Items.Insert(before + 1, row);
    }
    Doc.SetChanged(true); // also when the file held no items
    Dialogs.MsgBox(ResultMessage(added, Locale), MsgButtons::OK, MsgIcon::Information,
                   QStringLiteral("Import Result"));
    return true;
}
