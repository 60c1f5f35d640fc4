#include "ImportCommands.h"

#include "components/UserDialogs.h"
#include "items/ui/frmImport.h"
#include "shell/EditorContext.h"

void ImportCommands::mnuFileImport_Click(EditorContext& Ctx) {
    frmImport dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}
