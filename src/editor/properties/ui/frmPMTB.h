#pragma once

#include <QDialog>

class LauncherDocument;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The text editor for the header or footer HTML: the whole text, line breaks and all.
class frmPMTB : public QDialog {
    Q_OBJECT
public:
    frmPMTB(LauncherDocument& Doc, int ListPos, QWidget* Parent = nullptr);

    QLabel* lblDesc;
    QPlainTextEdit* txtMTB;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void Form_Load();
    void cmdOK_Click();

    LauncherDocument& Doc;
    int ListPos;
};
