#include "CheckCommands.h"

#include "components/BusyCursor.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "items/ItemCheck.h"
#include "items/ui/frmCheck.h"
#include "shell/EditorContext.h"

namespace CheckCommands {

namespace {
QList<frmCheck::Broken> BrokenItems(const ItemRows& Items) {
    BusyCursor busy;
    const QVector<ItemCheck::Problems> found = ItemCheck::CheckAll(Items.All());
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

void mnuEditCheck_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    const QList<frmCheck::Broken> broken = BrokenItems(Ctx.Doc().Items);
    if (broken.isEmpty()) {
        Ctx.Dialogs().MsgBox(QStringLiteral("Every item's command, start-in folder and icon "
                                            "were found."),
                             MsgButtons::OK, MsgIcon::Information, QStringLiteral("Check Items"));
        return;
    }
    Ctx.SelectRow(broken.first().Pos);
    Ctx.Checkmenus();
    frmCheck dialog(Ctx, broken, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}

} // namespace CheckCommands
