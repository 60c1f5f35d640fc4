#pragma once

#include "components/UserDialogs.h"
#include "properties/PageThemes.h"

#include <QDialog>

class LauncherDocument;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The file chooser for one path property: a text box the user may type into, "..." for
// the system file dialog prepared by the caller and, where the property has them, the
// themes that came with the programs, by name.
class frmPFile : public QDialog {
    Q_OBJECT
public:
    frmPFile(LauncherDocument& Doc, int ListPos, const QString& Description,
             const FileDialogRequest& Browse, bool FileUrl, UserDialogs& Dialogs,
             QWidget* Parent = nullptr, const QList<PageThemes::Theme>& Themes = {});

    QLabel* lblDesc;
    QLineEdit* txtFile;
    QPushButton* cmdBrowse;
    QComboBox* cmbTheme = nullptr; // only where there are themes
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void Form_Load();
    void cmdBrowse_Click();
    void cmbTheme_Activated(int Index);
    void ShowTheme();
    void cmdOK_Click();

    LauncherDocument& Doc;
    int ListPos;
    FileDialogRequest Browse;
    bool FileUrl;
    UserDialogs& Dialogs;
    QList<PageThemes::Theme> Themes;
};
