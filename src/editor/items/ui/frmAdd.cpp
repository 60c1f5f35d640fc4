#include "frmAdd.h"

#include "components/AppError.h"
#include "components/ConfigStore.h"
#include "components/PackStore.h"
#include "components/PictureFile.h"
#include "components/Tolvik.h"
#include "components/UserDialogs.h"
#include "components/platform/FileKinds.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherDocument.h"
#include "items/ItemFields.h"
#include "items/ItemListOps.h"
#include "items/ui/ItemCommands.h"
#include "shell/EditorContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ItemFields;

namespace {
constexpr int PreviewSize = 32;

template <typename T> T* Named(T* Widget, const char* Name) {
    Widget->setObjectName(QLatin1String(Name));
    return Widget;
}
} // namespace

frmAdd::frmAdd(EditorContext& Ctx, QWidget* Parent) : QDialog(Parent), Ctx(Ctx) {
    setObjectName(QStringLiteral("frmAdd"));
    BuildControls();
    Form_Load();
}

void frmAdd::BuildControls() {
    const auto edit = [this](const char* Name) { return Named(new QLineEdit(this), Name); };
    const auto browse = [this](const char* Name, QStyle::StandardPixmap Picture,
                               const QString& Tip) {
        auto* button = Named(new QToolButton(this), Name);
        button->setIcon(style()->standardIcon(Picture));
        button->setToolTip(Tip);
        return button;
    };
    const QString fileTip = tr("Browse for File");
    const QString folderTip = tr("Browse for Folder");

    txtDesc = edit("txtDesc");
    txtCom = edit("txtCom");
    cmdC1 = browse("cmdC1", QStyle::SP_FileIcon, fileTip);
    cmdC2 = browse("cmdC2", QStyle::SP_DirIcon, folderTip);
    txtParam = edit("txtParam");
    cmdP1 = browse("cmdP1", QStyle::SP_FileIcon, fileTip);
    cmdP2 = browse("cmdP2", QStyle::SP_DirIcon, folderTip);
    txtSI = edit("txtSI");
    cmdS2 = browse("cmdS2", QStyle::SP_DirIcon, folderTip);
    txtIcon = edit("txtIcon");
    cmdI1 = browse("cmdI1", QStyle::SP_FileIcon, fileTip);
    cmdI2 = browse("cmdI2", QStyle::SP_DirIcon, folderTip);
    cmbRun = Named(new QComboBox(this), "cmbRun");
    for (const QString& style : RunStyles())
        cmbRun->addItem(RunStyleCaption(style), style);
    txtComments = edit("txtComments");

    imgIcon = Named(new QLabel(this), "imgIcon");
    imgIcon->setFixedSize(PreviewSize + 4, PreviewSize + 4);
    imgIcon->setFrameShape(QFrame::StyledPanel);
    imgIcon->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& Caption, QWidget* Field, QWidget* File = nullptr,
                            QWidget* Folder = nullptr) {
        auto* label = new QLabel(Caption, this);
        label->setBuddy(Field);
        grid->addWidget(label, row, 0);
        grid->addWidget(Field, row, 1);
        if (File)
            grid->addWidget(File, row, 2);
        if (Folder)
            grid->addWidget(Folder, row, 3);
        ++row;
    };
    addRow(tr("* &Description:"), txtDesc);
    addRow(tr("* &Command:"), txtCom, cmdC1, cmdC2);
    addRow(tr("&Parameters:"), txtParam, cmdP1, cmdP2);
    addRow(tr("&Start in:"), txtSI, nullptr, cmdS2);
    addRow(tr("&Icon:"), txtIcon, cmdI1, cmdI2);
    grid->addWidget(imgIcon, row - 1, 4, 2, 1, Qt::AlignCenter);
    addRow(tr("&Run:"), cmbRun);
    addRow(tr("Co&mments:"), txtComments);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 300);

    lblStar = Named(new QLabel(tr("* - mandatory field"), this), "lblStar");

    fraQT = Named(new QGroupBox(tr("Link to &Quintor file"), this), "fraQT");
    cmdQT = browse("cmdQT", QStyle::SP_FileDialogContentsView, tr("Browse for Quintor File"));
    chkQTNewWin = Named(new QCheckBox(tr("&Open in new window"), fraQT), "chkQTNewWin");
    auto* frame = new QHBoxLayout(fraQT);
    cmdQT->setParent(fraQT);
    frame->addWidget(cmdQT);
    frame->addWidget(chkQTNewWin);
    frame->addStretch();

    chkAddBottom = Named(new QCheckBox(tr("Add item at &bottom of list"), this), "chkAddBottom");
    chkAddBottom->setChecked(true);
    chkClear = Named(new QCheckBox(tr("Clear &TextBoxes after adding"), this), "chkClear");
    chkClear->setChecked(true);
    auto* checks = new QVBoxLayout;
    checks->addWidget(chkAddBottom);
    checks->addWidget(chkClear);

    auto* middle = new QHBoxLayout;
    middle->addWidget(fraQT);
    middle->addLayout(checks);
    middle->addStretch();

    cmdAdd = Named(new QPushButton(tr("Add"), this), "cmdAdd");
    cmdAdd->setDefault(true);
    cmdAddClose = Named(new QPushButton(tr("Add a&nd close"), this), "cmdAddClose");
    cmdCancel = Named(new QPushButton(tr("Close"), this), "cmdCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblStar);
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdAddClose);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    QWidget* order[] = {txtDesc, txtCom,      cmdC1,    cmdC2,       txtParam,     cmdP1,
                        cmdP2,   txtSI,       cmdS2,    txtIcon,     cmdI1,        cmdI2,
                        cmbRun,  txtComments, cmdQT,    chkQTNewWin, chkAddBottom, chkClear,
                        cmdAdd,  cmdAddClose, cmdCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* field : {txtDesc, txtCom, txtParam, txtSI, txtIcon, txtComments})
        field->installEventFilter(this);
    NameBrowseButtons();

    connect(cmdAdd, &QPushButton::clicked, this, &frmAdd::AddEdit);
    connect(cmdAddClose, &QPushButton::clicked, this, &frmAdd::cmdAddClose_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdQT, &QToolButton::clicked, this, &frmAdd::cmdQT_Click);
    connect(txtIcon, &QLineEdit::textChanged, this, &frmAdd::txtIcon_Change);

    connect(cmdC1, &QToolButton::clicked, this,
            [this] { FD(tr("Browse for Command"), FileKinds::ProgramsFilter(), txtCom, false); });
    connect(cmdC2, &QToolButton::clicked, this,
            [this] { DD(tr("&Choose a Drive/Folder for the command:"), txtCom, false); });
    connect(cmdP1, &QToolButton::clicked, this,
            [this] { FD(tr("Browse for Parameter"), QString(), txtParam, true); });
    connect(cmdP2, &QToolButton::clicked, this,
            [this] { DD(tr("&Choose a Drive/Folder for the parameters:"), txtParam, true); });
    connect(cmdS2, &QToolButton::clicked, this,
            [this] { DD(tr("&Choose a Start In Drive/Folder:"), txtSI, false); });
    connect(cmdI1, &QToolButton::clicked, this,
            [this] { FD(tr("Choose an Icon"), FileKinds::IconsFilter(), txtIcon, false); });
    connect(cmdI2, &QToolButton::clicked, this,
            [this] { DD(tr("&Choose a Drive/Folder for the icon:"), txtIcon, false); });
}

// The browse buttons show a picture alone; their tooltips say "file" or "folder" but not
// for which field, which is what a reader needs to hear.
void frmAdd::NameBrowseButtons() {
    const std::pair<QToolButton*, QString> names[] = {
        {cmdC1, tr("Browse for the command")},
        {cmdC2, tr("Choose a folder for the command")},
        {cmdP1, tr("Browse for a file for the parameters")},
        {cmdP2, tr("Choose a folder for the parameters")},
        {cmdS2, tr("Choose the start-in folder")},
        {cmdI1, tr("Browse for the icon")},
        {cmdI2, tr("Choose a folder for the icon")},
        {cmdQT, tr("Browse for a Quintor file to link to")},
    };
    for (const auto& [button, name] : names)
        button->setAccessibleName(name);
}

void frmAdd::Form_Load() {
    if (!Ctx.Doc().EIcon) {
        setWindowTitle(tr("Add an Icon"));
        cmbRun->setCurrentIndex(0);
        return;
    }
    Ctx.Deselect();
    const ItemRows& items = Ctx.Doc().Items;
    const int pos = Ctx.SelectedRow();
    EditRow = pos >= 1 && pos <= items.Count() ? pos : 0;
    const LauncherItem row = EditRow ? items.Row(EditRow) : LauncherItem();
    setWindowTitle(tr("Edit Icon %1").arg(row[cellDescription]));
    cmdAdd->setText(tr("&Edit"));
    cmdAddClose->setEnabled(false);
    cmdAddClose->setVisible(false);
    chkClear->setVisible(false);
    chkAddBottom->setVisible(false);
    txtDesc->setText(row[cellDescription]);
    txtCom->setText(row[cellCommand]);
    txtParam->setText(row[cellParameters]);
    txtSI->setText(row[cellStartIn]);
    txtIcon->setText(row[cellIcon]);
    ShowRun(row[cellRun]);
    txtComments->setText(row[cellComments]);
}

void frmAdd::ShowRun(const QString& Run) {
    int index = cmbRun->findData(Run, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // A Run text from elsewhere (a column swap, say) is shown and kept as it is.
    if (index < 0) {
        cmbRun->addItem(Run, Run);
        index = cmbRun->count() - 1;
    }
    cmbRun->setCurrentIndex(index);
}

void frmAdd::AddEdit() {
    const Check check = CheckFields(txtDesc->text(), txtCom->text());
    if (!check.Passed()) {
        Ctx.Dialogs().MsgBox(check.Message, MsgButtons::OK, MsgIcon::Exclamation,
                             Ctx.Doc().EIcon ? tr("Edit Error") : tr("Add Error"));
        (check.Focus == Field::Description ? txtDesc : txtCom)->setFocus();
        UnloadMe = false;
        return;
    }
    txtIcon->setText(RemoveQuotes(txtIcon->text()));

    LauncherDocument& doc = Ctx.Doc();
    const EditHistory::Step step = doc.History.Begin(doc.EIcon ? tr("Edit item") : tr("Add item"));
    const LauncherItem row =
        RowFromFields(txtDesc->text(), txtCom->text(), txtParam->text(), txtSI->text(),
                      txtIcon->text(), cmbRun->currentData().toString(), txtComments->text());
    if (doc.EIcon) {
        if (EditRow >= 1 && EditRow <= doc.Items.Count())
            doc.Items.SetRow(EditRow, row);
        accept();
        return;
    }
    const int selected = Ctx.SelectedRow();
    const QList<int> selection = Ctx.SelectedRows();
    const int pos =
        ItemListOps::AddItemPosition(doc.Items.Count(), selected, chkAddBottom->isChecked());
    doc.Items.Insert(pos, row);
    ItemCommands::ApplySelection(Ctx, ItemListOps::SelectionAfterInsert(selected, selection, pos));
    if (chkClear->isChecked())
        ClearForm();
    txtDesc->setFocus();
    Ctx.Checkmenus();
}

void frmAdd::cmdAddClose_Click() {
    UnloadMe = true;
    AddEdit();
    if (UnloadMe)
        accept();
}

void frmAdd::ClearForm() {
    for (QLineEdit* field : {txtDesc, txtCom, txtParam, txtSI, txtIcon, txtComments})
        field->clear();
    cmbRun->setCurrentIndex(0);
}

QString frmAdd::FD(const QString& DTitle, const QString& FPattern, QLineEdit* TB, bool Param) {
    FileDialogRequest request;
    request.Title = DTitle;
    request.Filter = WithAllFiles(FPattern);
    request.MustExist = true;
    const std::optional<QString> chosen = Ctx.Dialogs().FileDialog(request);
    if (!chosen || chosen->isEmpty())
        return {};
    TB->setText(ApplyPick(TB->text(), *chosen, Param));
    return TB->text();
}

void frmAdd::DD(const QString& Desc, QLineEdit* TB, bool Param) {
    const std::optional<QString> chosen = Ctx.Dialogs().BrowseForFolder(Desc);
    if (!chosen || chosen->isEmpty())
        return;
    TB->setText(ApplyPick(TB->text(), *chosen, Param));
}

void frmAdd::SelAll(QLineEdit* TB) {
    TB->setSelection(0, static_cast<int>(TB->text().size()));
}

bool frmAdd::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::FocusIn) {
        if (auto* field = qobject_cast<QLineEdit*>(Watched)) {
            SelAll(field);
            // A click places the cursor after the focus arrives; select once it has.
            if (static_cast<QFocusEvent*>(Event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, field, [field] { SelAll(field); });
        }
    }
    return QDialog::eventFilter(Watched, Event);
}

void frmAdd::txtIcon_Change() {
    const QString s = RemoveQuotes(txtIcon->text());
    QImage picture;
    bool keep = false;
    try {
        if (Tolvik::FileExists(s)) {
            if (IsPictureFile(s)) {
                picture = PictureFile::Load(s);
                // A picture that does not load leaves the preview as it was.
                keep = picture.isNull();
            } else {
                picture = Tolvik::LargeIcon(s);
            }
        } else if (Tolvik::PathCheck(s) == 1 || Tolvik::FolderExists(s)) {
            picture = Tolvik::LargeIcon(s);
        }
    } catch (const AppError&) {
        // The preview is a courtesy: whatever fails here leaves the dialog working.
        keep = true;
    }
    if (keep)
        return;
    if (picture.isNull()) {
        imgIcon->clear();
        return;
    }
    imgIcon->setPixmap(QPixmap::fromImage(
        picture.scaled(PreviewSize, PreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

QString frmAdd::RunnerProgram() const {
    return Ctx.Doc().APath + SystemPaths::ProgramFile(QStringLiteral("quintor2"));
}

void frmAdd::cmdQT_Click() {
    const QString FN = FD(tr("Browse for Quintor HTML File"), HtmlFilter(), txtCom, false);
    if (FN.isEmpty())
        return;
    ClearForm();
    txtCom->setText(FN);

    // A page that cannot be read still gives a link: its file name and the runner's icon.
    QString page;
    try {
        page = PackStore::PackReadTextFile(FN);
    } catch (const AppError&) {
    }
    txtDesc->setText(PageTitle(page, FN));
    if (chkQTNewWin->isChecked()) {
        txtParam->setText(txtCom->text());
        txtCom->setText(RunnerProgram());
    } else {
        cmbRun->setCurrentIndex(RunStyles().indexOf(QStringLiteral("Hyperlink")));
    }

    QString icon;
    try {
        ConfigStore CF;
        CF.LoadText(InfoBlock(page));
        icon = CF.GetValue(QStringLiteral("Icon"));
    } catch (const AppError&) {
        icon = ConfigStore::NotFound;
    }
    txtIcon->setText(icon != ConfigStore::NotFound ? icon : RunnerProgram());
}
