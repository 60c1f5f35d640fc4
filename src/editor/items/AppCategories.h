#pragma once

#include "document/LauncherItem.h"

#include <QList>
#include <QString>
#include <QStringList>

// Applications grouped as the desktop's menus group them: one section per main category,
// in the menus' order, "Other" last.
namespace AppCategories {

// The section names in the order the menus show them.
QStringList SectionNames();

// The section of an application from its desktop categories: the first section, in the
// menus' order, that one of them names; "Other" when none does.
QString SectionOf(const QStringList& Categories);

struct App {
    QStringList Categories;
    LauncherItem Row;
};

// A section row (the section dialog's default details) before the items of each section
// that has any, sections in the menus' order, items in the order given.
QList<LauncherItem> Grouped(const QList<App>& Apps);

} // namespace AppCategories
