#include "frmImport.h"

#include "components/UserDialogs.h"
#include "document/LauncherFile.h"
#include "items/ImportItems.h"
#include "shell/EditorContext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmImport::frmImport(EditorContext& Ctx, QWidget* Parent) : QDialog(Parent), Ctx(Ctx) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import Quintor File Items"));

    txtFile = new QLineEdit(this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(300);
    cmdBrowse = new QPushButton(QStringLiteral("..."), this);
    cmdBrowse->setAccessibleName(tr("Browse for the Quintor file"));
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setFixedWidth(cmdBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) +
                             16);
    txtSection = new QLineEdit(this);
    txtSection->setObjectName(QStringLiteral("txtSection"));
    cmdImport = new QPushButton(tr("Import"), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* lblFile = new QLabel(tr("&File name:"), this);
    lblFile->setBuddy(txtFile);
    auto* lblSection = new QLabel(tr("New &section name (optional):"), this);
    lblSection->setBuddy(txtSection);

    auto* fields = new QGridLayout;
    fields->addWidget(lblFile, 0, 0, 1, 2);
    fields->addWidget(txtFile, 1, 0);
    fields->addWidget(cmdBrowse, 1, 1);
    fields->addWidget(lblSection, 2, 0, 1, 2);
    fields->addWidget(txtSection, 3, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtFile, cmdBrowse);
    setTabOrder(cmdBrowse, txtSection);
    setTabOrder(txtSection, cmdImport);
    setTabOrder(cmdImport, cmdClose);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmImport::cmdBrowse_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmImport::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmImport::cmdBrowse_Click() {
    FileDialogRequest request;
    request.Title = tr("Choose an Quintor File to Import");
    request.Filter = LauncherFile::FileFilter() + QLatin1Char('|') + tr("Bookmarks") +
                     QStringLiteral(" (*.html *.htm)|*.html;*.htm|") + tr("All files") +
                     QStringLiteral(" (*.*)|*.*");
    if (const auto chosen = Ctx.Dialogs().FileDialog(request))
        txtFile->setText(*chosen);
}

void frmImport::cmdImport_Click() {
    if (ImportItems::Import(Ctx.Doc(), Ctx.Dialogs(), txtFile->text(), txtSection->text()))
        Ctx.Checkmenus();
}
