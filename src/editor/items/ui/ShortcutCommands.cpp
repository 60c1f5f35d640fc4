#include "ShortcutCommands.h"

#include "components/AppError.h"
#include "components/UserDialogs.h"
#include "components/platform/DesktopShortcut.h"
#include "document/LauncherDocument.h"
#include "items/Shortcut.h"
#include "shell/EditorContext.h"

void ShortcutCommands::mnuFileShortcut_Click(EditorContext& Ctx) {
    try {
        Shortcut::Create(Ctx.Doc(), DesktopShortcut::DesktopFolder());
    } catch (const AppError& Error) {
        Ctx.Dialogs().MsgBox(
            QStringLiteral("An error occurred when creating a shortcut on the Desktop - ") +
                Error.Description + QStringLiteral(", ") + QString::number(Error.Number),
            MsgButtons::OK, MsgIcon::Critical, QStringLiteral("Create Shortcut to Desktop Error"));
        return;
    }
    Ctx.Dialogs().MsgBox(QStringLiteral("A shortcut was successfully created on the Desktop"),
                         MsgButtons::OK, MsgIcon::Information,
                         QStringLiteral("Create Shortcut on Desktop"));
}
