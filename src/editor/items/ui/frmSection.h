#pragma once

#include <QDialog>

class EditorContext;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The section dialog: adds a section row above the selected row, or changes the
// selected section row (the main window's EIcon says which).
class frmSection : public QDialog {
    Q_OBJECT
public:
    explicit frmSection(EditorContext& Ctx, QWidget* Parent = nullptr);

    QLineEdit* txtName;
    QLineEdit* txtColumns;
    QLineEdit* txtIconSize;
    QCheckBox* chkIconsAbove;
    QCheckBox* chkTableBorder;
    QPushButton* cmdAdd;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void Form_Load();
    void cmdAdd_Click();
    // The correction of a number field, as when it loses the focus.
    void CorrectField(QLineEdit* Field);

    EditorContext& Ctx;
    bool EditMode = false;
    int EditRow = 0;
};
