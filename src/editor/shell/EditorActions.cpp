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
    QMenu* file = MakeMenu(Window, "mnuFile", QStringLiteral("&File"));
    mnuFileNew = MakeAction(file, "mnuFileNew", QStringLiteral("&New"), Qt::CTRL | Qt::Key_N);
    mnuFileOpen = MakeAction(file, "mnuFileOpen", QStringLiteral("&Open..."), Qt::CTRL | Qt::Key_O);
    mnuFileSave = MakeAction(file, "mnuFileSave", QStringLiteral("&Save"), Qt::CTRL | Qt::Key_S);
    mnuFileSaveAs =
        MakeAction(file, "mnuFileSaveAs", QStringLiteral("Save &As..."), Qt::CTRL | Qt::Key_B);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile3"));
    mnuFileImport = MakeAction(file, "mnuFileImport",
                               QStringLiteral("&Import Quintor File Items..."), Qt::Key_F11);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuFileBuild = MakeAction(file, "mnuFileBuild", QStringLiteral("&Build..."), Qt::Key_F3);
    mnuFileRun = MakeAction(file, "mnuFileRun", QStringLiteral("&Run..."), Qt::CTRL | Qt::Key_R);
    mnuFileShortcut =
        MakeAction(file, "mnuFileShortcut", QStringLiteral("Create Shortcut on &Desktop..."),
                   Qt::CTRL | Qt::Key_E);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFile2"));
    mnuFileExit = MakeAction(file, "mnuFileExit", QStringLiteral("E&xit"));

    QMenu* edit = MakeMenu(Window, "mnuEdit", QStringLiteral("&Edit"));
    // Their captions come from ShowHistory below.
    mnuEditUndo = MakeAction(edit, "mnuEditUndo", QString(), Qt::CTRL | Qt::Key_Z);
    mnuEditRedo = MakeAction(edit, "mnuEditRedo", QString());
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit5"));
    mnuEditCopy = MakeAction(edit, "mnuEditCopy", QStringLiteral("&Copy and paste"), Qt::Key_F12);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit1"));
    mnuEditAdd = MakeAction(edit, "mnuEditAdd", QStringLiteral("&Add icon..."), Qt::Key_F4);
    mnuEditAddApps =
        MakeAction(edit, "mnuEditAddApps",
                   QCoreApplication::translate("EditorActions", "Add &from applications..."),
                   Qt::SHIFT | Qt::Key_F4);
    mnuEditAddSection =
        MakeAction(edit, "mnuEditAddSection",
                   QStringLiteral("Add se&ction (above selected item)..."), Qt::Key_F7);
    mnuEditEdit =
        MakeAction(edit, "mnuEditEdit", QStringLiteral("&Edit selected item..."), Qt::Key_F2);
    mnuEditDelete =
        MakeAction(edit, "mnuEditDelete", QStringLiteral("&Delete selected item..."), Qt::Key_F8);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit4"));
    mnuEditMoveUp =
        MakeAction(edit, "mnuEditMoveUp", QStringLiteral("Move &up"), Qt::CTRL | Qt::Key_U);
    mnuEditMoveDown =
        MakeAction(edit, "mnuEditMoveDown", QStringLiteral("Move do&wn"), Qt::CTRL | Qt::Key_D);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit3"));
    mnuEditReplace =
        MakeAction(edit, "mnuEditReplace", QStringLiteral("&Rep&lace..."), Qt::CTRL | Qt::Key_H);
    mnuEditSwap = MakeAction(edit, "mnuEditSwap", QStringLiteral("&Swap Columns..."), Qt::Key_F6);
    mnuEditCheck = MakeAction(edit, "mnuEditCheck", QStringLiteral("Check &items"), Qt::Key_F5);
    edit->addSeparator()->setObjectName(QStringLiteral("mnuEdit2"));
    mnuEditProperty = MakeAction(edit, "mnuEditProperty", QStringLiteral("Edit &property..."),
                                 Qt::CTRL | Qt::Key_P);
    mnuEditReset =
        MakeAction(edit, "mnuEditReset", QStringLiteral("&Reset properties..."), Qt::Key_F9);

    QMenu* help = MakeMenu(Window, "mnuHelp", QStringLiteral("&Help"));
    mnuHelpContents = MakeAction(help, "mnuHelpContents", QStringLiteral("&Contents"));
    mnuHelpFeedback = MakeAction(help, "mnuHelpFeedback", QStringLiteral("&Send feedback..."),
                                 Qt::CTRL | Qt::Key_F1);
    mnuHelpAbout =
        MakeAction(help, "mnuHelpAbout", QStringLiteral("&About..."), Qt::CTRL | Qt::Key_F2);

    // Run and Create Shortcut wait for a built page; Edit property for a chosen property.
    mnuFileRun->setEnabled(false);
    mnuFileShortcut->setEnabled(false);
    mnuEditProperty->setEnabled(false);
    ShowHistory({}, {});

    tbMain = Window.addToolBar(QStringLiteral("Toolbar"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->setFloatable(false);
    tbMain->setContextMenuPolicy(Qt::PreventContextMenu);
    tbMain->toggleViewAction()->setVisible(false);
    ToToolbar(tbMain, mnuFileNew, "document-new", QStringLiteral("New (Ctrl+N)"));
    ToToolbar(tbMain, mnuFileOpen, "document-open", QStringLiteral("Open (Ctrl+O)"));
    ToToolbar(tbMain, mnuFileSave, "document-save", QStringLiteral("Save (Ctrl+S)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuFileBuild, "text-html", QStringLiteral("Build (F3)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuEditUndo, "edit-undo", QStringLiteral("Undo (Ctrl+Z)"));
    ToToolbar(tbMain, mnuEditRedo, "edit-redo", QStringLiteral("Redo (Ctrl+Shift+Z)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuEditAdd, "list-add", QStringLiteral("Add icon (F4)"));
    ToToolbar(tbMain, mnuEditAddApps, "applications-other",
              QStringLiteral("Add from applications (Shift+F4)"));
    ToToolbar(tbMain, mnuEditAddSection, "insert-object",
              QStringLiteral("Add section (above selected item) (F7)"));
    ToToolbar(tbMain, mnuEditEdit, "document-properties", QStringLiteral("Edit (F2)"));
    ToToolbar(tbMain, mnuEditDelete, "edit-delete", QStringLiteral("Delete (F8)"));
    tbMain->addSeparator();
    ToToolbar(tbMain, mnuEditMoveUp, "go-up", QStringLiteral("Move up (Ctrl+U)"));
    ToToolbar(tbMain, mnuEditMoveDown, "go-down", QStringLiteral("Move down (Ctrl+D)"));
}

void EditorActions::ShowHistory(const QString& UndoName, const QString& RedoName) {
    const auto show = [](QAction* Action, const QString& Caption, const QString& Name,
                         const QString& Keys) {
        Action->setEnabled(!Name.isEmpty());
        Action->setText(Name.isEmpty() ? Caption : Caption + QLatin1Char(' ') + Name);
        QString tip = Caption;
        tip.remove(QLatin1Char('&'));
        if (!Name.isEmpty())
            tip += QLatin1Char(' ') + Name;
        Action->setToolTip(tip + QStringLiteral(" (") + Keys + QLatin1Char(')'));
    };
    // Access keys of their own: U belongs to "Move &up", R to "&Replace" and "&Reset".
    show(mnuEditUndo, QCoreApplication::translate("EditorActions", "U&ndo"), UndoName,
         QStringLiteral("Ctrl+Z"));
    show(mnuEditRedo, QCoreApplication::translate("EditorActions", "Red&o"), RedoName,
         QStringLiteral("Ctrl+Shift+Z"));
}
