#include "ShortcutCommands.h"

#include "components/AppError.h"
#include "components/UserDialogs.h"
#include "components/platform/DesktopShortcut.h"
#include "document/LauncherDocument.h"
#include "items/Shortcut.h"
#include "shell/EditorContext.h"

#include <QCoreApplication>

void ShortcutCommands::mnuFileShortcut_Click(EditorContext& Ctx) {
    try {
        Shortcut::Create(Ctx.Doc(), DesktopShortcut::DesktopFolder());
    } catch (const AppError& Error) {
        Ctx.Dialogs().MsgBox(
            QCoreApplication::translate(
                "ShortcutCommands",
                "An error occurred when creating a shortcut on the Desktop - %1, %2",
                "error description, error number")
                .arg(Error.Description, QString::number(Error.Number)),
            MsgButtons::OK, MsgIcon::Critical,
            QCoreApplication::translate("ShortcutCommands", "Create Shortcut to Desktop Error"));
        return;
    }
    Ctx.Dialogs().MsgBox(
        QCoreApplication::translate("ShortcutCommands",
                                    "A shortcut was successfully created on the Desktop"),
        MsgButtons::OK, MsgIcon::Information,
        QCoreApplication::translate("ShortcutCommands", "Create Shortcut on Desktop"));
}
