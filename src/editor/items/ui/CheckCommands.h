#pragma once

class EditorContext;
class ItemChecker;

namespace CheckCommands {
// Edit, "Check &items": lists the items whose command, start-in folder or icon is
// missing and selects the first of them. The list's marks (Marks) show what it found.
void mnuEditCheck_Click(EditorContext& Ctx, ItemChecker& Marks);
} // namespace CheckCommands
