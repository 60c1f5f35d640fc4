#pragma once

// The document the launcher file benchmarks load and save: 10,000 rows, every hundredth
// a section row, every cell filled as a real list fills it.
#include "document/LauncherDocument.h"
#include "items/Sections.h"

namespace TenThousandItems {

constexpr int Items = 10000;

inline void Fill(LauncherDocument& Doc) {
    QVector<LauncherItem> rows;
    rows.reserve(Items);
    for (int i = 1; i <= Items; ++i) {
        LauncherItem item;
        if (i % 100 == 1) {
            SectionDetails section;
            section.Name = QStringLiteral("Group %1").arg(i / 100);
            item[cellDescription] = SectionRowText(section);
        } else {
            item[cellDescription] = QStringLiteral("Program number %1").arg(i);
        }
        item[cellCommand] = QStringLiteral("/usr/local/bin/program-%1").arg(i);
        item[cellParameters] = QStringLiteral("--file \"/home/user/Documents/file %1.txt\"").arg(i);
        item[cellStartIn] = QStringLiteral("/home/user/work/%1").arg(i % 37);
        item[cellIcon] =
            QStringLiteral("/usr/share/icons/hicolor/32x32/apps/app%1.png").arg(i % 50);
        item[cellRun] = QStringLiteral("Normal Window");
        item[cellComments] = QStringLiteral("Comment for item %1, with a comma").arg(i);
        rows.append(item);
    }
    Doc.Items.ReplaceAll(rows);
    Doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Ten thousand"));
    Doc.WriteProp(QStringLiteral("Header HTML"), QString(300, QChar('h')));
}

} // namespace TenThousandItems
