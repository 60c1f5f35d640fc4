// The item list's commands: moves, drags, copies, deletes, section rows, and Replace All,
// swap, move and copy in item columns.
#include "editor/ItemTestRows.h"
#include "items/ColumnReplace.h"
#include "items/Sections.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/ReplaceCommands.h"
#include "items/ui/SectionCommands.h"
#include "items/ui/SwapCommands.h"
#include "items/ui/frmReplace.h"
#include "items/ui/frmSection.h"
#include "support/DialogLines.h"

#include <QtWidgets>

using namespace ItemTestRows;
using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(ReplaceRequest)

namespace {
QList<int> Numbers(const QString& Commas) {
    QList<int> numbers;
    for (const QString& n : Commas.split(','))
        numbers << n.toInt();
    return numbers;
}
// Rows of "|"-separated cells, " / " between them; the section row first.
const QString Section = u"SECTION:C{c}/Old;Columns:5|C:/Old/In.exe||||| / "_s;
const QString Items = u"Editor|C:/OLD/App.exe||C:/Old||Normal Window|Note / "
                      u"Exact|C:/Old/T.exe||||Hidden|"_s;

void Load(ItemRows& Rows, const QString& Text) {
    QVector<LauncherItem> items;
    for (const QString& row : Text.split(u" / "_s)) {
        items.append(LauncherItem());
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            items.last()[c] = row.section(u'|', c, c);
    }
    Rows.ReplaceAll(items);
}

QString Dump(const ItemRows& Rows) {
    QStringList rows;
    for (const LauncherItem& item : Rows.All())
        rows << Cells(item);
    return rows.join(u" / "_s);
}
} // namespace

class TestItemOps : public QObject {
    Q_OBJECT
private slots:
    // A command on the list; "delete,No" answers No;
    // "4,1>3" drags rows 4 and 1 to the insert position 3: item rows go anywhere, a section
    // moves whole and lands only before a section row or at the end, never above the leading
    // block.
    void commands_data() {
        Texts({"commands", "before", "after"});
        // clang-format off
        Row("worked example, down", "down", "[#A] a1 a2 #B b1 #C c1*", "#B b1 [#A] a1 a2 #C c1");
        Row("worked example, up", "up", "#A a1 a2 [#B] b1 #C c1", "[#B] b1 #A a1 a2 #C c1");
        Row("next block runs to the end", "down", "[#A] a1 #B b1 b2", "#B b1 b2 [#A] a1");
        Row("empty section down", "down", "[#A] #B b1 #C", "#B b1 [#A] #C");
        Row("first section, leading block above", "up", "i1 [#A] a1 #B", "i1 [#A] a1 #B");
        Row("last section down", "down", "a* #A a1 [#B] b1", "a* #A a1 [#B] b1");
        Row("item up past its section", "up", "#A [a1]", "[a1] #A");
        Row("delete, row 1 joins", "delete", "a b c* [d]", "[a] b c*");
        Row("delete the only row", "delete", "[a]", "");
        Row("delete a section row, not its block", "delete", "[#A] a1 #B", "[a1] #B");
        Row("delete answered No", "delete,No", "[a] b*", "[a] b*");
        Row("copy, three selected", "copy", "a* [b] c* d e", "a [b] c d e b");
        Row("drag an item down", "2>4", "a b c d", "a c [b] d");
        Row("drag several, in order", "4,1>3", "a b c d e", "b [a] d* c e");
        Row("drag in place", "2>3", "a b c", "a b c");
        Row("drag a section block down", "1>5", "#A a1 #B b1 #C", "#B b1 [#A] a1 #C");
        Row("drop a section inside a block", "1>5", "#A a1 #B b1 b2 #C", "#B b1 b2 [#A] a1 #C");
        Row("drag a section up, not into the leading block", "4>1", "i #A a1 #B b1", "i [#B] b1 #A a1");
        Row("drag a section onto itself", "1>2", "#A a1 #B", "#A a1 #B");
        Row("drag a section and items", "2,3>1", "#A a1 #B b1", "[#B] b1 #A a1");
        // clang-format on
    }
    void commands() {
        const QString commands = Fetch("commands"), after = Fetch("after");
        QString before = Fetch("before");
        FakeEditorContext ctx;
        Fill(ctx, before);
        ctx.Tab = 3;
        ctx.Scripted.MsgAnswers << (commands == "delete" ? MsgAnswer::Yes : MsgAnswer::No);
        const bool deletes = commands.startsWith(QLatin1String("delete"));
        commands.contains('>') ? ItemCommands::DragRows(ctx, Numbers(commands.section('>', 0, 0)),
                                                        commands.section('>', 1).toInt())
        : deletes              ? ItemCommands::mnuEditDelete_Click(ctx)
        : commands == "copy"   ? ItemCommands::mnuEditCopy_Click(ctx)
        : commands == "up"     ? ItemCommands::mnuEditMoveUp_Click(ctx)
                               : ItemCommands::mnuEditMoveDown_Click(ctx);
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx), after);
        if (after.isEmpty())
            QCOMPARE(ctx.SelectedRow(), 0);
        const bool changed = before.remove('*') != QString(after).remove('*');
        QCOMPARE(ctx.Document.Changed(), changed);
        QCOMPARE(ctx.CheckmenusCalls, int(changed));
        QCOMPARE(QString::number(ctx.Scripted.Messages.size()) + ' ' +
                     MessageLine(ctx.Scripted.LastMessage()),
                 deletes ? "1 Question YesNo Delete Icon(s): Are you sure you want to delete the "
                           "selected item?"
                         : "0 None OK : ");
    }

    void encoding() {
        // The exact stored forms; entities hold ";" themselves, which the encoding then hides.
        QCOMPARE(EncodeSectionName(QStringLiteral("a:b;c {x} {c}{l}{r}{s} R&D \"<é>\"")),
                 QStringLiteral("a{c}b{s}c {l}x{r} {l}c{r}{l}l{r}{l}r{r}{l}s{r} R&amp{s}D "
                                "&quot{s}&lt{s}é&gt{s}&quot{s}"));
        // Every three-piece name over the characters and words the format gives meaning to.
        const QStringList pieces{":",   ";", "{",  "}", "{c}", "{l}", "{r}",   "{s}",
                                 "{l_", "&", "\"", "c", " ",   "é",   "&quot;"};
        QStringList failed;
        for (const QString& a : pieces)
            for (const QString& b : pieces)
                for (const QString& c : pieces) {
                    const QString name = a + b + c, encoded = EncodeSectionName(name);
                    if (encoded.contains(':') || encoded.contains(';') ||
                        SectDetails(SectionRowText({name}), 1) != name)
                        failed << name;
                }
        QCOMPARE(failed, QStringList());
    }

    // Add section, or Edit on the current row given Text; the dialog shows "title|button|
    // name|columns|size|above|border". The user types the same text into name, columns and
    // icon size, leaving each with Tab, the last with Enter: leaving a number field corrects
    // it, and Enter does before the row is stored. An edited row keeps its comment ("?").
    void sectionDialog_data() {
        Texts({"rows", "text", "typed", "shown", "after"});
        const QString add = QStringLiteral("Add Section|Add||5|32|1|0");
        const QString flags = QStringLiteral(";Icons above:True;Table border:False");
        // clang-format off
        Row("above the current row", "a b [c] d e", "", "Tools", add, "a b #Tools [c] d e");
        Row("0.9 rounds down below 1", "", "", "0.9", add, "[#0.9;Columns:1;Icon size:16" + flags + "]");
        Row("above the bounds", "", "", "5000", add, "[#5000;Columns:100;Icon size:1024" + flags + "]");
        Row("a fraction inside stays, blanks too", "", "", " 15.9 ", add, "[# 15.9 ;Columns: 15.9 ;Icon size:16" + flags + "]");
        Row("infinity", "", "", "inf", add, "[#inf]"); // into an empty list: made current
        Row("edit", "a [#S] b", "SECTION:R&amp{s}D{c};Columns:7;Icon size:64;Icons above:False;Table border:True",
            "Tools", "Edit Section R&D:|Edit|R&D:|7|64|0|1", "a [#Tools;Columns:5;Icon size:32;Icons above:False;Table border:True?] b");
        Row("edit, details it cannot read", "[#S]", "SECTION:Odd;Columns:2;Icon size;Icons above:Yes",
            "Tools", "Edit Section Odd|Edit|Odd|2|32|1|0", "[#Tools?]");
        // clang-format on
    }
    void sectionDialog() {
        const QString text = Fetch("text"), typed = Fetch("typed");
        FakeEditorContext ctx;
        Fill(ctx, Fetch("rows"));
        ctx.Tab = 2;
        ctx.Document.EIcon = text.isEmpty(); // each command sets it
        if (!text.isEmpty()) {
            ctx.Document.Items.SetCell(ctx.Current, cellDescription, text);
            ctx.Document.Items.SetCell(ctx.Current, cellComments, QStringLiteral("kept"));
        }
        QString seen;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmSection&>(w);
            if (!ShowActive(d))
                return -1;
            seen = d.windowTitle() + '|' + d.cmdAdd->text();
            for (QLineEdit* edit : {d.txtName, d.txtColumns, d.txtIconSize})
                seen += '|' + edit->text();
            for (QCheckBox* box : {d.chkIconsAbove, d.chkTableBorder})
                seen += box->isChecked() ? "|1" : "|0";
            for (QLineEdit* edit : {d.txtName, d.txtColumns, d.txtIconSize}) {
                edit->setFocus();
                edit->setText(typed);
                QTest::keyClick(edit, edit == d.txtIconSize ? Qt::Key_Return : Qt::Key_Tab);
            }
            return d.result();
        };
        text.isEmpty() ? SectionCommands::mnuEditAddSection_Click(ctx)
                       : ItemCommands::mnuEditEdit_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmSection"});
        QCOMPARE(seen, Fetch("shown"));
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx), Fetch("after")); // the selection stays on its row
        QVERIFY(ctx.Document.Changed());
        QCOMPARE(ctx.CheckmenusCalls, 1);
    }

    void replaceAll_data() {
        Columns<ReplaceRequest, bool, QString>({"request", "changed", "expected"}); // rows after
        // clang-format off
        // Without "Match case" every checked cell of every item row ends in lower case.
        QTest::addRow("case folded") << ReplaceRequest{u"c:/OLD"_s, u"D:/New"_s, false, {cellCommand}} << true
            << u"Editor|D:/New/app.exe||C:/Old||Normal Window|Note / Exact|D:/New/t.exe||||Hidden|"_s;
        QTest::addRow("match case") << ReplaceRequest{u"C:/Old"_s, u"D:/New"_s, true, {cellCommand}} << true
            << u"Editor|C:/OLD/App.exe||C:/Old||Normal Window|Note / Exact|D:/New/T.exe||||Hidden|"_s;
        // An empty find text fills the empty cells; the replacement keeps its case.
        QTest::addRow("empty find") << ReplaceRequest{"", u"None"_s, false, {cellStartIn, cellComments}} << true
            << u"Editor|C:/OLD/App.exe||c:/old||Normal Window|note / Exact|C:/Old/T.exe||None||Hidden|None"_s;
        // Every occurrence once: the replacement is not searched again.
        QTest::addRow("holds find text") << ReplaceRequest{u"t"_s, u"tt"_s, true, {cellDescription}} << true
            << u"Edittor|C:/OLD/App.exe||C:/Old||Normal Window|Note / Exactt|C:/Old/T.exe||||Hidden|"_s;
        QTest::addRow("Run is not offered") << ReplaceRequest{u"Window"_s, u"X"_s, true, {cellRun}} << false << Items;
        // clang-format on
    }
    void replaceAll() {
        const auto request = Fetch<ReplaceRequest>("request");
        ItemRows items;
        Load(items, Section + Items);
        QCOMPARE(ColumnReplace::ReplaceAll(items, request), Fetch<bool>("changed"));
        QCOMPARE(Dump(items), Section + Fetch("expected"));
    }

    // A window beside the list: what it replaces is a change like any other.
    void replaceWindow() {
        FakeEditorContext ctx;
        Load(ctx.Document.Items, Section + Items);
        ctx.Tab = 3;
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCOMPARE(ctx.Tab, 0);
        frmReplace* window = ctx.Window.findChild<frmReplace*>(u"frmReplace"_s);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), u"Replace"_s);
        window->txtFind->setText(u"C:/Old"_s);
        window->chkCase->setChecked(true);
        window->chkCommand->setChecked(true);
        QTest::mouseClick(window->cmdReplace, Qt::LeftButton);
        QCOMPARE(ctx.Document.Items.Cell(3, cellCommand), u"/T.exe"_s);
        QVERIFY(ctx.Document.Changed());
        QCOMPARE(ctx.CheckmenusCalls, 1);
    }

    // Options 0 to 5 of each column are Description to Icon, then Comments; the first
    // column's option is disabled in the second, a clash moves the second to Description or
    // Command.
    void swapDialog_data() {
        Texts({"clicks", "expected"});
        // clang-format off
        Row("swap Parameters and Comments", "optSwap0 optFC2 optSC5 cmdOK", "d|c|m|s|i|r|p");
        Row("move Start In to Icon", "optSwap1 optFC3 optSC4 cmdOK", "d|c|p||s|r|m");
        Row("move Description to Comments", "optSwap1 optFC0 optSC5 cmdOK", "|c|p|s|i|r|d");
        Row("copy Comments to Description", "optSwap2 optFC5 optSC0 cmdOK", "m|c|p|s|i|r|m");
        Row("defaults: swap", "cmdOK", "c|d|p|s|i|r|m");
        Row("cancelled", "optSwap2 optFC1 optSC4 cmdCancel", "d|c|p|s|i|r|m");
        Row("Command over itself", "optSwap1 optFC1 optSC1 cmdOK", "c||p|s|i|r|m");
        Row("Description over it", "optSwap2 optFC4 optSC0 optFC0 cmdOK", "d|d|p|s|i|r|m");
        // clang-format on
    }
    void swapDialog() {
        const QString clicks = Fetch("clicks");
        FakeEditorContext ctx;
        Load(ctx.Document.Items, Section + u"d|c|p|s|i|r|m"_s);
        ctx.Document.SetChanged(false);
        ctx.Tab = 1;
        QString title;
        ctx.Scripted.ModalScripts.append([&](QDialog& window) {
            title = window.windowTitle();
            for (const QString& name : clicks.split(u' '))
                window.findChild<QAbstractButton*>(name)->click();
            return window.result();
        });
        SwapCommands::mnuEditSwap_Click(ctx);
        QCOMPARE(title, u"Swap Columns"_s);
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Dump(ctx.Document.Items), Section + Fetch("expected"));
        QCOMPARE(ctx.Document.Changed(), clicks.endsWith(u"cmdOK"_s));
        QCOMPARE(ctx.CheckmenusCalls, int(ctx.Document.Changed()));
    }
};

QTEST_MAIN(TestItemOps)
#include "test_items_ops.moc"
