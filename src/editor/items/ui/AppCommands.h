#pragma once

#include "items/AppItems.h"

#include <QList>

class EditorContext;
class LauncherDocument;

// Items from the desktop: the applications picker and what is dropped on the item list.
namespace AppCommands {

// Edit, "Add &from applications...": the chosen applications go where Add puts an item,
// directly below the selected row (appended when none is selected); "Add by category"
// appends them at the end, in a section for each category.
void mnuEditAddApps_Click(EditorContext& Ctx);
// Each link becomes an item at Pos (rows from Pos on move down); what cannot become an
// item is named in one message.
void DropLinks(EditorContext& Ctx, int Pos, const QList<AppItems::Link>& Links);

// The page's icon size, the size application icons are looked up at.
int PageIconSize(const LauncherDocument& Doc);

} // namespace AppCommands
