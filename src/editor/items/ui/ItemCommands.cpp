#include "ItemCommands.h"

#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "items/ItemListOps.h"
#include "items/ui/frmAdd.h"
#include "items/ui/frmSection.h"
#include "shell/EditorContext.h"

#include <QCoreApplication>

namespace {
// The current row when it names a row of the list, else 0.
int CurrentRow(EditorContext& Ctx) {
    const int pos = Ctx.SelectedRow();
    return pos >= 1 && pos <= Ctx.Doc().Items.Count() ? pos : 0;
}

void Finish(EditorContext& Ctx, const RowSelection& Selection) {
    if (!Selection.Changed)
        return;
    ItemCommands::ApplySelection(Ctx, Selection);
    Ctx.Checkmenus();
}

template <typename Dialog> void ShowDialog(EditorContext& Ctx) {
    Dialog dialog(Ctx, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(dialog);
}

using ListOperation = RowSelection (*)(ItemRows&, int);

// Moves act on the current row; without one there is nothing to act on.
void RunOnCurrentRow(EditorContext& Ctx, ListOperation Operation, const QString& StepName) {
    Ctx.ShowTab(0);
    const int pos = CurrentRow(Ctx);
    if (pos == 0)
        return;
    const EditHistory::Step step = Ctx.Doc().History.Begin(StepName);
    Finish(Ctx, Operation(Ctx.Doc().Items, pos));
}
} // namespace

namespace ItemCommands {

void ApplySelection(EditorContext& Ctx, const RowSelection& Selection) {
    Ctx.SelectRow(Selection.Current);
    for (int pos : Selection.Others)
        Ctx.SetRowSelected(pos, true);
}

void mnuEditAdd_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    Ctx.Doc().EIcon = false;
    ShowDialog<frmAdd>(Ctx);
}

void mnuEditEdit_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    const int pos = CurrentRow(Ctx);
    if (pos == 0)
        return;
    Ctx.Doc().EIcon = true;
    if (Ctx.Doc().Items.IsSection(pos))
        ShowDialog<frmSection>(Ctx);
    else
        ShowDialog<frmAdd>(Ctx);
}

void mnuEditDelete_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    const int pos = CurrentRow(Ctx);
    if (pos == 0)
        return;
    const MsgAnswer answer = Ctx.Dialogs().MsgBox(
        QCoreApplication::translate("ItemCommands",
                                    "Are you sure you want to delete the selected item?"),
        MsgButtons::YesNo, MsgIcon::Question,
        QCoreApplication::translate("ItemCommands", "Delete Icon(s)"));
    if (answer != MsgAnswer::Yes)
        return;
    const QList<int> selected = Ctx.SelectedRows();
    const EditHistory::Step step =
        Ctx.Doc().History.Begin(Ctx.Doc().Items.IsSection(pos)
                                    ? QCoreApplication::translate("ItemCommands", "Delete section")
                                    : QCoreApplication::translate("ItemCommands", "Delete item"));
    Finish(Ctx, ItemListOps::DeleteRow(Ctx.Doc().Items, pos, selected));
}

void mnuEditCopy_Click(EditorContext& Ctx) {
    Ctx.ShowTab(0);
    Ctx.Deselect();
    const int pos = CurrentRow(Ctx);
    if (pos == 0)
        return;
    const EditHistory::Step step =
        Ctx.Doc().History.Begin(QCoreApplication::translate("ItemCommands", "Copy and paste"));
    Finish(Ctx, ItemListOps::CopyRow(Ctx.Doc().Items, pos));
}

void DragRows(EditorContext& Ctx, const QList<int>& Rows, int Pos) {
    Ctx.ShowTab(0);
    const EditHistory::Step step =
        Ctx.Doc().History.Begin(QCoreApplication::translate("ItemCommands", "Drag and drop"));
    Finish(Ctx, ItemListOps::DragRows(Ctx.Doc().Items, Rows, Pos));
}

void mnuEditMoveUp_Click(EditorContext& Ctx) {
    RunOnCurrentRow(Ctx, &ItemListOps::MoveUp,
                    QCoreApplication::translate("ItemCommands", "Move up"));
}

void mnuEditMoveDown_Click(EditorContext& Ctx) {
    RunOnCurrentRow(Ctx, &ItemListOps::MoveDown,
                    QCoreApplication::translate("ItemCommands", "Move down"));
}

} // namespace ItemCommands
