#include "frmReplace.h"

#include "document/LauncherDocument.h"
#include "items/ColumnReplace.h"
#include "items/ui/WindowAccessKeys.h"
#include "shell/EditorContext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>

namespace {

QCheckBox* ColumnBox(const char* Name, const char* Caption, QWidget* Parent) {
    auto* box = new QCheckBox(frmReplace::tr(Caption), Parent);
    box->setObjectName(QString::fromLatin1(Name));
    return box;
}

} // namespace

frmReplace::frmReplace(EditorContext& Ctx, QWidget* Parent) : QDialog(Parent, Qt::Tool), Ctx(Ctx) {
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(tr("Replace"));
    setAttribute(Qt::WA_DeleteOnClose);

    lblFind = new QLabel(tr("Fi&nd what:"), this);
    lblFind->setObjectName(QStringLiteral("lblFind"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setMinimumWidth(220);
    lblFind->setBuddy(txtFind);
    lblReplace = new QLabel(tr("Re&place with:"), this);
    lblReplace->setObjectName(QStringLiteral("lblReplace"));
    txtReplace = new QLineEdit(this);
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    lblReplace->setBuddy(txtReplace);
    chkCase = new QCheckBox(tr("Match &case"), this);
    chkCase->setObjectName(QStringLiteral("chkCase"));
    cmdReplace = new QPushButton(tr("Replace &All"), this);
    cmdReplace->setObjectName(QStringLiteral("cmdReplace"));
    cmdReplace->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    fraColumns = new QGroupBox(tr("Replace in Columns"), this);
    fraColumns->setObjectName(QStringLiteral("fraColumns"));
    chkDescription = ColumnBox("chkDescription", QT_TR_NOOP("&Description"), fraColumns);
    chkCommand = ColumnBox("chkCommand", QT_TR_NOOP("Co&mmand"), fraColumns);
    chkParameters = ColumnBox("chkParameters", QT_TR_NOOP("Parame&ters"), fraColumns);
    chkStartIn = ColumnBox("chkStartIn", QT_TR_NOOP("&Start In"), fraColumns);
    chkIcon = ColumnBox("chkIcon", QT_TR_NOOP("&Icon"), fraColumns);
    chkComments = ColumnBox("chkComments", QT_TR_NOOP("C&omments"), fraColumns);
    auto* columns = new QVBoxLayout(fraColumns);
    for (QCheckBox* box :
         {chkDescription, chkCommand, chkParameters, chkStartIn, chkIcon, chkComments})
        columns->addWidget(box);

    // Text boxes top left, buttons to their right, "Match case" below the boxes, the
    // column frame at the lower right.
    auto* layout = new QGridLayout(this);
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblFind);
    texts->addWidget(txtFind);
    texts->addWidget(lblReplace);
    texts->addWidget(txtReplace);
    texts->addSpacing(6);
    texts->addWidget(chkCase);
    texts->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdReplace);
    buttons->addWidget(cmdCancel);
    buttons->addSpacing(6);
    buttons->addWidget(fraColumns);
    layout->addLayout(texts, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {txtFind,    txtReplace,     chkCase,    cmdReplace,
                        cmdCancel,  chkDescription, chkCommand, chkParameters,
                        chkStartIn, chkIcon,        chkComments};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    txtFind->installEventFilter(this);
    txtReplace->installEventFilter(this);
    new WindowAccessKeys(*this);
    connect(cmdReplace, &QPushButton::clicked, this, &frmReplace::cmdReplace_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmReplace::cmdReplace_Click() {
    ReplaceRequest request;
    request.Find = txtFind->text();
    request.Replacement = txtReplace->text();
    request.MatchCase = chkCase->isChecked();
    const std::pair<QCheckBox*, int> boxes[] = {{chkDescription, cellDescription},
                                                {chkCommand, cellCommand},
                                                {chkParameters, cellParameters},
                                                {chkStartIn, cellStartIn},
                                                {chkIcon, cellIcon},
                                                {chkComments, cellComments}};
    for (const auto& [box, cell] : boxes)
        if (box->isChecked())
            request.Cells.append(cell);
    const EditHistory::Step step = Ctx.Doc().History.Begin(tr("Replace", "undo step"));
    if (ColumnReplace::ReplaceAll(Ctx.Doc().Items, request))
        Ctx.Checkmenus();
}

void frmReplace::done(int Result) {
    // Esc closes through here, and the dialog keeps that close event to itself.
    Closed = true;
    QDialog::done(Result);
}

void frmReplace::closeEvent(QCloseEvent* Event) {
    QDialog::closeEvent(Event);
    if (Event->isAccepted())
        Closed = true;
}

bool frmReplace::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::FocusIn) {
        // After the click that gave the focus, which would otherwise place the cursor.
        if (auto* edit = qobject_cast<QLineEdit*>(Watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(Watched, Event);
}
