#pragma once

// Shared by the main-window tests: launcher files on disk and item rows from a
// short layout text.
#include "LauncherDocument.h"
#include "LauncherFile.h"
#include "Sections.h"

#include <QString>
#include <QVector>

namespace EditorWindowFixture {

// "I" an item row, "S" a section row, one letter per row: "ISII".
inline QVector<LauncherItem> Rows(const QString& Layout) {
    QVector<LauncherItem> rows;
    for (int i = 0; i < Layout.size(); ++i) {
        LauncherItem item;
        if (Layout[i] == QLatin1Char('S')) {
            SectionDetails details;
            details.Name = QStringLiteral("Section %1").arg(i + 1);
            item[cellDescription] = SectionRowText(details);
        } else {
            item[cellDescription] = QStringLiteral("Item %1").arg(i + 1);
            item[cellCommand] = QStringLiteral("/bin/true");
        }
        rows.append(item);
    }
    return rows;
}

// Writes a launcher file with that layout and title, and lets go of it again.
inline void WriteLauncherFile(const QString& Path, const QString& Layout, const QString& Title) {
    LauncherDocument doc;
    doc.Items.ReplaceAll(Rows(Layout));
    doc.WriteProp(QStringLiteral("Title"), Title);
    LauncherFile::SaveFile(doc, Path);
}

} // namespace EditorWindowFixture
