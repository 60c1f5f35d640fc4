#pragma once

#include "UserDialogs.h"

#include <QDialog>

class LauncherDocument;
class QLabel;
class QLineEdit;
class QPushButton;

// The file chooser for one path property: a text box the user may type into, and
// "..." for the system file dialog prepared by the caller.
class frmPFile : public QDialog {
    Q_OBJECT
public:
    frmPFile(LauncherDocument& Doc, int ListPos, const QString& Description,
             const FileDialogRequest& Browse, bool FileUrl, UserDialogs& Dialogs,
             QWidget* Parent = nullptr);

    QLabel* lblDesc;
    QLineEdit* txtFile;
    QPushButton* cmdBrowse;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void Form_Load();
    void cmdBrowse_Click();
    void cmdOK_Click();

    LauncherDocument& Doc;
    int ListPos;
    FileDialogRequest Browse;
    bool FileUrl;
    UserDialogs& Dialogs;
};
