#include "frmSwap.h"

#include "document/LauncherDocument.h"
#include "shell/EditorContext.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const OperationCaptions[] = {QT_TRANSLATE_NOOP("frmSwap", "S&wap Columns"),
                                         QT_TRANSLATE_NOOP("frmSwap", "Mo&ve Column"),
                                         QT_TRANSLATE_NOOP("frmSwap", "&Copy Column")};
const char* const StepNames[] = {QT_TRANSLATE_NOOP("frmSwap", "Swap columns"),
                                 QT_TRANSLATE_NOOP("frmSwap", "Move column"),
                                 QT_TRANSLATE_NOOP("frmSwap", "Copy column")};
const char* const FirstCaptions[] = {
    QT_TRANSLATE_NOOP("frmSwap", "&Description"), QT_TRANSLATE_NOOP("frmSwap", "C&ommand"),
    QT_TRANSLATE_NOOP("frmSwap", "&Parameters"),  QT_TRANSLATE_NOOP("frmSwap", "S&tart in"),
    QT_TRANSLATE_NOOP("frmSwap", "&Icon"),        QT_TRANSLATE_NOOP("frmSwap", "Comm&ents")};
// "Start in" has no access key: the one it had was Alt+Space, which the window manager
// takes for the window menu, and every other letter of it belongs to another option.
const char* const SecondCaptions[] = {
    QT_TRANSLATE_NOOP("frmSwap", "Desc&ription"), QT_TRANSLATE_NOOP("frmSwap", "Co&mmand"),
    QT_TRANSLATE_NOOP("frmSwap", "P&arameters"),  QT_TRANSLATE_NOOP("frmSwap", "Start in"),
    QT_TRANSLATE_NOOP("frmSwap", "Ico&n"),        QT_TRANSLATE_NOOP("frmSwap", "Comment&s")};

// Each set of options is a group of its own: left to the window, every radio button of
// the dialog would count as one set, so that Tab reached only the checked one of all and
// the arrows wandered from the columns into the operations.
template <size_t N>
void MakeOptions(std::array<QRadioButton*, N>& Options, const char* Name,
                 const char* const (&Captions)[N], QWidget* Parent, QBoxLayout* Layout) {
    auto* group = new QButtonGroup(Parent);
    for (size_t i = 0; i < N; ++i) {
        Options[i] = new QRadioButton(frmSwap::tr(Captions[i]), Parent);
        Options[i]->setObjectName(QString::fromLatin1(Name) + QString::number(i));
        group->addButton(Options[i]);
        Layout->addWidget(Options[i]);
    }
}

} // namespace

frmSwap::frmSwap(EditorContext& Ctx, QWidget* Parent) : QDialog(Parent), Ctx(Ctx) {
    setObjectName(QStringLiteral("frmSwap"));
    setWindowTitle(tr("Swap Columns"));

    auto* operations = new QVBoxLayout;
    MakeOptions(optSwap, "optSwap", OperationCaptions, this, operations);

    fraFC = new QGroupBox(tr("First Column"), this);
    fraFC->setObjectName(QStringLiteral("fraFC"));
    MakeOptions(optFC, "optFC", FirstCaptions, fraFC, new QVBoxLayout(fraFC));
    fraSC = new QGroupBox(tr("Second Column"), this);
    fraSC->setObjectName(QStringLiteral("fraSC"));
    MakeOptions(optSC, "optSC", SecondCaptions, fraSC, new QVBoxLayout(fraSC));
    auto* frames = new QHBoxLayout;
    frames->addWidget(fraFC);
    frames->addWidget(fraSC);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(operations);
    layout->addLayout(frames);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    optSwap[0]->setChecked(true);
    optFC[0]->setChecked(true);
    optSC[1]->setChecked(true);
    optSC[0]->setEnabled(false);

    for (int i = 0; i < static_cast<int>(optSwap.size()); ++i)
        connect(optSwap[i], &QRadioButton::clicked, this, [this, i] { optSwap_Click(i); });
    for (int i = 0; i < ColumnOps::ColumnCount; ++i) {
        connect(optFC[i], &QRadioButton::clicked, this, [this, i] { optFC_Click(i); });
        connect(optSC[i], &QRadioButton::clicked, this, [this, i] { optSC_Click(i); });
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmSwap::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FollowVisualOrder();
}

// Tab goes as the eye does: the operations, the first column, the second, the buttons
// (within a set Tab stops at the checked option, the arrows choose).
void frmSwap::FollowVisualOrder() {
    QList<QWidget*> order(optSwap.cbegin(), optSwap.cend());
    order.append(QList<QWidget*>(optFC.cbegin(), optFC.cend()));
    order.append(QList<QWidget*>(optSC.cbegin(), optSC.cend()));
    order << cmdOK << cmdCancel;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmSwap::optSwap_Click(int Index) {
    Op = static_cast<ColumnOps::Operation>(Index);
    optSwap[Index]->setChecked(true);
}

void frmSwap::optSC_Click(int Index) {
    Second = Index;
    optSC[Index]->setChecked(true);
}

void frmSwap::optFC_Click(int Index) {
    First = Index;
    optFC[Index]->setChecked(true);
    // The same column can never be both.
    for (QRadioButton* option : optSC)
        option->setEnabled(true);
    optSC[Index]->setEnabled(false);
    if (optSC[Index]->isChecked())
        optSC_Click(Index == 0 ? 1 : 0);
}

void frmSwap::cmdOK_Click() {
    const EditHistory::Step step = Ctx.Doc().History.Begin(tr(StepNames[Op]));
    ColumnOps::Apply(Ctx.Doc().Items, Op, First, Second);
    Ctx.Checkmenus();
    accept();
}
