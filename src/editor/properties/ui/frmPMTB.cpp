#include "frmPMTB.h"

#include "components/CodeFont.h"
#include "document/LauncherDocument.h"
#include "properties/PropertyRules.h"
#include "properties/ui/PropertyWindowParts.h"
#include "shell/CtrlTabLeaves.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

frmPMTB::frmPMTB(LauncherDocument& Doc, int ListPos, QWidget* Parent)
    : QDialog(Parent), Doc(Doc), ListPos(ListPos) {
    setObjectName(QStringLiteral("frmPMTB"));
    setWindowTitle(tr("Text Editor"));

    lblDesc = new QLabel(this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtMTB = new QPlainTextEdit(this);
    txtMTB->setObjectName(QStringLiteral("txtMTB"));
    txtMTB->setFont(CodeFont());
    txtMTB->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMTB->setMinimumSize(480, 240);
    lblDesc->setBuddy(txtMTB);
    // Tab is part of HTML text: it types a tab, and Ctrl+Tab leaves the box.
    new CtrlTabLeaves(*txtMTB);
    txtMTB->setAccessibleDescription(tr("Tab types a tab; Ctrl+Tab moves on to the buttons"));
    QHBoxLayout* buttons = PropertyWindowParts::OkCancelRow(*this, tr("&OK"), cmdOK, cmdCancel);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDesc, 0, 0);
    grid->addWidget(txtMTB, 1, 0);
    grid->addLayout(buttons, 2, 0);

    connect(cmdOK, &QPushButton::clicked, this, &frmPMTB::cmdOK_Click);
    Form_Load();
}

void frmPMTB::Form_Load() {
    const QString name = Doc.Props.At(ListPos).Name;
    lblDesc->setText(QStringLiteral("&") + name + QStringLiteral(":"));
    txtMTB->setPlainText(PropertyRules::HtmlTextToEditor(Doc.ReadProp(name)));
}

void frmPMTB::cmdOK_Click() {
    const QString name = Doc.Props.At(ListPos).Name;
    const QString text = PropertyRules::HtmlTextFromEditor(txtMTB->toPlainText());
    Doc.WriteProp(name, text);
    // The row shows the text on one line; WriteProp's own preview keeps the breaks.
    Doc.Props.SetSetting(ListPos, PropertyRules::HtmlTextPreview(text));
    accept();
}
