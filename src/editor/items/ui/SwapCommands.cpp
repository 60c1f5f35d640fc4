#include "SwapCommands.h"

#include "EditorContext.h"
#include "UserDialogs.h"
#include "frmSwap.h"

void SwapCommands::mnuEditSwap_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    frmSwap dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}
