#pragma once

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

// Shows the selection a list operation answered with.
void ApplySelection(EditorContext& Ctx, const RowSelection& Selection);
} // namespace ItemCommands
