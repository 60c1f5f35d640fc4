#pragma once

#include <QList>

class EditorContext;
struct RowSelection;

// The Edit-menu commands that change the item list row by row.
namespace ItemCommands {
void mnuEditAdd_Click(EditorContext& Ctx);
// A section row opens the section dialog, any other row the item dialog.
void mnuEditEdit_Click(EditorContext& Ctx);
void mnuEditDelete_Click(EditorContext& Ctx);
void mnuEditCopy_Click(EditorContext& Ctx);
void mnuEditMoveUp_Click(EditorContext& Ctx);
void mnuEditMoveDown_Click(EditorContext& Ctx);
// Rows dragged within the list to position Pos (see ItemListOps::DragRows).
void DragRows(EditorContext& Ctx, const QList<int>& Rows, int Pos);

// Shows the selection a list operation answered with.
void ApplySelection(EditorContext& Ctx, const RowSelection& Selection);
} // namespace ItemCommands
