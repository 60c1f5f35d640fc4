#pragma once

#include "LauncherDocument.h"

#include <memory>

// Documents for the page generator's tests.
namespace PageDocs {
inline LauncherItem Item(const QString& Description, const QString& Command = {},
                         const QString& Parameters = {}, const QString& StartIn = {},
                         const QString& Icon = {}, const QString& Run = "Normal Window",
                         const QString& Comments = {}) {
    return LauncherItem{{{Description, Command, Parameters, StartIn, Icon, Run, Comments}}};
}

// A section row with its details as they stand in the row (empty ones included).
inline LauncherItem Section(const QString& Name, const QString& Columns,
                            const QString& IconSize = {}, const QString& IconsAbove = {},
                            const QString& TableBorder = "False") {
    return Item("SECTION:" + Name + ";Columns:" + Columns + ";Icon size:" + IconSize +
                    ";Icons above:" + IconsAbove + ";Table border:" + TableBorder,
                {}, {}, {}, {}, {});
}

// Props is "Name=Value|Name=Value".
inline std::unique_ptr<LauncherDocument> Doc(const QVector<LauncherItem>& Rows,
                                             const QString& Props = {}) {
    auto doc = std::make_unique<LauncherDocument>();
    for (const QString& p : Props.split('|', Qt::SkipEmptyParts))
        doc->WriteProp(p.section('=', 0, 0), p.section('=', 1));
    doc->Items.AppendAll(Rows);
    return doc;
}
} // namespace PageDocs
