// The property editor: which editor each property opens and what each one stores.
#include "components/CodeFont.h"
#include "editor/FakeEditorContext.h"
#include "properties/ui/PropertyCommands.h"
#include "support/DataRows.h"
#include "support/DialogLines.h"

#include <QtTest>
#include <QtWidgets>

using namespace PropertyCommands;
using namespace DataRows;

namespace {
QString Shown(FakeEditorContext& Ctx, const QString& Name) { // the Setting the list shows
    return Ctx.Document.Props.At(Ctx.Document.Props.Find(Name)).Setting;
}
// Answers what a click opens with Input: a prompt as typed; a window gets it in its text box
// and OK, except "<cmdX>", which presses cmdX and then OK, and "<cmdX> answer", which presses
// cmdX, answers the dialog it opens and then presses Enter: after a browse or a colour choice
// Enter is OK, not the same button again. Loaded gets what a window showed first.
void Answer(FakeEditorContext& Ctx, const QString& Input, QStringList& Loaded) {
    Ctx.Scripted.InputAnswers << Input;
    Ctx.Scripted.ModalScripts << [&, Input](QDialog& W) {
        QLineEdit* line = W.findChild<QLineEdit*>();
        QPlainTextEdit* text = W.findChild<QPlainTextEdit*>(); // HTML: in the page source's font
        const bool codeFont =
            text && QFontInfo(text->font()).family() == QFontInfo(CodeFont()).family();
        Loaded << (line ? line->text() : text->toPlainText() + (codeFont ? "" : "!"));
        if (!Input.startsWith("<cmd")) {
            line ? line->setText(Input) : text->setPlainText(Input);
            W.findChild<QPushButton*>("cmdOK")->click();
            return W.result();
        }
        if (const QString answer = Input.section("> ", 1); !answer.isEmpty())
            Ctx.Scripted.FileAnswers << answer, Ctx.Scripted.ColourAnswers << QColor(answer);
        W.show();
        if (!QTest::qWaitForWindowActive(&W))
            return -1; // no key reaches it: the comparisons say so
        auto* button = W.findChild<QPushButton*>(Input.section('>', 0, 0).mid(1));
        button->setFocus();
        button->click();
        if (Input.contains("> ")) // a dialog was answered
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            W.findChild<QPushButton*>("cmdOK")->click();
        return W.result();
    };
}
} // namespace

class TestProperties : public QObject {
    Q_OBJECT
private slots:
    // One click (or key) on a property holding "before", answered with "input".
    void edit_data() {
        // asked: a refusal, a question, or a file dialog's title
        Columns<QString, QString, QString, QString, bool, QString>(
            {"name", "before", "input", "shown", "changed", "asked"});
        // clang-format off
        const QString low = "The number must be %1 or higher", high = "The number must be %1 or lower";
        const QString nan = "'%1' is not a number, please try again", x50(50, 'x');
        const QString whole = "'%1' is not a whole number, please try again";
        const QString save = "Question YesNo Save File: This property requires that the file is saved.  Do you want to save now?";
        const QString reset = "Question YesNo Reset Properties: Are you sure you want to reset the properties?";
        QTest::newRow("columns 0") << "Columns" << "7" << "0" << "7" << false << low.arg(1);
        QTest::newRow("columns abc") << "Columns" << "7" << "abc" << "7" << false << nan.arg("abc");
        QTest::newRow("columns 5.0") << "Columns" << "7" << "5.0" << "7" << false << whole.arg("5.0");
        QTest::newRow("columns beyond int") << "Columns" << "7" << "99999999999999999999" << "7" << false << high.arg(100);
        QTest::newRow("width 103") << "Width" << "700" << "103" << "700" << false << low.arg(104);
        QTest::newRow("height 0") << "Height" << "700" << "0" << "0" << true << "";
        QTest::newRow("icon size 15") << "Icon size" << "32" << "15" << "32" << false << low.arg(16);
        QTest::newRow("font size 10.5") << "Font size" << "12" << "10.5" << "10.5" << true << "";
        QTest::newRow("title") << "Title" << "" << "Tools" << "Tools" << true << "";
        QTest::newRow("toggle True") << "Closable" << "True" << "" << "False" << true << "";
        QTest::newRow("edit command, No") << "Show edit command" << "False" << "No" << "False" << false << save;
        QTest::newRow("edit command, save names no file") << "Show edit command" << "False" << "Yes, no file named" << "False" << true << save;
        QTest::newRow("edit command, saved") << "Show edit command" << "False" << "Yes, saved" << "True" << true << save;
        QTest::newRow("edit command, file exists") << "Show edit command" << "False" << "saved before" << "True" << true << "";
        QTest::newRow("colour ff0000") << "Link colour" << "" << "ff0000" << "#ff0000" << true << "";
        QTest::newRow("default colour") << "Background colour" << "#FFFFFF" << "<cmdDefault>" << "" << true << "";
        QTest::newRow("colour dialog") << "Link hover colour" << "" << "<cmdChoose> #0a141e" << "#0A141E" << true << "";
        QTest::newRow("picture") << "Background picture" << "old" << "<cmdBrowse> /p/sky.jpg" << "file:///p/sky.jpg" << true << "open Choose a Background Picture";
        QTest::newRow("icon") << "Icon" << "old" << "<cmdBrowse> /i/t.ico" << "/i/t.ico" << true << "open Choose an Icon";
        QTest::newRow("html file") << "(HTML File)" << "old" << "<cmdBrowse> /p/t.htm" << "/p/t.htm" << true << "save HTML File Location";
        QTest::newRow("header, 3 lines") << "Header HTML" << "<b>1</b>\r\n2" << "a\nb\nc" << "a  b  c" << true << "";
        QTest::newRow("footer, 50 chars") << "Footer HTML" << "" << x50 << x50 + "..." << true << "";
        QTest::newRow("Delete on Title") << "Title" << "Tools" << "Delete" << "Tools" << false << "";
        QTest::newRow("Delete on Font size") << "Font size" << "12" << "Delete" << "" << true << "";
        QTest::newRow("key 46 is '.' here") << "Font size" << "12" << "Period" << "12" << false << "";
        QTest::newRow("reset, No") << "Columns" << "9" << "Reset? No" << "9" << false << reset;
        QTest::newRow("reset, Yes") << "Footer HTML" << "<p>foot</p>" << "Reset? Yes" << "" << true << reset;
        // clang-format on
    }

    void edit() {
        const QString name = Fetch("name"), before = Fetch("before"), input = Fetch("input");
        const QString shown = Fetch("shown");
        const bool changed = Fetch<bool>("changed");
        FakeEditorContext ctx;
        ctx.Document.WriteProp(name, before);
        ctx.Document.SetChanged(false);
        QStringList loaded;
        ctx.PropertyRow = ctx.Document.Props.Find(name);
        ctx.Scripted.MsgAnswers << (input.contains("Yes") ? MsgAnswer::Yes : MsgAnswer::No);
        if (input == "Yes, saved") // a save naming a file that exists
            ctx.OnSave = [&ctx] { ctx.Document.CurFile = QCoreApplication::applicationFilePath(); };
        else if (input == "saved before")
            ctx.Document.CurFile = QCoreApplication::applicationFilePath();
        Answer(ctx, input, loaded); // a key or Reset leaves it unused
        const bool key = input == "Delete" || input == "Period";
        if (key)
            lvProp_KeyDown(ctx, input == "Delete" ? Qt::Key_Delete : Qt::Key_Period);
        else if (input.startsWith("Reset? "))
            mnuEditReset_Click(ctx);
        else
            mnuEditProperty_Click(ctx);
        QCOMPARE(ctx.Tab, key ? 0 : 1); // the menu commands show the properties tab first
        QCOMPARE(Shown(ctx, name), shown);
        QCOMPARE(ctx.Document.Changed(), changed);
        for (const QString& l : loaded) // a window shows the Setting first
            QCOMPARE(l, QString(before).replace("\r\n", "\n"));
        if (name.endsWith(" HTML") && !loaded.isEmpty()) // held with the page's own line break
            QCOMPARE(ctx.Document.ReadProp(name).split("\r\n"), input.split('\n'));
        if (name == "Title" && changed)
            QCOMPARE(ctx.Document.Caption(), shown + " - Quintor Editor");
        QStringList seen; // a refusal by its text alone
        for (const auto& m : ctx.Scripted.Messages)
            seen << MessageLine(m).remove("Exclamation OK " + name + " Error: ");
        for (const FileDialogRequest& r : ctx.Scripted.FileRequests) {
            QCOMPARE(r.Filter.section('|', -2) + r.FileName, "All Files (*.*)|*.*");
            seen << (r.Save ? "save " : "open ") + r.Title;
        }
        QCOMPARE(seen.join(" | "), Fetch("asked"));
        for (const auto& p : ctx.Scripted.Prompts) // once: never asked again after a refusal
            QCOMPARE(QString("%1 %2 %3").arg(p.Title, p.Default).arg(ctx.Scripted.Prompts.size()),
                     QString("%1 %2 1").arg(name, before));
    }

    // Each row: name|before|after the dialog answers Serif & Co, 10.5, italic, struck through
    // and no colour; then answered with what it was opened on: nothing is written, so an empty
    // Font or size stays empty and a flag that is neither True nor False stays.
    void fontDialogWritesWhatChanged() {
        // clang-format off
        const QStringList rows = {"Font|Arial|Serif & Co", "Font bold|True|False", "Font italic||True", "Font size|12|10.5",
            "Font strikethrough||True", "Font underline|True|False", "Text colour|#FF0000|#000000"};
        // clang-format on
        FakeEditorContext ctx;
        for (const QString& r : rows)
            ctx.Document.WriteProp(r.section('|', 0, 0), r.section('|', 1, 1));
        ctx.Scripted.FontAnswers << FontChoice{"Serif & Co", 10.5, true, false, true, true, false};
        lvProp_ItemClick(ctx, ctx.Document.Props.Find("Font"));
        const FontChoice in = ctx.Scripted.FontRequests.value(0);
        QCOMPARE(FontLine(in), "Arial 12pt bold underline #ff0000");
        QVERIFY(ctx.Document.Changed());
        for (const QString& r : rows)
            QCOMPARE(r.section('|', 0, 0) + '|' + Shown(ctx, r.section('|', 0, 0)),
                     r.section('|', 0, 0) + '|' + r.section('|', 2));
        const QStringList kept = {"", "True", "", "", "no flag", "False", ""}; // as rows go
        for (int i = 0; i < rows.size(); ++i)
            ctx.Document.WriteProp(rows[i].section('|', 0, 0), kept[i]);
        ctx.Scripted.FontAnswers << FontChoice{"", 0, false, true}; // bold, as it opened
        lvProp_ItemClick(ctx, ctx.Document.Props.Find("Font"));
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(Shown(ctx, rows[i].section('|', 0, 0)), kept[i]);
    }
};

QTEST_MAIN(TestProperties)
#include "test_properties.moc"
