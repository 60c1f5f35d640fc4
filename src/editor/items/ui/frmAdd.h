#pragma once

#include <QDialog>

class EditorContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The item dialog: adds icon item rows to the item list (staying open for the next
// one) or changes the selected row; the main window's EIcon says which.
class frmAdd : public QDialog {
    Q_OBJECT
public:
    explicit frmAdd(EditorContext& Ctx, QWidget* Parent = nullptr);

    // Validates the fields and stores them as a new or the edited row.
    void AddEdit();
    void ClearForm();
    // File browse into TB: the chosen file, or the empty text when cancelled (TB left as it was).
    QString FD(const QString& DTitle, const QString& FPattern, QLineEdit* TB, bool Param);
    // Folder browse into TB.
    void DD(const QString& Desc, QLineEdit* TB, bool Param);
    static void SelAll(QLineEdit* TB);

    // Set by "Add and close" before AddEdit, cleared by a failed check.
    bool UnloadMe = false;

    QLineEdit* txtDesc;
    QLineEdit* txtCom;
    QLineEdit* txtParam;
    QLineEdit* txtSI;
    QLineEdit* txtIcon;
    QComboBox* cmbRun;
    QLineEdit* txtComments;
    QLabel* lblStar;
    QLabel* imgIcon;
    QPushButton* cmdAdd;
    QPushButton* cmdAddClose;
    QPushButton* cmdCancel;
    QCheckBox* chkAddBottom;
    QCheckBox* chkClear;
    QGroupBox* fraQT;
    QToolButton* cmdQT;
    QCheckBox* chkQTNewWin;
    QToolButton* cmdC1;
    QToolButton* cmdC2;
    QToolButton* cmdP1;
    QToolButton* cmdP2;
    QToolButton* cmdS2;
    QToolButton* cmdI1;
    QToolButton* cmdI2;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void BuildControls();
    void NameBrowseButtons();
    void Form_Load();
    void cmdAddClose_Click();
    void cmdQT_Click();
    void txtIcon_Change();
    void ShowRun(const QString& Run);
    QString RunnerProgram() const;

    EditorContext& Ctx;
    int EditRow = 0;
};
