#include "frmPFile.h"

#include "document/LauncherDocument.h"
#include "properties/PropertyRules.h"
#include "properties/ui/PropertyWindowParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmPFile::frmPFile(LauncherDocument& Doc, int ListPos, const QString& Description,
                   const FileDialogRequest& Browse, bool FileUrl, UserDialogs& Dialogs,
                   QWidget* Parent, const QList<PageThemes::Theme>& Themes)
    : QDialog(Parent), Doc(Doc), ListPos(ListPos), Browse(Browse), FileUrl(FileUrl),
      Dialogs(Dialogs), Themes(Themes) {
    setObjectName(QStringLiteral("frmPFile"));
    setWindowTitle(tr("Choose File"));

    lblDesc = new QLabel(Description, this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    txtFile = new QLineEdit(this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setMinimumWidth(360);
    lblDesc->setBuddy(txtFile);
    cmdBrowse = new QPushButton(QStringLiteral("..."), this);
    cmdBrowse->setAccessibleName(tr("Browse for the file"));
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setFixedWidth(cmdBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) +
                             16);
    QHBoxLayout* buttons = PropertyWindowParts::OkCancelRow(*this, tr("OK"), cmdOK, cmdCancel);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblDesc, 0, 0, 1, 3);
    grid->addWidget(txtFile, 1, 0);
    grid->addWidget(cmdBrowse, 1, 1);
    if (!Themes.isEmpty()) {
        cmbTheme = new QComboBox(this);
        cmbTheme->setObjectName(QStringLiteral("cmbTheme"));
        cmbTheme->setPlaceholderText(tr("Theme"));
        cmbTheme->setAccessibleName(tr("Theme"));
        for (const PageThemes::Theme& theme : Themes)
            cmbTheme->addItem(PageThemes::ShownName(theme.Name));
        grid->addWidget(cmbTheme, 1, 2);
        connect(cmbTheme, &QComboBox::activated, this, &frmPFile::cmbTheme_Activated);
        connect(txtFile, &QLineEdit::textChanged, this, &frmPFile::ShowTheme);
    }
    grid->setRowMinimumHeight(2, 8);
    grid->addLayout(buttons, 3, 0, 1, 3);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmPFile::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPFile::cmdOK_Click);
    Form_Load();
}

void frmPFile::Form_Load() {
    txtFile->setText(Doc.Props.At(ListPos).Setting);
    ShowTheme();
}

// The theme the text names, or none.
void frmPFile::ShowTheme() {
    if (!cmbTheme)
        return;
    int shown = -1;
    for (int i = 0; i < Themes.size(); ++i)
        if (Themes[i].Setting == txtFile->text())
            shown = i;
    cmbTheme->setCurrentIndex(shown);
}

void frmPFile::cmbTheme_Activated(int Index) {
    if (Index >= 0 && Index < Themes.size())
        txtFile->setText(Themes[Index].Setting);
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
    accept();
}
