// The property editor: which editor each property opens and what each one stores.
#include "FakeEditorContext.h"
#include "PropertyCommands.h"
#include "PropertyTable.h"
#include "TestFiles.h"
#include "frmPCol.h"
#include "frmPFile.h"
#include "frmPMTB.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace PropertyCommands;

namespace {
QString Setting(FakeEditorContext& Ctx, const QString& Name) {
    return Ctx.Document.ReadProp(Name, true);
}
void Click(FakeEditorContext& Ctx, const QString& Name) {
    Ctx.PropertyRow = Ctx.Document.Props.Find(Name);
    lvProp_ItemClick(Ctx, Ctx.PropertyRow);
}
// A modal script: Steps drives the window (types, clicks); the window's result is returned.
template <typename Form> std::function<int(QDialog&)> Drive(std::function<void(Form&)> Steps) {
    return [Steps](QDialog& Window) {
        if (Form* form = qobject_cast<Form*>(&Window))
            Steps(*form);
        return Window.result();
    };
}
QString Caption(QDialog& Window, QLabel* Description) {
    return Window.windowTitle() + QStringLiteral(" / ") + Description->text();
}
} // namespace

class TestProperties : public QObject {
    Q_OBJECT
private slots:
    void eachPropertyOpensItsEditor_data();
    void eachPropertyOpensItsEditor();
    void numberPrompt_data();
    void numberPrompt();
    void toggle_data();
    void toggle();
    void showEditCommandAsksToSave_data();
    void showEditCommandAsksToSave();
    void colourPicker_data();
    void colourPicker();
    void colourSwatchFollowsTheText();
    void fileChooser_data();
    void fileChooser();
    void fontDialogWritesTheFontProperties();
    void headerEditor_data();
    void headerEditor();
    void title_data();
    void title();
    void deleteKey_data();
    void deleteKey();
    void reset_data();
    void reset();
};

// With every dialog cancelled, what a click opened tells the editor kinds apart.
void TestProperties::eachPropertyOpensItsEditor_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("opened");
    const QStringList editors = {"Background colour=frmPCol",
                                 "Table colour=frmPCol",
                                 "Text colour=frmPCol",
                                 "Link colour=frmPCol",
                                 "Link visited colour=frmPCol",
                                 "Link active colour=frmPCol",
                                 "Link hover colour=frmPCol",
                                 "(HTML File)=frmPFile",
                                 "Background picture=frmPFile",
                                 "Style sheet=frmPFile",
                                 "Icon=frmPFile",
                                 "Font=font dialog",
                                 "Font size=Type the Font size:",
                                 "Columns=How many columns do you want?",
                                 "Height=Window height (pixels):",
                                 "Width=Window width (pixels):",
                                 "Icon size=Icon size (16 minimum):",
                                 "Title=Type the window title:",
                                 "Header HTML=frmPMTB",
                                 "Footer HTML=frmPMTB"};
    QHash<QString, QString> opens;
    for (const QString& e : editors)
        opens.insert(e.section('=', 0, 0), e.section('=', 1));
    for (int pos = 1; pos <= PropertyTable::Count; ++pos) {
        const QString name = QString::fromLatin1(PropertyTable::At(pos)->Name);
        QTest::newRow(qPrintable(name)) << name << opens.value(name, QStringLiteral("toggle"));
    }
}

void TestProperties::eachPropertyOpensItsEditor() {
    QFETCH(QString, name);
    QFETCH(QString, opened);
    FakeEditorContext ctx;
    const QString before = Setting(ctx, name);
    Click(ctx, name);
    const ScriptedUserDialogs& d = ctx.Scripted;
    const QString what = !d.ModalWindows.isEmpty()   ? d.ModalWindows.join(',')
                         : !d.Prompts.isEmpty()      ? d.Prompts.first().Prompt
                         : !d.FontRequests.isEmpty() ? QStringLiteral("font dialog")
                         : Setting(ctx, name) != before || !d.Messages.isEmpty()
                             ? QStringLiteral("toggle")
                             : QString();
    QCOMPARE(what, opened);
    QVERIFY(ctx.PropertyCommandEnabled);
    QVERIFY(ctx.CheckmenusCalls > 0);
    // A cancelled editor changes nothing; only a toggle acts on the click alone.
    QCOMPARE(ctx.Document.Changed, opened == QLatin1String("toggle"));
}

void TestProperties::numberPrompt_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message"); // empty: the answer is stored as typed
    const QString low = QStringLiteral("The number must be %1 or higher");
    const QString high = QStringLiteral("The number must be %1 or lower");
    const QString nan = QStringLiteral("'%1' is not a number, please try again");
    // clang-format off
    QTest::newRow("columns 0") << "Columns" << "0" << low.arg(1);
    QTest::newRow("columns 101") << "Columns" << "101" << high.arg(100);
    QTest::newRow("columns abc") << "Columns" << "abc" << nan.arg("abc");
    QTest::newRow("columns 100") << "Columns" << "100" << "";
    QTest::newRow("columns 2.5") << "Columns" << "2.5" << nan.arg("2.5");
    QTest::newRow("columns with a blank") << "Columns" << " 5" << nan.arg(" 5");
    QTest::newRow("columns too long for any int") << "Columns" << "99999999999999999999" << high.arg(100);
    QTest::newRow("columns -3") << "Columns" << "-3" << low.arg(1);
    QTest::newRow("width 103") << "Width" << "103" << low.arg(104);
    QTest::newRow("width 104") << "Width" << "104" << "";
    QTest::newRow("height 0") << "Height" << "0" << "";
    QTest::newRow("height 10001") << "Height" << "10001" << high.arg(10000);
    QTest::newRow("icon size 15") << "Icon size" << "15" << low.arg(16);
    QTest::newRow("icon size 16") << "Icon size" << "16" << "";
    QTest::newRow("font size 10.5") << "Font size" << "10.5" << "";
    QTest::newRow("font size 513") << "Font size" << "513" << high.arg(512);
    QTest::newRow("font size 1e2") << "Font size" << "1e2" << nan.arg("1e2");
    // clang-format on
}

void TestProperties::numberPrompt() {
    QFETCH(QString, name);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(name, QStringLiteral("7"));
    ctx.Scripted.InputAnswers << answer;
    Click(ctx, name);
    QCOMPARE(ctx.Scripted.Prompts.size(), 1); // never asked again after a refusal
    QCOMPARE(ctx.Scripted.Prompts[0].Title, name);
    QCOMPARE(ctx.Scripted.Prompts[0].Default, QStringLiteral("7"));
    QCOMPARE(ctx.Scripted.LastMessage().Text, message);
    QCOMPARE(Setting(ctx, name), message.isEmpty() ? answer : QStringLiteral("7"));
    QCOMPARE(ctx.Document.Changed, message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(ctx.Scripted.LastMessage().Title, name + QStringLiteral(" Error"));
        QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Exclamation);
    }
}

void TestProperties::toggle_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("True") << "True"
                          << "False";
    QTest::newRow("False") << "False"
                           << "True";
    QTest::newRow("other text stays") << "true"
                                      << "true";
}

void TestProperties::toggle() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(QStringLiteral("Closable"), before);
    Click(ctx, QStringLiteral("Closable"));
    QCOMPARE(Setting(ctx, QStringLiteral("Closable")), after);
    QVERIFY(ctx.Document.Changed);
    Click(ctx, QStringLiteral("Closable"));
    QCOMPARE(Setting(ctx, QStringLiteral("Closable")), before);
}

void TestProperties::showEditCommandAsksToSave_data() {
    QTest::addColumn<bool>("savedBefore");
    QTest::addColumn<QString>("answer"); // "" when no question is expected
    QTest::addColumn<bool>("saveWorks");
    QTest::addColumn<QString>("result");
    QTest::newRow("saved document: no question") << true << "" << true << "True";
    QTest::newRow("never saved, No") << false << "No" << true << "False";
    QTest::newRow("never saved, Yes and saved") << false << "Yes" << true << "True";
    QTest::newRow("never saved, Yes but save cancelled") << false << "Yes" << false << "False";
}

void TestProperties::showEditCommandAsksToSave() {
    QFETCH(bool, savedBefore);
    QFETCH(QString, answer);
    QFETCH(bool, saveWorks);
    QFETCH(QString, result);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tools.qtf"));
    FakeEditorContext ctx;
    if (savedBefore && TestFiles::Write(file, "QTFP"))
        ctx.Document.CurFile = file;
    ctx.OnSave = [&] {
        if (saveWorks && TestFiles::Write(file, "QTFP"))
            ctx.Document.CurFile = file;
    };
    if (!answer.isEmpty())
        ctx.Scripted.MsgAnswers << (answer == QLatin1String("Yes") ? MsgAnswer::Yes
                                                                   : MsgAnswer::No);
    Click(ctx, QStringLiteral("Show edit command"));
    QCOMPARE(Setting(ctx, QStringLiteral("Show edit command")), result);
    QCOMPARE(ctx.SaveCalls, answer == QLatin1String("Yes") ? 1 : 0);
    QCOMPARE(ctx.Scripted.Messages.size(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty()) {
        QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Save File"));
        QCOMPARE(ctx.Scripted.LastMessage().Text,
                 QStringLiteral(
                     "This property requires that the file is saved.  Do you want to save now?"));
        QCOMPARE(ctx.Scripted.LastMessage().Buttons, MsgButtons::YesNo);
    }
}

void TestProperties::colourPicker_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed"); // or <default>, <choose>, <choose cancelled>
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("stored");
    // clang-format off
    QTest::newRow("hash put in front") << "Link colour" << "" << "ff0000" << "cmdOK" << "#ff0000";
    QTest::newRow("kept as typed") << "Text colour" << "" << "#12" << "cmdOK" << "#12";
    QTest::newRow("default then OK") << "Background colour" << "#FFFFFF" << "<default>" << "cmdOK" << "";
    QTest::newRow("cancel") << "Table colour" << "#FFFFFF" << "00ff00" << "cmdCancel" << "#FFFFFF";
    QTest::newRow("colour dialog") << "Link hover colour" << "" << "<choose>" << "cmdOK" << "#0A141E";
    QTest::newRow("colour dialog cancelled") << "Link colour" << "#123456" << "<choose cancelled>" << "cmdOK" << "#123456";
    // clang-format on
}

void TestProperties::colourPicker() {
    QFETCH(QString, property);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, stored);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, before);
    QString caption, shownFirst;
    ctx.Scripted.ModalScripts << Drive<frmPCol>([&](frmPCol& f) {
        caption = Caption(f, f.lblDesc);
        shownFirst = f.txtCol->text();
        if (typed == QLatin1String("<default>"))
            f.cmdDefault->click();
        else if (typed.startsWith(QLatin1String("<choose"))) {
            if (typed == QLatin1String("<choose>"))
                ctx.Scripted.ColourAnswers << QColor(10, 20, 30);
            f.cmdChoose->click();
        } else
            f.txtCol->setText(typed);
        f.findChild<QPushButton*>(button)->click();
    });
    Click(ctx, property);
    QCOMPARE(caption, QStringLiteral("Colour Picker / ") + property + QStringLiteral(":"));
    QCOMPARE(shownFirst, before);
    QCOMPARE(Setting(ctx, property), stored);
    QCOMPARE(ctx.Document.Changed, button == QLatin1String("cmdOK"));
}

void TestProperties::colourSwatchFollowsTheText() {
    FakeEditorContext ctx;
    const QColor purple(128, 0, 128), green(0, 255, 0);
    frmPCol form(ctx.Document, ctx.Document.Props.Find("Link visited colour"), purple,
                 ctx.Scripted);
    QCOMPARE(form.SwatchColour(), purple);
    form.txtCol->setText(QStringLiteral("#00FF00"));
    QCOMPARE(form.SwatchColour(), green);
    form.txtCol->setText(QStringLiteral("zz")); // a text that is no colour keeps the last one
    QCOMPARE(form.SwatchColour(), green);
    form.txtCol->clear(); // empty shows the default
    QCOMPARE(form.SwatchColour(), purple);
    form.txtCol->setText(QStringLiteral("#0000FF"));
    form.cmdChoose->click(); // the dialog opens on the swatch's colour
    QCOMPARE(ctx.Scripted.ColourRequests.value(0), QColor(0, 0, 255));
}

void TestProperties::fileChooser_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("chosen"); // empty: the browse dialog is cancelled
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("save");
    // clang-format off
    QTest::newRow("background picture") << "Background picture" << "/pics/sky.jpg" << "file:///pics/sky.jpg" << "Background picture:" << "Choose a Background Picture" << false;
    QTest::newRow("style sheet") << "Style sheet" << "/css/a b.css" << "file:///css/a b.css" << "Style sheet:" << "Choose a Style Sheet" << false;
    QTest::newRow("icon") << "Icon" << "/icons/tool.ico" << "/icons/tool.ico" << "Icon:" << "Choose an Icon" << false;
    QTest::newRow("html file") << "(HTML File)" << "/pages/t.htm" << "/pages/t.htm" << "&HTML File Location:" << "HTML File Location" << true;
    QTest::newRow("browse cancelled") << "Icon" << "" << "typed.ico" << "Icon:" << "Choose an Icon" << false;
    // clang-format on
}

void TestProperties::fileChooser() {
    QFETCH(QString, property);
    QFETCH(QString, chosen);
    QFETCH(QString, stored);
    QFETCH(QString, label);
    QFETCH(QString, title);
    QFETCH(bool, save);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, QStringLiteral("old"));
    QString caption, shownFirst;
    ctx.Scripted.ModalScripts << Drive<frmPFile>([&](frmPFile& f) {
        caption = Caption(f, f.lblDesc);
        shownFirst = f.txtFile->text();
        f.txtFile->setText(QStringLiteral("typed.ico"));
        if (!chosen.isEmpty())
            ctx.Scripted.FileAnswers << chosen;
        f.cmdBrowse->click();
        f.cmdOK->click();
    });
    Click(ctx, property);
    QCOMPARE(caption, QStringLiteral("Choose File / ") + label);
    QCOMPARE(shownFirst, QStringLiteral("old"));
    QCOMPARE(Setting(ctx, property), stored);
    QVERIFY(ctx.Document.Changed);
    const FileDialogRequest request = ctx.Scripted.FileRequests.value(0);
    QCOMPARE(request.Title, title);
    QCOMPARE(request.Save, save);
    QVERIFY(request.FileName.isEmpty());
    QVERIFY(request.Filter.endsWith(QStringLiteral("|All Files (*.*)|*.*")));
}

void TestProperties::fontDialogWritesTheFontProperties() {
    FakeEditorContext ctx;
    LauncherDocument& doc = ctx.Document;
    for (const char* p : {"Font=Arial", "Font bold=True", "Font size=12", "Font underline=True",
                          "Text colour=#FF0000"})
        doc.WriteProp(QString(p).section('=', 0, 0), QString(p).section('=', 1));
    FontChoice chosen;
    chosen.Name = QStringLiteral("Serif & Co");
    chosen.Size = 10.5;
    chosen.HasSize = chosen.Italic = chosen.Strikethrough = true;
    ctx.Scripted.FontAnswers << chosen; // and no colour
    Click(ctx, QStringLiteral("Font"));

    const FontChoice preset = ctx.Scripted.FontRequests.value(0);
    QCOMPARE(preset.Name, QStringLiteral("Arial"));
    QVERIFY(preset.Bold && preset.Underline && !preset.Italic && !preset.Strikethrough);
    QVERIFY(preset.HasSize);
    QCOMPARE(preset.Size, 12.0);
    QCOMPARE(preset.Colour, QColor(255, 0, 0));
    const QStringList written = {
        "Font=Serif & Co",         "Font bold=False",      "Font italic=True",   "Font size=10.5",
        "Font strikethrough=True", "Font underline=False", "Text colour=#000000"};
    for (const QString& w : written)
        QCOMPARE(w.section('=', 0, 0) + '=' + Setting(ctx, w.section('=', 0, 0)), w);
    QVERIFY(doc.Changed);
}

void TestProperties::headerEditor_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("shown");
    const QString a30(30, 'a'), b30(30, 'b'), x49(49, 'x'), x50(50, 'x');
    QTest::newRow("three lines") << "Header HTML"
                                 << "a\nb\nc"
                                 << "a\r\nb\r\nc"
                                 << "a  b  c";
    QTest::newRow("49 characters") << "Footer HTML" << x49 << x49 << x49;
    QTest::newRow("50 characters") << "Footer HTML" << x50 << x50 << x50 + "...";
    QTest::newRow("long, two lines") << "Header HTML" << a30 + "\n" + b30 << a30 + "\r\n" + b30
                                     << a30 + "  " + b30.left(18) + "...";
}

void TestProperties::headerEditor() {
    QFETCH(QString, property);
    QFETCH(QString, typed);
    QFETCH(QString, held);
    QFETCH(QString, shown);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, QStringLiteral("<b>one</b>\r\ntwo"));
    QString caption, loaded;
    QFont font;
    ctx.Scripted.ModalScripts << Drive<frmPMTB>([&](frmPMTB& f) {
        caption = Caption(f, f.lblDesc);
        loaded = f.txtMTB->toPlainText();
        font = f.txtMTB->font();
        f.txtMTB->setPlainText(typed);
        f.cmdOK->click();
    });
    Click(ctx, property);
    QCOMPARE(caption, QStringLiteral("Text Editor / &") + property + QStringLiteral(":"));
    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(loaded, QStringLiteral("<b>one</b>\ntwo"));
    QCOMPARE(ctx.Document.ReadProp(property), held);
    QCOMPARE(ctx.Document.Props.At(ctx.Document.Props.Find(property)).Setting, shown);
    QVERIFY(ctx.Document.Changed);
}

void TestProperties::title_data() {
    QTest::addColumn<QString>("curFile");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("caption"); // empty: unchanged
    QTest::newRow("new document") << ""
                                  << "Tools"
                                  << "Tools - Quintor Editor";
    QTest::newRow("saved document") << "/x/t.qtf"
                                    << "Tools"
                                    << "Tools (/x/t.qtf) - Quintor Editor";
    QTest::newRow("empty answer") << ""
                                  << ""
                                  << "";
}

void TestProperties::title() {
    QFETCH(QString, curFile);
    QFETCH(QString, answer);
    QFETCH(QString, caption);
    FakeEditorContext ctx;
    ctx.Document.CurFile = curFile;
    const QString captionBefore = ctx.Document.Caption();
    ctx.Scripted.InputAnswers << answer;
    ctx.PropertyRow = ctx.Document.Props.Find(QStringLiteral("Title"));
    mnuEditProperty_Click(ctx); // the menu command edits the selected row
    QCOMPARE(ctx.Tab, 1);
    QCOMPARE(ctx.Scripted.Prompts.value(0).Title, QStringLiteral("Title"));
    QCOMPARE(ctx.Scripted.Prompts.value(0).Default, QStringLiteral("New File 1"));
    QCOMPARE(ctx.Document.Caption(), caption.isEmpty() ? captionBefore : caption);
    QCOMPARE(Setting(ctx, "Title"), answer.isEmpty() ? QStringLiteral("New File 1") : answer);
    QCOMPARE(ctx.Document.Changed, !answer.isEmpty());
}

void TestProperties::deleteKey_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("Title") << "Title" << int(Qt::Key_Delete) << false;
    QTest::newRow("Columns") << "Columns" << int(Qt::Key_Delete) << false;
    QTest::newRow("Font size") << "Font size" << int(Qt::Key_Delete) << true;
    QTest::newRow("Font") << "Font" << int(Qt::Key_Delete) << true;
    QTest::newRow("Icon size") << "Icon size" << int(Qt::Key_Delete) << true;
    QTest::newRow("Font size, Backspace") << "Font size" << int(Qt::Key_Backspace) << false;
    QTest::newRow("Font size, key code 46 is '.' here") << "Font size" << 46 << false;
}

void TestProperties::deleteKey() {
    QFETCH(QString, property);
    QFETCH(int, key);
    QFETCH(bool, emptied);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, QStringLiteral("12"));
    ctx.PropertyRow = ctx.Document.Props.Find(property);
    lvProp_KeyDown(ctx, key);
    QCOMPARE(Setting(ctx, property), emptied ? QString() : QStringLiteral("12"));
    QCOMPARE(ctx.Document.Changed, emptied);
}

void TestProperties::reset_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestProperties::reset() {
    QFETCH(bool, yes);
    FakeEditorContext ctx;
    LauncherDocument& doc = ctx.Document;
    doc.WriteProp(QStringLiteral("Columns"), QStringLiteral("9"));
    doc.WriteProp(QStringLiteral("Header HTML"), QStringLiteral("<p>head</p>"));
    doc.WriteProp(QStringLiteral("Footer HTML"), QStringLiteral("<p>foot</p>"));
    ctx.Scripted.MsgAnswers << (yes ? MsgAnswer::Yes : MsgAnswer::No);
    mnuEditReset_Click(ctx);
    QCOMPARE(ctx.Tab, 1);
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Reset Properties"));
    QCOMPARE(ctx.Scripted.LastMessage().Text,
             QStringLiteral("Are you sure you want to reset the properties?"));
    QCOMPARE(Setting(ctx, "Columns"), yes ? QStringLiteral("5") : QStringLiteral("9"));
    QCOMPARE(doc.HeaderHTML.isEmpty() && doc.FooterHTML.isEmpty(), yes);
    QCOMPARE(doc.Changed, yes);
}

QTEST_MAIN(TestProperties)
#include "test_properties.moc"
