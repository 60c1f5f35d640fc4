#include "frmQTE.h"

#include "build/PageBuild.h"
#include "build/ui/BuildCommands.h"
#include "components/AppError.h"
#include "components/CodeFont.h"
#include "components/NameInMessage.h"
#include "components/PackStore.h"
#include "components/Tolvik.h"
#include "components/dialogs/QtUserDialogs.h"
#include "components/platform/DefaultApplication.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherFile.h"
#include "document/RecoveryKeeper.h"
#include "document/RecoveryStore.h"
#include "items/ItemCheck.h"
#include "items/ItemChecker.h"
#include "items/ui/AppCommands.h"
#include "items/ui/CheckCommands.h"
#include "items/ui/ImportCommands.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/ReplaceCommands.h"
#include "items/ui/SectionCommands.h"
#include "items/ui/ShortcutCommands.h"
#include "items/ui/SwapCommands.h"
#include "properties/ui/PropertyCommands.h"
#include "shell/CommandLine.h"
#include "shell/CommandState.h"
#include "shell/ItemListView.h"
#include "shell/ProgramInfo.h"
#include "shell/RecoveryCommands.h"
#include "shell/ReportView.h"
#include "shell/frmAbout.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

// Resources of a static library are registered by name, outside any namespace.
static void InitEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace {

// Design sizes, from twips at 15 to the pixel.
constexpr int ClientWidth = 660;      // 9900 twips
constexpr int ClientHeight = 395;     // 5928 twips
constexpr int PageMargin = 8;         // half the 240 twips the lists are narrower than the tabs
constexpr int PropNameWidth = 235;    // 3519 twips
constexpr int PropSettingWidth = 640; // 9604 twips
// Room for the window manager's frame, which a window does not know before it is shown.
constexpr int FrameSide = 8;
constexpr int TitleBar = 40;

// A tab page whose content keeps the same offset from every edge, so it follows the
// window's size with the relations of the design.
QWidget* TabPage(QWidget* Content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
    layout->addWidget(Content);
    return page;
}

} // namespace

frmQTE::frmQTE(UserDialogs* Dialogs, QWidget* Parent) : QMainWindow(Parent) {
    InitEditorResources();
    setObjectName(QStringLiteral("frmQTE"));
    setWindowIcon(QIcon(QStringLiteral(":/editor/icons/qtedit2.svg")));
    if (!Dialogs) {
        OwnDialogs = std::make_unique<QtUserDialogs>(this);
        Dialogs = OwnDialogs.get();
    }
    UserDialogsPort = Dialogs;

    A.Create(*this);
    CreateTabs();
    ShowBrokenItems();
    ConnectCommands();

    ShowCaption();
    connect(&Document, &LauncherDocument::CaptionChanged, this, &frmQTE::ShowCaption);
    // A change made anywhere (a dialog, an edit in place, a drop) shows in the caption and
    // in the commands at once.
    connect(&Document, &LauncherDocument::ModificationChanged, this, [this] {
        ShowCaption();
        Checkmenus();
    });
    connect(&Document.History, &EditHistory::StateChanged, this, &frmQTE::ShowHistory);
    // The design size, within the screen's free area (a small screen, or one at 200 %).
    const QSize frame(2 * FrameSide, FrameSide + TitleBar);
    resize(QSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height())
               .boundedTo(screen()->availableGeometry().size() - frame));
}

// The views go before the document they show, not after it with the other children.
frmQTE::~frmQTE() {
    delete tabMain;
    Document.Items.SetProblemSource({}, {});
}

// Items whose command, folder or icon is missing carry a warning, checked off the user
// interface thread whenever the rows change.
void frmQTE::ShowBrokenItems() {
    Checker = std::make_unique<ItemChecker>(Document.Items);
    const QIcon warning = QIcon::fromTheme(QStringLiteral("dialog-warning"),
                                           style()->standardIcon(QStyle::SP_MessageBoxWarning));
    Document.Items.SetProblemSource(
        [this](const LauncherItem& Row) {
            return ItemCheck::Describe(Checker->ProblemsOf(Row), Row);
        },
        warning);
    connect(Checker.get(), &ItemChecker::Checked, lvItems->viewport(),
            qOverload<>(&QWidget::update));
}

void frmQTE::CreateTabs() {
    tabMain = new QTabWidget(this);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    setCentralWidget(tabMain);

    lvItems = new ItemListView(Document.Items);
    lvItems->setDragDropMode(QAbstractItemView::DragDrop);
    lvItems->setDefaultDropAction(Qt::MoveAction);
    lvItems->setDropIndicatorShown(true);

    lvProp = new ReportView;
    lvProp->setObjectName(QStringLiteral("lvProp"));
    lvProp->setRootIsDecorated(false);
    lvProp->setItemsExpandable(false);
    lvProp->setUniformRowHeights(true);
    lvProp->setAllColumnsShowFocus(true);
    lvProp->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvProp->setSelectionMode(QAbstractItemView::SingleSelection);
    lvProp->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvProp->setModel(&Document.Props);
    lvProp->header()->setStretchLastSection(false);
    lvProp->setColumnWidth(0, PropNameWidth);
    lvProp->setColumnWidth(1, PropSettingWidth);
    lvProp->installEventFilter(this);

    rtfHTML = new QPlainTextEdit;
    rtfHTML->setObjectName(QStringLiteral("rtfHTML"));
    rtfHTML->setFont(CodeFont());
    rtfHTML->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The source is there to be read: Tab goes on to the next control instead of typing.
    rtfHTML->setTabChangesFocus(true);

    fraPreview = new QWidget;
    fraPreview->setObjectName(QStringLiteral("fraPreview"));
    auto* previewLayout = new QVBoxLayout(fraPreview);
    previewLayout->setContentsMargins(0, 0, 0, 0);

    tabMain->addTab(TabPage(lvItems), tr("&Icons"));
    tabMain->addTab(TabPage(lvProp), tr("&Properties"));
    tabMain->addTab(TabPage(rtfHTML), tr("&HTML"));
    tabMain->addTab(TabPage(fraPreview), tr("P&review"));
    NameViews();
}

// Names and descriptions a screen reader gives the views, which show no caption of their
// own (the tab above them names them for the eye).
void frmQTE::NameViews() {
    tabMain->setAccessibleName(tr("Views"));
    lvItems->setAccessibleName(tr("Items"));
    lvItems->setAccessibleDescription(
        tr("The items and sections of the launcher page, in page order"));
    lvProp->setAccessibleName(tr("Page properties"));
    lvProp->setAccessibleDescription(tr("Press Enter to change the selected property"));
    rtfHTML->setAccessibleName(tr("HTML source"));
    rtfHTML->setAccessibleDescription(tr("The page as it would be built, for reading"));
}

// A property changed while the user is on its row (Enter on True/False) is announced: the
// reader hears the row's cell with the new setting.
void frmQTE::AnnouncePropertyChange(int Row) {
    const QModelIndex current = lvProp->currentIndex();
    if (!lvProp->hasFocus() || current.row() != Row)
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(lvProp);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface* cell = table ? table->cellAt(Row, current.column()) : nullptr;
    if (!cell)
        return;
    // The name cell carries the setting as its description, the setting cell as its name.
    QAccessibleEvent changed(cell, current.column() == 0 ? QAccessible::DescriptionChanged
                                                         : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void frmQTE::ConnectCommands() {
    const std::pair<QAction*, void (frmQTE::*)()> commands[] = {
        {A.mnuFileNew, &frmQTE::mnuFileNew_Click},
        {A.mnuFileOpen, &frmQTE::mnuFileOpen_Click},
        {A.mnuFileSave, &frmQTE::mnuFileSave_Click},
        {A.mnuFileSaveAs, &frmQTE::mnuFileSaveAs_Click},
        {A.mnuFileImport, &frmQTE::mnuFileImport_Click},
        {A.mnuFileBuild, &frmQTE::mnuFileBuild_Click},
        {A.mnuFileRun, &frmQTE::mnuFileRun_Click},
        {A.mnuFileShortcut, &frmQTE::mnuFileShortcut_Click},
        {A.mnuFileExit, &frmQTE::mnuFileExit_Click},
        {A.mnuEditUndo, &frmQTE::mnuEditUndo_Click},
        {A.mnuEditRedo, &frmQTE::mnuEditRedo_Click},
        {A.mnuEditCopy, &frmQTE::mnuEditCopy_Click},
        {A.mnuEditAdd, &frmQTE::mnuEditAdd_Click},
        {A.mnuEditAddApps, &frmQTE::mnuEditAddApps_Click},
        {A.mnuEditAddSection, &frmQTE::mnuEditAddSection_Click},
        {A.mnuEditEdit, &frmQTE::mnuEditEdit_Click},
        {A.mnuEditDelete, &frmQTE::mnuEditDelete_Click},
        {A.mnuEditMoveUp, &frmQTE::mnuEditMoveUp_Click},
        {A.mnuEditMoveDown, &frmQTE::mnuEditMoveDown_Click},
        {A.mnuEditReplace, &frmQTE::mnuEditReplace_Click},
        {A.mnuEditSwap, &frmQTE::mnuEditSwap_Click},
        {A.mnuEditCheck, &frmQTE::mnuEditCheck_Click},
        {A.mnuEditProperty, &frmQTE::mnuEditProperty_Click},
        {A.mnuEditReset, &frmQTE::mnuEditReset_Click},
        {A.mnuHelpContents, &frmQTE::mnuHelpContents_Click},
        {A.mnuHelpFeedback, &frmQTE::mnuHelpFeedback_Click},
        {A.mnuHelpAbout, &frmQTE::mnuHelpAbout_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);

    // F1 anywhere in the window opens the manual, as Help, Contents does.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &frmQTE::OpenHelpFile);

    connect(tabMain, &QTabWidget::currentChanged, this, [this](int Index) {
        const int previous = ShownTab;
        ShownTab = Index;
        tabMain_Click(previous);
    });

    // The command state follows the current row however it moves (mouse or keys).
    connect(lvItems, &QAbstractItemView::clicked, this, &frmQTE::lvItems_ItemClick);
    connect(lvItems->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmQTE::lvItems_ItemClick);
    connect(&Document.Items, &ItemRows::DropRequested, this, &frmQTE::lvItems_Drop);
    connect(lvItems, &ItemListView::SectionEditRequested, this, &frmQTE::mnuEditEdit_Click);
    // Rows that arrive in a list without a current row (an import, an Add into an empty
    // list) get one, as after a load: the item commands act on the current row.
    connect(&Document.Items, &QAbstractItemModel::rowsInserted, this, &frmQTE::EnsureCurrentRow);

    connect(lvProp, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& Index) { lvProp_ItemClick(Index.row() + 1); });
    // The page file is looked at when the page property changes (a build, a property edit,
    // a file opened), never when the selection moves: a slow folder must not freeze the list.
    connect(&Document.Props, &QAbstractItemModel::modelReset, this, &frmQTE::CheckPageFile);
    connect(&Document.Props, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& From) {
                if (From.row() == 0)
                    CheckPageFile();
                AnnouncePropertyChange(From.row());
            });
    connect(&Document, &LauncherDocument::PropertiesReset, this, [this] {
        lvProp->selectionModel()->clearSelection();
        lvProp->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        SetPropertyCommandEnabled(false);
    });
}

bool frmQTE::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == lvProp && Event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(Event);
        lvProp_KeyDown(key->key(), key->modifiers());
        // Enter on a property does what a click does, for those who use the keyboard.
        const QModelIndex current = lvProp->currentIndex();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && current.isValid()) {
            lvProp_ItemClick(current.row() + 1);
            return true;
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}

// ---- Start-up and close -------------------------------------------------------------

void frmQTE::Form_Load(const QStringList& Arguments) {
    Document.APath = SystemPaths::ProgramFolder();
    Document.NextNew = 1;
    {
        const EditHistory::Pause quiet = Document.History.Suspend();
        Document.Propulate();
    }
    Document.History.Clear();
    const QString path = EditorCommandLinePath(Arguments);
    if (StartRecovery()) {
        AfterLoad();
    } else if (PackStore::PackFileExists(path)) {
        try {
            LauncherFile::OpenFile(Document, path, false);
            AfterLoad();
        } catch (const AppError& error) {
            ReportFailure(OpenFailure(), path, tr("Open Error"), error);
            mnuFileNew_Click();
        }
    }
    show();
    lvItems->setVisible(true);
    Checkmenus();
}

// This editor's own recovery slot first, so that an editor starting beside it sees it
// running; then what crashed editors left. True when a copy became the document.
bool frmQTE::StartRecovery() {
    Recovery = std::make_unique<RecoveryStore>();
    if (!Recovery->Open())
        return false;
    const bool restored = RecoveryCommands::OfferCopies(Document, Dialogs(), *Recovery);
    RecoveryCopy = std::make_unique<RecoveryKeeper>(Document, *Recovery);
    return restored;
}

void frmQTE::closeEvent(QCloseEvent* Event) {
    if (LauncherFile::ChangeFile(Document, Dialogs(), [this] { mnuFileSave_Click(); })) {
        if (Recovery)
            Recovery->Close();
        Document.CO.Release();
        Event->accept();
    } else {
        Event->ignore();
    }
    // The preview page is of no use to anyone once the user wanted to leave.
    Preview.Remove();
}

QString frmQTE::OpenFailure() {
    return tr("An error occurred when attempting to open the file '%1' - %2, %3");
}

// Message: the file (%1), the error's description (%2) and its number (%3).
void frmQTE::ReportFailure(const QString& Message, const QString& Path, const QString& Title,
                           const AppError& Error) {
    Dialogs().MsgBox(
        Message.arg(NameInMessage(Path), Error.Description, QString::number(Error.Number)),
        MsgButtons::OK, MsgIcon::Critical, Title);
}

// The document's caption, marked with "*" while it has changes its file does not have.
void frmQTE::ShowCaption() {
    setWindowTitle((Document.Changed() ? QStringLiteral("*") : QString()) + Document.Caption());
}

// A document just came from a file: its rows are shown from the top, the first one
// current, so the item commands have a row to act on.
void frmQTE::AfterLoad() {
    ShowTab(0);
    EnsureCurrentRow();
    Checkmenus();
}

void frmQTE::EnsureCurrentRow() {
    if (Document.Items.Count() > 0 && SelectedRow() == 0)
        SelectRow(1);
}

// ---- File commands ------------------------------------------------------------------

void frmQTE::mnuFileNew_Click() {
    if (!LauncherFile::ChangeFile(Document, Dialogs(), [this] { mnuFileSave_Click(); }))
        return;
    ++Document.NextNew;
    Document.SetCaption(QStringLiteral("New File ") + QString::number(Document.NextNew) +
                        QStringLiteral(" - ") + LauncherDocument::ProgramTitle);
    Document.CO.Release();
    Document.HeaderHTML.clear();
    Document.FooterHTML.clear();
    Document.CurFile.clear();
    ShowTab(0);
    {
        // A new document starts a new history.
        const EditHistory::Pause quiet = Document.History.Suspend();
        Document.Propulate();
        Document.Items.Clear();
    }
    Document.History.Clear();
    Checkmenus();
}

void frmQTE::mnuFileOpen_Click() {
    if (!LauncherFile::ChangeFile(Document, Dialogs(), [this] { mnuFileSave_Click(); }))
        return;
    FileDialogRequest request;
    request.Title = tr("Open a Quintor File");
    request.Filter = LauncherFile::OpenFilter();
    request.MustExist = true;
    const std::optional<QString> path = Dialogs().FileDialog(request);
    if (!path)
        return;
    try {
        LauncherFile::OpenFile(Document, *path, false);
        AfterLoad();
    } catch (const AppError& error) {
        ReportFailure(OpenFailure(), *path, tr("Open Error"), error);
    }
}

void frmQTE::mnuFileSave_Click() {
    if (LauncherFile::SaveNeedsName(Document)) {
        mnuFileSaveAs_Click();
        return;
    }
    try {
        LauncherFile::SaveFile(Document, Document.CurFile);
    } catch (const AppError&) {
        // Saving elsewhere is the way out; Save As reports its own failure.
        mnuFileSaveAs_Click();
    }
}

void frmQTE::mnuFileSaveAs_Click() {
    FileDialogRequest request;
    request.Title = tr("Save the Quintor File");
    request.Filter = LauncherFile::SaveFilter();
    request.FileName = LauncherFile::ProposedSaveName(Document);
    request.Save = true;
    request.ConfirmOverwrite = true;
    const std::optional<QString> path = Dialogs().FileDialog(request);
    if (!path)
        return;
    try {
        LauncherFile::SaveFile(Document, *path);
    } catch (const AppError& error) {
        ReportFailure(tr("An error occurred when attempting to save the file '%1' - %2, %3"), *path,
                      tr("Save Error"), error);
    }
}

void frmQTE::mnuFileExit_Click() {
    close();
}

// ---- Commands of the other areas ------------------------------------------------------

void frmQTE::mnuFileImport_Click() {
    ImportCommands::mnuFileImport_Click(*this);
}

void frmQTE::mnuFileBuild_Click() {
    BuildCommands::mnuFileBuild_Click(*this);
}

void frmQTE::mnuFileRun_Click() {
    BuildCommands::mnuFileRun_Click(*this);
}

void frmQTE::mnuFileShortcut_Click() {
    ShortcutCommands::mnuFileShortcut_Click(*this);
}

// ---- Undo and redo ------------------------------------------------------------------

void frmQTE::ShowHistory() {
    A.ShowHistory(Document.History.UndoName(), Document.History.RedoName());
}

void frmQTE::mnuEditUndo_Click() {
    TakeStep(false);
}

void frmQTE::mnuEditRedo_Click() {
    TakeStep(true);
}

// While a Description is being edited in place, the keys and the commands belong to the
// field and take back its typing, as in any text field.
void frmQTE::TakeStep(bool Again) {
    if (QLineEdit* field = lvItems->InPlaceEditor()) {
        Again ? field->redo() : field->undo();
        return;
    }
    if (const auto touched = Again ? Document.Redo() : Document.Undo())
        ShowTouched(*touched);
}

// The user sees what was taken back or done again: the rows selected and in view, or,
// for a change of the page properties alone, the property on its tab.
void frmQTE::ShowTouched(const LauncherDocument::Touched& Where) {
    if (!Where.Rows.isEmpty() || Where.Properties.isEmpty()) {
        ShowTab(0);
        SelectRows(Where.Rows);
    } else {
        ShowTab(1);
        const int row = Document.Props.Find(Where.Properties.first());
        const QModelIndex index = Document.Props.index(row - 1, 0);
        lvProp->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        lvProp->scrollTo(index);
        SetPropertyCommandEnabled(true);
    }
    Checkmenus();
}

// Runs of neighbouring rows are selected as one range each: a step over all rows of a
// large list selects them at once.
void frmQTE::SelectRows(const QList<int>& Rows) {
    if (Rows.isEmpty())
        return;
    SelectRow(Rows.first());
    QItemSelection ranges;
    for (int i = 0; i < Rows.size();) {
        int last = i;
        while (last + 1 < Rows.size() && Rows[last + 1] == Rows[last] + 1)
            ++last;
        ranges.select(Document.Items.index(Rows[i] - 1, 0),
                      Document.Items.index(Rows[last] - 1, LauncherItem::CellCount - 1));
        i = last + 1;
    }
    lvItems->selectionModel()->select(ranges, QItemSelectionModel::Select);
}

void frmQTE::mnuEditCopy_Click() {
    ItemCommands::mnuEditCopy_Click(*this);
}

void frmQTE::mnuEditAdd_Click() {
    ItemCommands::mnuEditAdd_Click(*this);
}

void frmQTE::mnuEditAddApps_Click() {
    AppCommands::mnuEditAddApps_Click(*this);
}

void frmQTE::mnuEditAddSection_Click() {
    SectionCommands::mnuEditAddSection_Click(*this);
}

void frmQTE::mnuEditEdit_Click() {
    ItemCommands::mnuEditEdit_Click(*this);
}

void frmQTE::mnuEditDelete_Click() {
    ItemCommands::mnuEditDelete_Click(*this);
}

void frmQTE::mnuEditMoveUp_Click() {
    ItemCommands::mnuEditMoveUp_Click(*this);
}

void frmQTE::mnuEditMoveDown_Click() {
    ItemCommands::mnuEditMoveDown_Click(*this);
}

void frmQTE::mnuEditReplace_Click() {
    ReplaceCommands::mnuEditReplace_Click(*this);
}

void frmQTE::mnuEditSwap_Click() {
    SwapCommands::mnuEditSwap_Click(*this);
}

void frmQTE::mnuEditCheck_Click() {
    CheckCommands::mnuEditCheck_Click(*this, *Checker);
}

void frmQTE::mnuEditProperty_Click() {
    PropertyCommands::mnuEditProperty_Click(*this);
}

void frmQTE::mnuEditReset_Click() {
    PropertyCommands::mnuEditReset_Click(*this);
}

void frmQTE::tabMain_Click(int PreviousTab) {
    ReplaceCommands::CloseReplaceWindow(*this);
    BuildCommands::tabMain_Click(*this, PreviousTab);
}

void frmQTE::lvProp_ItemClick(int ListPos) {
    PropertyCommands::lvProp_ItemClick(*this, ListPos);
}

void frmQTE::lvProp_KeyDown(int KeyCode, Qt::KeyboardModifiers /*Shift*/) {
    PropertyCommands::lvProp_KeyDown(*this, KeyCode);
}

// ---- Help ---------------------------------------------------------------------------

void frmQTE::mnuHelpContents_Click() {
    OpenHelpFile();
}

void frmQTE::OpenHelpFile() {
    const SystemPaths::DataFile manual =
        SystemPaths::FindData(ProgramInfo::ManualPage(), Document.APath);
    if (!manual.Found) {
        Dialogs().MsgBox(tr("The help file could not be opened. It was expected at '%1'.")
                             .arg(NameInMessage(manual.Path)),
                         MsgButtons::OK, MsgIcon::Information, LauncherDocument::ProgramTitle);
        return;
    }
    const DefaultApplication::Result shown = DefaultApplication::OpenPage(manual.Path);
    if (!shown.Started)
        Dialogs().MsgBox(tr("The manual at '%1' could not be shown in a web browser: %2.")
                             .arg(NameInMessage(manual.Path), shown.Reason),
                         MsgButtons::OK, MsgIcon::Information, LauncherDocument::ProgramTitle);
}

void frmQTE::mnuHelpFeedback_Click() {
    if (OpenWithDefaultApplication(ProgramInfo::FeedbackLink()))
        return;
    Dialogs().MsgBox(tr("No mail program could be started. Please send your feedback to %1.")
                         .arg(ProgramInfo::FeedbackAddress()),
                     MsgButtons::OK, MsgIcon::Information, LauncherDocument::ProgramTitle);
}

void frmQTE::mnuHelpAbout_Click() {
    frmAbout about(this);
    Dialogs().ShowModal(about);
}

// ---- Item list and command state ------------------------------------------------------

void frmQTE::lvItems_ItemClick() {
    Checkmenus();
}

void frmQTE::lvItems_Drop(int Pos, const QMimeData& Data) {
    const QList<int> rows = Document.Items.DraggedRows(Data);
    const QList<AppItems::Link> links =
        rows.isEmpty() ? AppItems::LinksOf(Data) : QList<AppItems::Link>();
    // The view is still inside its drop handling: the rows change once it is done.
    QTimer::singleShot(0, this, [this, Pos, rows, links] {
        if (!rows.isEmpty())
            ItemCommands::DragRows(*this, rows, Pos);
        else if (!links.isEmpty())
            AppCommands::DropLinks(*this, Pos, links);
    });
}

void frmQTE::Checkmenus() {
    const CommandState state = ItemCommandState(Document.Items, SelectedRow());
    for (QAction* action : {A.mnuEditCopy, A.mnuEditEdit, A.mnuEditDelete})
        action->setEnabled(state.Copy);
    A.mnuEditMoveUp->setEnabled(state.MoveUp);
    A.mnuEditMoveDown->setEnabled(state.MoveDown);
    A.mnuFileRun->setEnabled(PageBuilt);
    A.mnuFileShortcut->setEnabled(PageBuilt);
}

// The first property row is "(HTML File)": the page Run and the shortcut start.
void frmQTE::CheckPageFile() {
    PageBuilt = Tolvik::FileExists(Document.Props.At(1).Setting);
    Checkmenus();
}

int frmQTE::SelectedRow() const {
    const QModelIndex current = lvItems->selectionModel()->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QList<int> frmQTE::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : lvItems->selectionModel()->selectedRows())
        rows.append(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmQTE::SelectRow(int Pos) {
    QItemSelectionModel* selection = lvItems->selectionModel();
    if (Pos < 1 || Pos > Document.Items.Count()) {
        selection->clear();
        return;
    }
    const QModelIndex index = Document.Items.index(Pos - 1, 0);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    lvItems->scrollTo(index);
}

void frmQTE::SetRowSelected(int Pos, bool Selected) {
    if (Pos < 1 || Pos > Document.Items.Count())
        return;
    lvItems->selectionModel()->select(
        Document.Items.index(Pos - 1, 0),
        (Selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
            QItemSelectionModel::Rows);
}

void frmQTE::Deselect() {
    const int current = SelectedRow();
    lvItems->selectionModel()->clearSelection();
    SetRowSelected(current, true);
}

void frmQTE::ShowTab(int Index) {
    tabMain->setCurrentIndex(Index);
}

int frmQTE::CurrentTab() const {
    return tabMain->currentIndex();
}

int frmQTE::SelectedPropertyRow() const {
    const QModelIndexList rows = lvProp->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void frmQTE::SetPropertyCommandEnabled(bool Enabled) {
    A.mnuEditProperty->setEnabled(Enabled);
}
