#pragma once

#include "document/LauncherItem.h"

#include <QPair>
#include <QString>
#include <QVector>

// What a launcher file holds, read completely before the document is touched.
struct LauncherContent {
    QVector<LauncherItem> Items;
    QVector<QPair<QString, QString>> Properties; // display name, value, in file order
    // True when a property the file does not name has its default, not the value the
    // document had (a text file names only what differs from a default).
    bool OthersDefault = false;
};
