#include "ReplaceCommands.h"

#include "items/ui/frmReplace.h"
#include "shell/EditorContext.h"

#include <QWidget>

namespace {

frmReplace* OpenReplaceWindow(EditorContext& Ctx) {
    QWidget* owner = Ctx.MainWindow();
    if (!owner)
        return nullptr;
    // A closed window lingers until the event loop deletes it.
    for (frmReplace* window :
         owner->findChildren<frmReplace*>(QString(), Qt::FindDirectChildrenOnly))
        if (window->IsOpen())
            return window;
    return nullptr;
}

} // namespace

void ReplaceCommands::mnuEditReplace_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    frmReplace* window = OpenReplaceWindow(Ctx);
    if (!window)
        window = new frmReplace(Ctx, Ctx.MainWindow());
    window->show();
    window->raise();
    window->activateWindow();
}

void ReplaceCommands::CloseReplaceWindow(EditorContext& Ctx) {
    if (frmReplace* window = OpenReplaceWindow(Ctx))
        window->close();
}
