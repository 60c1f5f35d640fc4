#include "frmApps.h"

#include "items/AppCategories.h"
#include "items/AppSearch.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int IconSide = 32;
constexpr int CandidateRole = Qt::UserRole;

// Every row keeps the room of one full icon, so that the names line up: a smaller icon is
// centred in it, a missing one leaves it empty.
class AppRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override {
        QStyledItemDelegate::initStyleOption(Option, Index);
        Option->features |= QStyleOptionViewItem::HasDecoration;
        Option->decorationSize = QSize(IconSide, IconSide);
    }
};
// The list's current row follows the search box while the user types there. That is no
// move of the focus: a reader must stay in the box, so the list announces its current
// row only while it has the focus itself.
class CandidateList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void currentChanged(const QModelIndex& Current, const QModelIndex& Previous) override {
        if (hasFocus())
            QListWidget::currentChanged(Current, Previous);
        else
            QAbstractItemView::currentChanged(Current, Previous);
    }
};
} // namespace

frmApps::frmApps(const QList<Candidate>& Candidates, QWidget* Parent)
    : QDialog(Parent), Candidates(Candidates) {
    setObjectName(QStringLiteral("frmApps"));
    setWindowTitle(tr("Add from Applications"));
    BuildControls();
    FillList();
    ShowChosenCount();
    resize(460, 520);
}

void frmApps::BuildControls() {
    auto* lblSearch = new QLabel(tr("&Search:"), this);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Name, kind, keyword or description"));
    txtSearch->setClearButtonEnabled(true);
    lblSearch->setBuddy(txtSearch);

    lvApps = new CandidateList(this);
    lvApps->setObjectName(QStringLiteral("lvApps"));
    lvApps->setAccessibleName(tr("Applications"));
    lvApps->setAccessibleDescription(tr("Choose one or more; each one chosen becomes an item"));
    lvApps->setIconSize(QSize(IconSide, IconSide));
    lvApps->setItemDelegate(new AppRowDelegate(lvApps));
    lvApps->setSelectionMode(QAbstractItemView::MultiSelection);
    lvApps->setUniformItemSizes(true);

    lblChosen = new QLabel(this);
    lblChosen->setObjectName(QStringLiteral("lblChosen"));

    auto* buttons = new QDialogButtonBox(this);
    cmdByCategory = buttons->addButton(tr("Add by &category"), QDialogButtonBox::ActionRole);
    cmdByCategory->setObjectName(QStringLiteral("cmdByCategory"));
    cmdByCategory->setAutoDefault(false);
    cmdOK = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* search = new QHBoxLayout;
    search->addWidget(lblSearch);
    search->addWidget(txtSearch);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblChosen, 1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(lvApps, 1);
    layout->addLayout(bottom);

    connect(txtSearch, &QLineEdit::textChanged, this, &frmApps::txtSearch_Change);
    txtSearch->installEventFilter(this);
    connect(lvApps, &QListWidget::itemSelectionChanged, this, &frmApps::lvApps_SelectionChanged);
    connect(lvApps, &QListWidget::itemActivated, this, &frmApps::cmdOK_Click);
    connect(lvApps, &QListWidget::currentItemChanged, this, &frmApps::ShowCurrent);
    connect(cmdOK, &QPushButton::clicked, this, &frmApps::cmdOK_Click);
    connect(cmdByCategory, &QPushButton::clicked, this, &frmApps::cmdByCategory_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmApps::FillList() {
    for (int i = 0; i < Candidates.size(); ++i) {
        const AppItems::Result& item = Candidates[i].Item;
        auto* entry = new QListWidgetItem(item.Row[cellDescription], lvApps);
        entry->setData(CandidateRole, i);
        const QString& icon = item.Row[cellIcon];
        if (!icon.isEmpty())
            entry->setIcon(QIcon(icon));
        if (item.Made()) {
            entry->setToolTip(item.Row[cellComments]);
        } else {
            // Listed, so nobody wonders where it went, but greyed and not to be chosen.
            entry->setFlags(Qt::ItemIsEnabled);
            entry->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            entry->setToolTip(tr("This application cannot be added: %1.").arg(item.Refusal));
        }
    }
}

void frmApps::txtSearch_Change() {
    const QString typed = txtSearch->text();
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < lvApps->count(); ++row) {
        QListWidgetItem* entry = lvApps->item(row);
        const int i = entry->data(CandidateRole).toInt();
        const bool shown = AppSearch::Matches(Candidates[i].SearchText, typed);
        entry->setHidden(!shown);
        if (shown && !firstShown && (entry->flags() & Qt::ItemIsSelectable))
            firstShown = entry;
    }
    // The best match is the one Enter takes when nothing was chosen by hand.
    if (firstShown)
        lvApps->setCurrentItem(firstShown, QItemSelectionModel::NoUpdate);
}

// Selection order is the order of the items: new choices go to the end, dropped ones go.
void frmApps::lvApps_SelectionChanged() {
    QList<int> selected;
    const QList<QListWidgetItem*> items = lvApps->selectedItems();
    for (const QListWidgetItem* item : items)
        selected.append(item->data(CandidateRole).toInt());
    const QSet<int> now(selected.cbegin(), selected.cend());
    QList<int> kept;
    for (const int i : std::as_const(Chosen))
        if (now.contains(i))
            kept.append(i);
    const QSet<int> before(kept.cbegin(), kept.cend());
    for (const int i : selected)
        if (!before.contains(i))
            kept.append(i);
    Chosen = kept;
    ShowChosenCount();
}

// The list shows its current row only while it has the focus; the search box keeps it, so
// the row that Enter would take is tinted instead.
void frmApps::ShowCurrent(QListWidgetItem* Current, QListWidgetItem* Previous) {
    if (Previous)
        Previous->setBackground(QBrush());
    if (Current) {
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlpha(48);
        Current->setBackground(tint);
    }
}

void frmApps::ShowChosenCount() {
    lblChosen->setText(Chosen.isEmpty() ? tr("Choose one or more applications.")
                                        : tr("%n chosen", nullptr, int(Chosen.size())));
}

void frmApps::cmdOK_Click() {
    if (Chosen.isEmpty()) {
        // Typing a name and pressing Enter takes the application that is current.
        const QListWidgetItem* current = lvApps->currentItem();
        if (!current || current->isHidden() || !(current->flags() & Qt::ItemIsSelectable))
            return;
        Chosen.append(current->data(CandidateRole).toInt());
    }
    accept();
}

// The chosen applications, or all those listed when none is chosen, each under the section
// of its main category.
void frmApps::cmdByCategory_Click() {
    if (Chosen.isEmpty()) {
        for (int row = 0; row < lvApps->count(); ++row) {
            const QListWidgetItem* entry = lvApps->item(row);
            if (!entry->isHidden() && (entry->flags() & Qt::ItemIsSelectable))
                Chosen.append(entry->data(CandidateRole).toInt());
        }
        if (Chosen.isEmpty())
            return;
    }
    ByCategory = true;
    accept();
}

// The arrow and page keys walk the list while the search box keeps the focus.
bool frmApps::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != txtSearch || Event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(Watched, Event);
    const int key = static_cast<QKeyEvent*>(Event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
        QCoreApplication::sendEvent(lvApps, Event);
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}

QList<LauncherItem> frmApps::ChosenRows() const {
    if (ByCategory) {
        // In each section the applications keep the list's order, which is by name.
        QList<int> listed = Chosen;
        std::sort(listed.begin(), listed.end());
        QList<AppCategories::App> apps;
        for (const int i : std::as_const(listed))
            apps.append({Candidates[i].Categories, Candidates[i].Item.Row});
        return AppCategories::Grouped(apps);
    }
    QList<LauncherItem> rows;
    for (const int i : Chosen)
        rows.append(Candidates[i].Item.Row);
    return rows;
}
