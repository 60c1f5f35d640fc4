#include "frmPCol.h"

#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "properties/PropertyRules.h"
#include "properties/ui/PropertyWindowParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmPCol::frmPCol(LauncherDocument& Doc, int ListPos, const QColor& SwatchDefault,
                 UserDialogs& Dialogs, QWidget* Parent)
    : QDialog(Parent), Doc(Doc), ListPos(ListPos), SwatchDefault(SwatchDefault), Dialogs(Dialogs) {
    setObjectName(QStringLiteral("frmPCol"));
    setWindowTitle(tr("Colour Picker"));

    lblDesc = new QLabel(Doc.Props.At(ListPos).Name + QStringLiteral(":"), this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtCol = new QLineEdit(this);
    txtCol->setObjectName(QStringLiteral("txtCol"));
    lblDesc->setBuddy(txtCol);
    picCol = new QLabel(this);
    picCol->setObjectName(QStringLiteral("picCol"));
    picCol->setFixedSize(64, 64);
    picCol->setFrameShape(QFrame::Panel);
    picCol->setFrameShadow(QFrame::Sunken);
    picCol->setAutoFillBackground(true);
    cmdChoose = new QPushButton(tr("C&hoose colour..."), this);
    cmdChoose->setObjectName(QStringLiteral("cmdChoose"));
    cmdDefault = new QPushButton(tr("&Default colour"), this);
    cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
    QHBoxLayout* buttons = PropertyWindowParts::OkCancelRow(*this, tr("OK"), cmdOK, cmdCancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDesc, 0, 0, 1, 2);
    grid->addWidget(txtCol, 1, 0, 1, 2);
    grid->addWidget(picCol, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(cmdChoose, 2, 0);
    grid->addWidget(cmdDefault, 2, 1);
    grid->setRowMinimumHeight(3, 8);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(0, 1);

    connect(txtCol, &QLineEdit::textChanged, this, &frmPCol::txtCol_Change);
    connect(cmdChoose, &QPushButton::clicked, this, &frmPCol::cmdChoose_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmPCol::cmdDefault_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPCol::cmdOK_Click);
    Form_Load();
}

void frmPCol::Form_Load() {
    Paint(SwatchDefault);
    txtCol->setText(Doc.Props.At(ListPos).Setting);
}

void frmPCol::txtCol_Change() {
    if (txtCol->text().isEmpty()) {
        Paint(SwatchDefault);
        return;
    }
    // Half-typed text keeps the last colour that made sense.
    const QColor typed = PropertyRules::ColourOf(txtCol->text());
    if (typed.isValid())
        Paint(typed);
}

void frmPCol::cmdChoose_Click() {
    if (const std::optional<QColor> chosen = Dialogs.ColourDialog(Swatch)) {
        txtCol->setText(PropertyRules::ColourText(*chosen));
        // Back in the box, Enter is OK; on the choose button it would choose again.
        txtCol->setFocus();
    }
}

void frmPCol::cmdDefault_Click() {
    txtCol->clear();
}

void frmPCol::cmdOK_Click() {
    Doc.WriteProp(Doc.Props.At(ListPos).Name, PropertyRules::ColourSetting(txtCol->text()));
    accept();
}

void frmPCol::Paint(const QColor& Colour) {
    Swatch = Colour;
    QPalette palette = picCol->palette();
    palette.setColor(QPalette::Window, Colour);
    picCol->setPalette(palette);
}
