#pragma once

class EditorContext;

namespace ReplaceCommands {
// Edit, "&Rep&lace...": shows the item list and the find-and-replace window beside the
// main window, or brings the open one forward with its entries.
void mnuEditReplace_Click(EditorContext& Ctx);
// Closes the find-and-replace window if it is open (the main window's tab changed).
void CloseReplaceWindow(EditorContext& Ctx);
} // namespace ReplaceCommands
