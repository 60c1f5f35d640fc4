#pragma once

#include "shell/ReportView.h"
#include <functional>

class ItemRows;
class QLineEdit;

// The item list (lvItems): a report view over the document's item rows, several rows
// selectable, the Description editable in place. Its seven columns share the width.
class ItemListView : public ReportView {
    Q_OBJECT
public:
    explicit ItemListView(ItemRows& Items, QWidget* Parent = nullptr);
    using ReportView::edit;
    // The field of a Description being edited in place, null when none is.
    QLineEdit* InPlaceEditor() const;

signals:
    // An in-place edit was asked for on a section row: the section is edited in its
    // dialog instead.
    void SectionEditRequested();

protected:
    bool edit(const QModelIndex& Index, EditTrigger Trigger, QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    // Section rows span the whole row (their name is all they show), item rows do not.
    void SpanSectionRows(int First, int Last);

    ItemRows& Items;
};
