#pragma once

#include "build/PageBuild.h"
#include "document/LauncherDocument.h"
#include "shell/EditorActions.h"
#include "shell/EditorContext.h"

#include <QMainWindow>
#include <memory>

class AppError;
class ItemChecker;
class RecoveryKeeper;
class RecoveryStore;
class ItemListView;
class QMimeData;
class QTabWidget;
class ReportView;

// The editor's main window. It owns the one launcher document, shows its item rows
// (lvItems) and property rows (lvProp), runs the menu and toolbar commands and keeps
// their enabled state in step with the item list.
class frmQTE : public QMainWindow, public EditorContext {
    Q_OBJECT
public:
    // Dialogs: the user-dialogs port to use (tests pass a scripted one); the window's
    // own Qt dialogs when null. It must outlive the window.
    explicit frmQTE(UserDialogs* Dialogs = nullptr, QWidget* Parent = nullptr);
    ~frmQTE() override;

    // Start-up: Arguments are the command line without the program. Offers what an
    // editor that crashed left unsaved; opens the file they name, if there is one
    // (unless a copy was restored instead), and shows the window.
    void Form_Load(const QStringList& Arguments);

    // EditorContext
    LauncherDocument& Doc() override { return Document; }
    UserDialogs& Dialogs() override { return *UserDialogsPort; }
    QWidget* MainWindow() override { return this; }
    int SelectedRow() const override;
    QList<int> SelectedRows() const override;
    void SelectRow(int Pos) override;
    void SetRowSelected(int Pos, bool Selected) override;
    void Deselect() override;
    void Checkmenus() override;
    void ShowTab(int Index) override;
    int CurrentTab() const override;
    int SelectedPropertyRow() const override;
    void SetPropertyCommandEnabled(bool Enabled) override;
    void FileSave() override { mnuFileSave_Click(); }
    QPlainTextEdit& HtmlView() override { return *rtfHTML; }
    QWidget& PreviewHost() override { return *fraPreview; }
    PreviewFolder& PreviewFiles() override { return Preview; }

public slots:
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileImport_Click();
    void mnuFileBuild_Click();
    void mnuFileRun_Click();
    void mnuFileShortcut_Click();
    void mnuFileExit_Click();

    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCopy_Click();
    void mnuEditAdd_Click();
    void mnuEditAddApps_Click();
    void mnuEditAddSection_Click();
    void mnuEditEdit_Click();
    void mnuEditDelete_Click();
    void mnuEditMoveUp_Click();
    void mnuEditMoveDown_Click();
    void mnuEditReplace_Click();
    void mnuEditSwap_Click();
    void mnuEditCheck_Click();
    void mnuEditProperty_Click();
    void mnuEditReset_Click();

    void mnuHelpContents_Click();
    void mnuHelpFeedback_Click();
    void mnuHelpAbout_Click();

    // Runs after the user switched tabs; PreviousTab is the tab shown before.
    void tabMain_Click(int PreviousTab);
    void lvItems_ItemClick();
    // Rows, files or addresses dropped on the item list before row Pos.
    void lvItems_Drop(int Pos, const QMimeData& Data);
    // ListPos: the clicked row's position in Doc().Props.
    void lvProp_ItemClick(int ListPos);
    void lvProp_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);

protected:
    // Form_Unload: asks about unsaved changes; may refuse the close.
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void CreateTabs();
    void NameViews();
    void AnnouncePropertyChange(int Row);
    void ShowBrokenItems();
    void ConnectCommands();
    void AfterLoad();
    void ShowCaption();
    void EnsureCurrentRow();
    void CheckPageFile();
    bool StartRecovery();
    void ShowHistory();
    // Undo (Again false) or Redo.
    void TakeStep(bool Again);
    void ShowTouched(const LauncherDocument::Touched& Where);
    void SelectRows(const QList<int>& Rows);
    void OpenHelpFile();
    static QString OpenFailure();
    void ReportFailure(const QString& Message, const QString& Path, const QString& Title,
                       const AppError& Error);

    LauncherDocument Document;
    std::unique_ptr<ItemChecker> Checker;
    PreviewFolder Preview;
    std::unique_ptr<UserDialogs> OwnDialogs;
    UserDialogs* UserDialogsPort;
    EditorActions A;
    QTabWidget* tabMain = nullptr;
    ItemListView* lvItems = nullptr;
    ReportView* lvProp = nullptr;
    QPlainTextEdit* rtfHTML = nullptr;
    QWidget* fraPreview = nullptr;
    int ShownTab = 0;
    // Whether the page "(HTML File)" names was there when last looked at.
    bool PageBuilt = false;
    std::unique_ptr<RecoveryStore> Recovery;
    std::unique_ptr<RecoveryKeeper> RecoveryCopy;
};
