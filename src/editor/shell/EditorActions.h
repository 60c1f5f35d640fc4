#pragma once

#include <QCoreApplication>
#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

// The editor's commands as actions: one per menu item, shared by the menu and the
// toolbar, so a command's enabled state is always the same in both. Each action
// carries its menu item's name as objectName.
struct EditorActions {
    Q_DECLARE_TR_FUNCTIONS(EditorActions)

public:
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileImport = nullptr;
    QAction* mnuFileBuild = nullptr;
    QAction* mnuFileRun = nullptr;
    QAction* mnuFileShortcut = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditAdd = nullptr;
    QAction* mnuEditAddApps = nullptr;
    QAction* mnuEditAddSection = nullptr;
    QAction* mnuEditEdit = nullptr;
    QAction* mnuEditDelete = nullptr;
    QAction* mnuEditMoveUp = nullptr;
    QAction* mnuEditMoveDown = nullptr;
    QAction* mnuEditReplace = nullptr;
    QAction* mnuEditSwap = nullptr;
    QAction* mnuEditCheck = nullptr;
    QAction* mnuEditProperty = nullptr;
    QAction* mnuEditReset = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpFeedback = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QToolBar* tbMain = nullptr;

    // Builds the menu bar and the toolbar of Window; the actions belong to Window.
    void Create(QMainWindow& Window);
    // Undo and Redo name the step they would take back or do again; an empty name
    // disables the command and leaves its bare caption.
    void ShowHistory(const QString& UndoName, const QString& RedoName);
};
