#pragma once

class EditorContext;

namespace CheckCommands {
// Edit, "Check &items": lists the items whose command, start-in folder or icon is
// missing and selects the first of them.
void mnuEditCheck_Click(EditorContext& Ctx);
} // namespace CheckCommands
