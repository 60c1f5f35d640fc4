#include "SwapCommands.h"

#include "components/UserDialogs.h"
#include "items/ui/frmSwap.h"
#include "shell/EditorContext.h"

void SwapCommands::mnuEditSwap_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    frmSwap dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}
