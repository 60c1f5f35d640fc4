#pragma once

class EditorContext;

namespace SwapCommands {
// Edit, "&Swap Columns...": shows the item list, then the column dialog, modal.
void mnuEditSwap_Click(EditorContext& Ctx);
} // namespace SwapCommands
