#pragma once

#include <QColor>
#include <QDialog>

class LauncherDocument;
class QLabel;
class QLineEdit;
class QPushButton;
class UserDialogs;

// The colour picker for one colour property: a text box with the colour text, a
// swatch, the system colour dialog, and "&Default colour" for "not set".
class frmPCol : public QDialog {
    Q_OBJECT
public:
    frmPCol(LauncherDocument& Doc, int ListPos, const QColor& SwatchDefault, UserDialogs& Dialogs,
            QWidget* Parent = nullptr);

    QLabel* lblDesc;
    QLineEdit* txtCol;
    QLabel* picCol;
    QPushButton* cmdChoose;
    QPushButton* cmdDefault;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    QColor SwatchColour() const { return Swatch; }

private:
    void Form_Load();
    void txtCol_Change();
    void cmdChoose_Click();
    void cmdDefault_Click();
    void cmdOK_Click();
    void Paint(const QColor& Colour);

    LauncherDocument& Doc;
    int ListPos;
    QColor SwatchDefault;
    QColor Swatch;
    UserDialogs& Dialogs;
};
