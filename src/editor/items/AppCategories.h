#pragma once

#include "document/LauncherItem.h"

#include <QList>
#include <QString>
#include <QStringList>

// Applications grouped as the desktop's menus group them: one section per main category,
// in the menus' order, "Other" last.
namespace AppCategories {

struct App {
    QStringList Categories;
    LauncherItem Row;
};

// A section row (the section dialog's default details) before the items of each section
// that has any, sections in the menus' order, items in the order given. An application
// goes to the first section, in the menus' order, that one of its categories names;
// "Other" when none does.
QList<LauncherItem> Grouped(const QList<App>& Apps);

} // namespace AppCategories
