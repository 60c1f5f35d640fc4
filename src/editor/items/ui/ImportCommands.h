#pragma once

class EditorContext;

namespace ImportCommands {
// File, "&Import Quintor File Items..." (F11): the import dialog, modal; the tab
// shown stays as it is.
void mnuFileImport_Click(EditorContext& Ctx);
} // namespace ImportCommands
