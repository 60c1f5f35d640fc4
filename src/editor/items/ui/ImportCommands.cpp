#include "ImportCommands.h"

#include "EditorContext.h"
#include "UserDialogs.h"
#include "frmImport.h"

void ImportCommands::mnuFileImport_Click(EditorContext& Ctx) {
    frmImport dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}
