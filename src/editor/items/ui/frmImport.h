#pragma once

#include <QDialog>

class EditorContext;
class QLineEdit;
class QPushButton;

// The import dialog: stays open so that several files can be imported in turn.
class frmImport : public QDialog {
    Q_OBJECT
public:
    explicit frmImport(EditorContext& Ctx, QWidget* Parent = nullptr);

    QLineEdit* txtFile;
    QPushButton* cmdBrowse;
    QLineEdit* txtSection;
    QPushButton* cmdImport;
    QPushButton* cmdClose;

    void cmdBrowse_Click();
    void cmdImport_Click();

private:
    EditorContext& Ctx;
};
