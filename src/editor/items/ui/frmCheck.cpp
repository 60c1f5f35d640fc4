#include "frmCheck.h"

#include "shell/EditorContext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmCheck::frmCheck(EditorContext& Ctx, const QList<Broken>& Items, QWidget* Parent)
    : QDialog(Parent), Ctx(Ctx), Items(Items) {
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(tr("Check Items"));
    auto* caption =
        new QLabel(tr("%n item(s) will not work as they are. Choose one to select it:", nullptr,
                      int(Items.size())),
                   this);
    lstBroken = new QListWidget(this);
    lstBroken->setObjectName(QStringLiteral("lstBroken"));
    lstBroken->setAccessibleName(tr("Items that will not work"));
    lstBroken->setAccessibleDescription(tr("Press Enter to select the item in the list"));
    caption->setBuddy(lstBroken);
    for (const Broken& item : Items)
        lstBroken->addItem(item.Text);
    lstBroken->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(this);
    cmdClose = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(lstBroken, 1);
    layout->addWidget(buttons);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstBroken, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* Item) { lstBroken_Activated(lstBroken->row(Item)); });
    resize(560, 320);
}

void frmCheck::lstBroken_Activated(int Line) {
    if (Line < 0 || Line >= Items.size())
        return;
    Ctx.SelectRow(Items[Line].Pos);
    Ctx.Checkmenus();
    accept();
}
