#pragma once

#include <QDialog>

class EditorContext;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Find and replace in chosen columns of every item row. Not modal: it stays above the
// main window, which stays usable, and it keeps its entries between runs until closed.
class frmReplace : public QDialog {
    Q_OBJECT
public:
    explicit frmReplace(EditorContext& Ctx, QWidget* Parent);

    QLabel* lblFind;
    QLineEdit* txtFind;
    QLabel* lblReplace;
    QLineEdit* txtReplace;
    QCheckBox* chkCase;
    QPushButton* cmdReplace;
    QPushButton* cmdCancel;
    QGroupBox* fraColumns;
    QCheckBox* chkDescription;
    QCheckBox* chkCommand;
    QCheckBox* chkParameters;
    QCheckBox* chkStartIn;
    QCheckBox* chkIcon;
    QCheckBox* chkComments;

    void cmdReplace_Click();
    // False once the window has been closed (it is deleted from the event loop).
    bool IsOpen() const { return !Closed; }

    void done(int Result) override;

protected:
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    EditorContext& Ctx;
    bool Closed = false;
};
