#include "SectionCommands.h"

#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "items/ui/frmSection.h"
#include "shell/EditorContext.h"

void SectionCommands::mnuEditAddSection_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    Ctx.Doc().EIcon = false;
    frmSection dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}
