#include "CheckCommands.h"

#include "components/BusyCursor.h"
#include "components/NameInMessage.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "items/ItemCheck.h"
#include "items/ItemChecker.h"
#include "items/ui/frmCheck.h"
#include "shell/EditorContext.h"

#include <QCoreApplication>

namespace CheckCommands {

namespace {
QList<frmCheck::Broken> BrokenItems(const ItemRows& Items, ItemChecker& Marks) {
    BusyCursor busy;
    const QVector<LauncherItem> rows = Items.All();
    const QVector<ItemCheck::Problems> found = ItemCheck::CheckAll(rows);
    // The list marks what the message names, not what an earlier look at the disk found.
    Marks.Adopt(rows, found);
    QList<frmCheck::Broken> broken;
    for (int pos = 1; pos <= found.size(); ++pos) {
        if (found[pos - 1] == ItemCheck::NoProblem)
            continue;
        const LauncherItem& row = Items.Row(pos);
        broken.append({pos, ItemCheck::BrokenLine(pos, row, found[pos - 1])});
    }
    return broken;
}
} // namespace

void mnuEditCheck_Click(EditorContext& Ctx, ItemChecker& Marks) {
    Ctx.ShowTab(0);
    const QList<frmCheck::Broken> broken = BrokenItems(Ctx.Doc().Items, Marks);
    if (broken.isEmpty()) {
        Ctx.Dialogs().MsgBox(
            QCoreApplication::translate(
                "CheckCommands", "Every item's command, start-in folder and icon were found."),
            MsgButtons::OK, MsgIcon::Information,
            QCoreApplication::translate("CheckCommands", "Check Items"));
        return;
    }
    Ctx.SelectRow(broken.first().Pos);
    Ctx.Checkmenus();
    frmCheck dialog(Ctx, broken, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}

} // namespace CheckCommands
