#include "AppCommands.h"

#include "components/BusyCursor.h"
#include "components/NameInMessage.h"
#include "components/UserDialogs.h"
#include "components/platform/DesktopEntries.h"
#include "document/LauncherDocument.h"
#include "items/AppItems.h"
#include "items/AppSearch.h"
#include "items/ItemListOps.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/frmApps.h"
#include "shell/EditorContext.h"

#include <QCoreApplication>

namespace AppCommands {

namespace {
constexpr int DefaultIconSize = 32;

void AddRows(EditorContext& Ctx, int Pos, const QList<LauncherItem>& Rows,
             const QString& StepName) {
    const EditHistory::Step step = Ctx.Doc().History.Begin(StepName);
    const RowSelection selection = ItemListOps::InsertRows(Ctx.Doc().Items, Pos, Rows);
    if (!selection.Changed)
        return;
    ItemCommands::ApplySelection(Ctx, selection);
    Ctx.Checkmenus();
}

QList<frmApps::Candidate> InstalledApplications(int IconSize) {
    QList<DesktopEntry> entries = DesktopEntries::Shown();
    AppSearch::SortByName(entries);
    QList<frmApps::Candidate> candidates;
    candidates.reserve(entries.size());
    for (const DesktopEntry& entry : entries)
        candidates.append(
            {AppSearch::SearchText(entry), AppItems::FromEntry(entry, IconSize), entry.Categories});
    return candidates;
}
} // namespace

int PageIconSize(const LauncherDocument& Doc) {
    bool ok = false;
    const int size = Doc.ReadProp(QStringLiteral("Icon size"), true).trimmed().toInt(&ok);
    return ok && size >= 16 ? size : DefaultIconSize;
}

void mnuEditAddApps_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    QList<frmApps::Candidate> candidates;
    {
        BusyCursor busy;
        candidates = InstalledApplications(PageIconSize(Ctx.Doc()));
    }
    frmApps dialog(candidates, Ctx.MainWindow());
    if (Ctx.Dialogs().ShowModal(dialog) != QDialog::Accepted)
        return;
    const ItemRows& items = Ctx.Doc().Items;
    // Sections go at the end: put in the middle, the last of them would take over the
    // rows below it.
    AddRows(Ctx,
            dialog.AddsByCategory()
                ? items.Count() + 1
                : ItemListOps::AddItemPosition(items.Count(), Ctx.SelectedRow(), false),
            dialog.ChosenRows(),
            dialog.AddsByCategory()
                ? QCoreApplication::translate("AppCommands", "Add by category", "undo step")
                : QCoreApplication::translate("AppCommands", "Add from applications", "undo step"));
}

void DropLinks(EditorContext& Ctx, int Pos, const QList<AppItems::Link>& Links) {
    Ctx.ShowTab(0);
    QList<LauncherItem> rows;
    QStringList refused;
    {
        BusyCursor busy;
        const int iconSize = PageIconSize(Ctx.Doc());
        for (const AppItems::Link& link : Links) {
            const AppItems::Result item = AppItems::FromDrop(link.Url, link.Title, iconSize);
            if (item.Made())
                rows.append(item.Row);
            else
                refused.append(
                    QCoreApplication::translate("AppCommands", "%1: %2",
                                                "what was dropped, why it was refused")
                        .arg(NameInMessage(link.Url.toDisplayString(QUrl::PreferLocalFile)),
                             item.Refusal));
        }
    }
    const int count = Ctx.Doc().Items.Count();
    AddRows(Ctx, Pos >= 1 && Pos <= count ? Pos : count + 1, rows,
            QCoreApplication::translate("AppCommands", "Drop", "undo step"));
    if (!refused.isEmpty())
        Ctx.Dialogs().MsgBox(
            QCoreApplication::translate("AppCommands", "These cannot become items:\n%1")
                .arg(refused.join(QLatin1Char('\n'))),
            MsgButtons::OK, MsgIcon::Exclamation,
            QCoreApplication::translate("AppCommands", "Drop Error"));
}

} // namespace AppCommands
