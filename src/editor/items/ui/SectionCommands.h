#pragma once

class EditorContext;

namespace SectionCommands {
// Add section (above the selected item).
void mnuEditAddSection_Click(EditorContext& Ctx);
} // namespace SectionCommands
