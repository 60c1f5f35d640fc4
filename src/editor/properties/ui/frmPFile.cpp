#include "frmPFile.h"

#include "LauncherDocument.h"
#include "PropertyRules.h"
#include "PropertyWindowParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmPFile::frmPFile(LauncherDocument& Doc, int ListPos, const QString& Description,
                   const FileDialogRequest& Browse, bool FileUrl, UserDialogs& Dialogs,
                   QWidget* Parent)
    : QDialog(Parent), Doc(Doc), ListPos(ListPos), Browse(Browse), FileUrl(FileUrl),
      Dialogs(Dialogs) {
    setObjectName(QStringLiteral("frmPFile"));
    setWindowTitle(QStringLiteral("Choose File"));

    lblDesc = new QLabel(Description, this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtFile = new QLineEdit(this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(360);
    lblDesc->setBuddy(txtFile);
    cmdBrowse = new QPushButton(QStringLiteral("..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setFixedWidth(cmdBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) +
                             16);
    QHBoxLayout* buttons =
        PropertyWindowParts::OkCancelRow(*this, QStringLiteral("OK"), cmdOK, cmdCancel);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDesc, 0, 0, 1, 2);
    grid->addWidget(txtFile, 1, 0);
    grid->addWidget(cmdBrowse, 1, 1);
    grid->setRowMinimumHeight(2, 8);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmPFile::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPFile::cmdOK_Click);
    Form_Load();
}

void frmPFile::Form_Load() {
    txtFile->setText(Doc.Props.At(ListPos).Setting);
}

void frmPFile::cmdBrowse_Click() {
    FileDialogRequest request = Browse;
    request.FileName.clear();
    if (const std::optional<QString> chosen = Dialogs.FileDialog(request)) {
        txtFile->setText(PropertyRules::BrowsedSetting(*chosen, FileUrl));
        // Back in the box, Enter is OK; on the browse button it would browse again.
        txtFile->setFocus();
    }
}

void frmPFile::cmdOK_Click() {
    Doc.WriteProp(Doc.Props.At(ListPos).Name, txtFile->text());
    Doc.Changed = true;
    accept();
}
