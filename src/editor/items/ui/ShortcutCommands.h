#pragma once

class EditorContext;

namespace ShortcutCommands {
// File, "Create Shortcut on &Desktop...": a shortcut on the user's desktop that starts
// the runner on the built page; the outcome is reported in a message box.
void mnuFileShortcut_Click(EditorContext& Ctx);
} // namespace ShortcutCommands
