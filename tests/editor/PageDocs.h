#pragma once

#include "LauncherDocument.h"

#include <QString>
#include <QStringList>

// Documents for the page generator's tests.
namespace PageDocs {
inline const QString CRLF = QStringLiteral("\r\n");

// An item row: Description, Command, Parameters, Start In, Icon, Run, Comments.
inline LauncherItem Item(const QString& Description, const QString& Command = {},
                         const QString& Parameters = {}, const QString& StartIn = {},
                         const QString& Icon = {},
                         const QString& Run = QStringLiteral("Normal Window"),
                         const QString& Comments = {}) {
    LauncherItem item;
    item[cellDescription] = Description;
    item[cellCommand] = Command;
    item[cellParameters] = Parameters;
    item[cellStartIn] = StartIn;
    item[cellIcon] = Icon;
    item[cellRun] = Run;
    item[cellComments] = Comments;
    return item;
}

// A section row with its details as they stand in the row (empty ones included).
inline LauncherItem Section(const QString& Name, const QString& Columns,
                            const QString& IconSize = {}, const QString& IconsAbove = {},
                            const QString& TableBorder = QStringLiteral("False")) {
    LauncherItem item;
    item[cellDescription] = QStringLiteral("SECTION:") + Name + QStringLiteral(";Columns:") +
                            Columns + QStringLiteral(";Icon size:") + IconSize +
                            QStringLiteral(";Icons above:") + IconsAbove +
                            QStringLiteral(";Table border:") + TableBorder;
    return item;
}

// Lines of a page (split at CR LF; a page has no bare LF).
inline QStringList Lines(const QString& Page) {
    return Page.split(CRLF);
}

// The text between the end of the command bar (or h1) and "</body>": the icon tables.
inline QString Body(const QString& Page) {
    const qsizetype start = Page.indexOf(QStringLiteral("</h1>")) + 5 + 4;
    return Page.mid(start, Page.indexOf(QStringLiteral("</body>")) - start);
}
} // namespace PageDocs
