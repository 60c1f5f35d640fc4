#pragma once

#include <QList>
#include <QString>

// The style sheets made for launcher pages, which the "Style sheet" property offers by
// name. A theme is a sheet whose first line reads "/* Quintor theme: <name> */".
namespace PageThemes {

struct Theme {
    QString Name;
    QString Setting; // what the property stores: the sheet's "file://" address
};

// The themes in Folder, by name.
QList<Theme> In(const QString& Folder);
// The themes that came with the programs: share/quintor/themes beside the programs'
// folder, where the build puts them as an install does.
QList<Theme> Installed();

// A theme's name as the list shows it: ours in the user's language, any other as it is.
QString ShownName(const QString& Name);

} // namespace PageThemes
