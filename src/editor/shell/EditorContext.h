#pragma once

#include <QList>

class LauncherDocument;
class PreviewFolder;
class QDialog;
class QPlainTextEdit;
class QWidget;
class UserDialogs;

// What the editor's commands and dialogs need of the main window. frmQTE implements
// it; tests use a fake. Positions are 1-based; 0 means "none".
class EditorContext {
public:
    virtual ~EditorContext() = default;

    virtual LauncherDocument& Doc() = 0;
    virtual UserDialogs& Dialogs() = 0;
    // Owner of the dialogs the commands open.
    virtual QWidget* MainWindow() = 0;

    // The item list's selection. SelectedRow is the current (focused) row.
    virtual int SelectedRow() const = 0;
    virtual QList<int> SelectedRows() const = 0;
    // Makes Pos the current row and the only selected one.
    virtual void SelectRow(int Pos) = 0;
    virtual void SetRowSelected(int Pos, bool Selected) = 0;
    // Leaves exactly the current row selected.
    virtual void Deselect() = 0;
    virtual void Checkmenus() = 0;

    // Tabs of tabMain: 0 "&Icons", 1 "&Properties", 2 "&HTML", 3 "P&review".
    virtual void ShowTab(int Index) = 0;
    virtual int CurrentTab() const = 0;

    // The property list's selected row (list position in Doc().Props), 0 when none.
    virtual int SelectedPropertyRow() const = 0;
    virtual void SetPropertyCommandEnabled(bool Enabled) = 0; // mnuEditProperty

    // File, Save (falls back to Save As; may leave Doc().Changed() true).
    virtual void FileSave() = 0;

    // The page source view on the "&HTML" tab and the host of the preview on "P&review".
    virtual QPlainTextEdit& HtmlView() = 0;
    virtual QWidget& PreviewHost() = 0;
    // This editor's own preview page and icons.
    virtual PreviewFolder& PreviewFiles() = 0;
};
