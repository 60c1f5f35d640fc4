#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's title, what it does, and its version.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* Parent = nullptr);

private:
    QLabel* lblTitle;
    QLabel* lblDescription;
    QLabel* lblVersion;
    QPushButton* cmdOK;
};
