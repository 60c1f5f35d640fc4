#include "EditorActions.h"

#include "shell/PlainMenuNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction* MakeAction(QMenu* Menu, const char* Name, const QString& Caption,
                    const QKeySequence& Shortcut = {}) {
    auto* action = Menu->addAction(Caption);
    action->setObjectName(QLatin1String(Name));
    action->setShortcut(Shortcut);
    return action;
}

QMenu* MakeMenu(QMainWindow& Window, const char* Name, const QString& Caption) {
    QMenu* menu = Window.menuBar()->addMenu(Caption);
    menu->setObjectName(QLatin1String(Name));
    return menu;
}

// A toolbar button: the desktop theme's icon when it has one, else our own drawing,
// so the toolbar is never blank.
void ToToolbar(QToolBar* Bar, QAction* Action, const char* ThemeIcon, const QString& ToolTip) {
    const QString own = QStringLiteral(":/editor/icons/%1.svg").arg(QLatin1String(ThemeIcon));
    Action->setIcon(QIcon::fromTheme(QLatin1String(ThemeIcon), QIcon(own)));
    Action->setToolTip(ToolTip);
    Bar->addAction(Action);
}

} // namespace

void EditorActions::Create(QMainWindow& Window) {
    PlainMenuNames::Install();
    QMenu* file = MakeMenu(Window, "mnuFile", tr("&File"));
    mnuFileNew = MakeAction(file, "mnuFileNew", tr("&New"), Qt::CTRL | Qt::Key_N);
    mnuFileOpen = MakeAction(file, "mnuFileOpen", tr("&Open..."), Qt::CTRL | Qt::Key_O);
    mnuFileSave = MakeAction(file, "mnuFileSave", tr("&Save"), Qt::CTRL | Qt::Key_S);
    mnuFileSaveAs = MakeAction(file, "mnuFileSaveAs", tr("Save &As..."), Qt::CTRL | Qt::Key_B);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile3"));
    mnuFileImport =
        MakeAction(file, "mnuFileImport", tr("&Import Quintor File Items..."), Qt::Key_F11);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuFileBuild = MakeAction(file, "mnuFileBuild", tr("&Build..."), Qt::Key_F3);
    mnuFileRun = MakeAction(file, "mnuFileRun", tr("&Run..."), Qt::CTRL | Qt::Key_R);
    mnuFileShortcut = MakeAction(file, "mnuFileShortcut", tr("Create Shortcut on &Desktop..."),
                                 Qt::CTRL | Qt::Key_E);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile2"));
    mnuFileExit = MakeAction(file, "mnuFileExit", tr("E&xit"));

    QMenu* edit = MakeMenu(Window, "mnuEdit", tr("&Edit"));
    // Their captions come from ShowHistory below.
    mnuEditUndo = MakeAction(edit, "mnuEditUndo", QString(), Qt::CTRL | Qt::Key_Z);
    mnuEditRedo = MakeAction(edit, "mnuEditRedo", QString());
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit5"));
    mnuEditCopy = MakeAction(edit, "mnuEditCopy", tr("&Copy and paste"), Qt::Key_F12);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit1"));
    mnuEditAdd = MakeAction(edit, "mnuEditAdd", tr("&Add icon..."), Qt::Key_F4);
    mnuEditAddApps =
        MakeAction(edit, "mnuEditAddApps", tr("Add &from applications..."), Qt::SHIFT | Qt::Key_F4);
    mnuEditAddSection = MakeAction(edit, "mnuEditAddSection",
                                   tr("Add se&ction (above selected item)..."), Qt::Key_F7);
    mnuEditEdit = MakeAction(edit, "mnuEditEdit", tr("&Edit selected item..."), Qt::Key_F2);
    mnuEditDelete = MakeAction(edit, "mnuEditDelete", tr("&Delete selected item..."), Qt::Key_F8);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit4"));
    mnuEditMoveUp = MakeAction(edit, "mnuEditMoveUp", tr("Move &up"), Qt::CTRL | Qt::Key_U);
    mnuEditMoveDown = MakeAction(edit, "mnuEditMoveDown", tr("Move do&wn"), Qt::CTRL | Qt::Key_D);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit3"));
    mnuEditReplace = MakeAction(edit, "mnuEditReplace", tr("&Rep&lace..."), Qt::CTRL | Qt::Key_H);
    mnuEditSwap = MakeAction(edit, "mnuEditSwap", tr("&Swap Columns..."), Qt::Key_F6);
    mnuEditCheck = MakeAction(edit, "mnuEditCheck", tr("Check &items"), Qt::Key_F5);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit2"));
    mnuEditProperty =
        MakeAction(edit, "mnuEditProperty", tr("Edit &property..."), Qt::CTRL | Qt::Key_P);
    mnuEditReset = MakeAction(edit, "mnuEditReset", tr("&Reset properties..."), Qt::Key_F9);

    QMenu* help = MakeMenu(Window, "mnuHelp", tr("&Help"));
    mnuHelpContents = MakeAction(help, "mnuHelpContents", tr("&Contents"));
    mnuHelpFeedback =
        MakeAction(help, "mnuHelpFeedback", tr("&Send feedback..."), Qt::CTRL | Qt::Key_F1);
    mnuHelpAbout = MakeAction(help, "mnuHelpAbout", tr("&About..."), Qt::CTRL | Qt::Key_F2);

    // Run and Create Shortcut wait for a built page; Edit property for a chosen property.
    mnuFileRun->setEnabled(false);
    mnuFileShortcut->setEnabled(false);
    mnuEditProperty->setEnabled(false);
    ShowHistory({}, {});

    tbMain = Window.addToolBar(tr("Toolbar"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    tbMain->setContextMenuPolicy(Qt::PreventContextMenu);
    tbMain->toggleViewAction()->setVisible(false);
    ToToolbar(tbMain, mnuFileNew, "document-new", tr("New (Ctrl+N)"));
    ToToolbar(tbMain, mnuFileOpen, "document-open", tr("Open (Ctrl+O)"));
    ToToolbar(tbMain, mnuFileSave, "document-save", tr("Save (Ctrl+S)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuFileBuild, "text-html", tr("Build (F3)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuEditUndo, "edit-undo", tr("Undo (Ctrl+Z)"));
    ToToolbar(tbMain, mnuEditRedo, "edit-redo", tr("Redo (Ctrl+Shift+Z)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuEditAdd, "list-add", tr("Add icon (F4)"));
    ToToolbar(tbMain, mnuEditAddApps, "applications-other", tr("Add from applications (Shift+F4)"));
    ToToolbar(tbMain, mnuEditAddSection, "insert-object",
              tr("Add section (above selected item) (F7)"));
    ToToolbar(tbMain, mnuEditEdit, "document-properties", tr("Edit (F2)"));
    ToToolbar(tbMain, mnuEditDelete, "edit-delete", tr("Delete (F8)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuEditMoveUp, "go-up", tr("Move up (Ctrl+U)"));
    ToToolbar(tbMain, mnuEditMoveDown, "go-down", tr("Move down (Ctrl+D)"));
}

void EditorActions::ShowHistory(const QString& UndoName, const QString& RedoName) {
    // Caption: the command alone; Named: the command with the step it takes (%1).
    const auto show = [](QAction* Action, const QString& Caption, const QString& Named,
                         const QString& Name, const QString& Keys) {
        Action->setEnabled(!Name.isEmpty());
        Action->setText(Name.isEmpty() ? Caption : Named.arg(Name));
        QString plainCaption = Caption;
        plainCaption.remove(QLatin1Char('&'));
        QString plainNamed = Named;
        plainNamed.remove(QLatin1Char('&'));
        const QString tip = Name.isEmpty() ? plainCaption : plainNamed.arg(Name);
        Action->setToolTip(QStringLiteral("%1 (%2)").arg(tip, Keys));
    };
    // Access keys of their own: U belongs to "Move &up", R to "&Replace" and "&Reset".
    show(mnuEditUndo, tr("U&ndo"), tr("U&ndo %1"), UndoName, tr("Ctrl+Z"));
    show(mnuEditRedo, tr("Red&o"), tr("Red&o %1"), RedoName, tr("Ctrl+Shift+Z"));
}
