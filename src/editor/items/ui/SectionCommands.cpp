#include "SectionCommands.h"

#include "EditorContext.h"
#include "LauncherDocument.h"
#include "UserDialogs.h"
#include "frmSection.h"

void SectionCommands::mnuEditAddSection_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    Ctx.Doc().EIcon = false;
    frmSection dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}
