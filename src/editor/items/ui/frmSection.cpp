#include "frmSection.h"

#include "document/LauncherDocument.h"
#include "items/ItemListOps.h"
#include "items/Sections.h"
#include "items/ui/ItemCommands.h"
#include "shell/EditorContext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSection::frmSection(EditorContext& Ctx, QWidget* Parent) : QDialog(Parent), Ctx(Ctx) {
    setObjectName(QStringLiteral("frmSection"));
    setWindowTitle(tr("Add Section"));

    const auto makeEdit = [this](const char* Name, const QString& Text) {
        auto* edit = new QLineEdit(Text, this);
        edit->setObjectName(QLatin1String(Name));
        return edit;
    };
    txtName = makeEdit("txtName", QString());
    txtColumns = makeEdit("txtColumns", QStringLiteral("5"));
    txtIconSize = makeEdit("txtIconSize", QStringLiteral("32"));
    chkIconsAbove = new QCheckBox(tr("Icons &above"), this);
    chkIconsAbove->setObjectName(QStringLiteral("chkIconsAbove"));
    chkIconsAbove->setChecked(true);
    chkTableBorder = new QCheckBox(tr("&Table border"), this);
    chkTableBorder->setObjectName(QStringLiteral("chkTableBorder"));
    cmdAdd = new QPushButton(tr("Add"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), txtName);
    form->addRow(tr("&Columns (1 minimum):"), txtColumns);
    form->addRow(tr("Icon &size (16 minimum):"), txtIconSize);
    form->addRow(QString(), chkIconsAbove);
    form->addRow(QString(), chkTableBorder);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdAdd, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    setTabOrder(txtName, txtColumns);
    setTabOrder(txtColumns, txtIconSize);
    setTabOrder(txtIconSize, chkIconsAbove);
    setTabOrder(chkIconsAbove, chkTableBorder);
    setTabOrder(chkTableBorder, cmdAdd);
    setTabOrder(cmdAdd, cmdCancel);
    txtColumns->installEventFilter(this);
    txtIconSize->installEventFilter(this);

    // The button box would accept on its own; the store decides when the dialog ends.
    connect(cmdAdd, &QPushButton::clicked, this, &frmSection::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void frmSection::Form_Load() {
    EditMode = Ctx.Doc().EIcon;
    EditRow = Ctx.SelectedRow();
    if (!EditMode)
        return;
    const ItemRows& items = Ctx.Doc().Items;
    const QString s =
        EditRow >= 1 && EditRow <= items.Count() ? items.Cell(EditRow, cellDescription) : QString();
    const QString name = SectDetails(s, 1);
    setWindowTitle(tr("Edit Section %1").arg(name));
    // A detail the row text does not hold leaves its field as it starts.
    const auto readText = [&s](QLineEdit* Field, int P) {
        if (const auto detail = FindSectDetail(s, P))
            Field->setText(*detail);
    };
    readText(txtName, 1);
    readText(txtColumns, 2);
    readText(txtIconSize, 3);
    // A detail that is neither word leaves the box as it starts.
    const auto readFlag = [](QCheckBox* Box, const QString& Detail) {
        if (Detail == QLatin1String("True"))
            Box->setChecked(true);
        else if (Detail == QLatin1String("False"))
            Box->setChecked(false);
    };
    readFlag(chkIconsAbove, SectDetails(s, 4));
    readFlag(chkTableBorder, SectDetails(s, 5));
    cmdAdd->setText(tr("Edit"));
}

bool frmSection::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::FocusOut) {
        if (Watched == txtColumns || Watched == txtIconSize)
            CorrectField(static_cast<QLineEdit*>(Watched));
    }
    return QDialog::eventFilter(Watched, Event);
}

void frmSection::CorrectField(QLineEdit* Field) {
    const QString corrected = Field == txtColumns ? CorrectSectionColumns(Field->text())
                                                  : CorrectSectionIconSize(Field->text());
    if (corrected != Field->text())
        Field->setText(corrected);
}

void frmSection::cmdAdd_Click() {
    // Enter, or a click that did not take the focus, leaves a number field unchecked;
    // store what the user would have seen after leaving it.
    QWidget* focused = focusWidget();
    if (focused == txtColumns || focused == txtIconSize)
        CorrectField(static_cast<QLineEdit*>(focused));

    SectionDetails details;
    details.Name = txtName->text();
    details.Columns = txtColumns->text();
    details.IconSize = txtIconSize->text();
    details.IconsAbove = chkIconsAbove->isChecked();
    details.TableBorder = chkTableBorder->isChecked();
    const QString text = SectionRowText(details);

    LauncherDocument& doc = Ctx.Doc();
    const EditHistory::Step step =
        doc.History.Begin(EditMode ? tr("Edit section") : tr("Add section"));
    if (EditMode) {
        if (EditRow >= 1 && EditRow <= doc.Items.Count())
            doc.Items.SetCell(EditRow, cellDescription, text);
    } else {
        const int pos = ItemListOps::AddSectionPosition(doc.Items.Count(), EditRow);
        const QList<int> selected = Ctx.SelectedRows();
        LauncherItem row;
        row[cellDescription] = text;
        doc.Items.Insert(pos, row);
        ItemCommands::ApplySelection(Ctx,
                                     ItemListOps::SelectionAfterInsert(EditRow, selected, pos));
    }
    Ctx.Checkmenus();
    accept();
}
