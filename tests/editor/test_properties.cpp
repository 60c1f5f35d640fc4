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
int Row(FakeEditorContext& Ctx, const QString& Name) {
    return Ctx.Document.Props.Find(Name);
}
QString Setting(FakeEditorContext& Ctx, const QString& Name) {
    return Ctx.Document.ReadProp(Name, true);
}
void Click(FakeEditorContext& Ctx, const QString& Name) {
    Ctx.PropertyRow = Row(Ctx, Name);
    lvProp_ItemClick(Ctx, Ctx.PropertyRow);
}
// A modal script that types into a window's text box and presses one of its buttons.
template <typename Form> std::function<int(QDialog&)> Drive(std::function<void(Form&)> Steps) {
    return [Steps](QDialog& Window) {
        Form* form = qobject_cast<Form*>(&Window);
        if (!form)
            return int(QDialog::Rejected);
        Steps(*form);
        return Window.result();
    };
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
    void fontDialogCancelledChangesNothing();
    void headerEditor_data();
    void headerEditor();
    void titleSetsTheCaption_data();
    void titleSetsTheCaption();
    void deleteKey_data();
    void deleteKey();
    void reset_data();
    void reset();
    void editPropertyCommandUsesTheSelectedRow();
};

// With every dialog cancelled, what the click opened tells the editor kind apart.
void TestProperties::eachPropertyOpensItsEditor_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("opened");
    const QHash<QString, QString> editors = {{"Background colour", "frmPCol"},
                                             {"Table colour", "frmPCol"},
                                             {"Text colour", "frmPCol"},
                                             {"Link colour", "frmPCol"},
                                             {"Link visited colour", "frmPCol"},
                                             {"Link active colour", "frmPCol"},
                                             {"Link hover colour", "frmPCol"},
                                             {"(HTML File)", "frmPFile"},
                                             {"Background picture", "frmPFile"},
                                             {"Style sheet", "frmPFile"},
                                             {"Icon", "frmPFile"},
                                             {"Font", "font dialog"},
                                             {"Font size", "prompt: Type the Font size:"},
                                             {"Columns", "prompt: How many columns do you want?"},
                                             {"Height", "prompt: Window height (pixels):"},
                                             {"Width", "prompt: Window width (pixels):"},
                                             {"Icon size", "prompt: Icon size (16 minimum):"},
                                             {"Title", "prompt: Type the window title:"},
                                             {"Header HTML", "frmPMTB"},
                                             {"Footer HTML", "frmPMTB"}};
    for (int pos = 1; pos <= PropertyTable::Count; ++pos) {
        const QString name = QString::fromLatin1(PropertyTable::At(pos)->Name);
        QTest::newRow(qPrintable(name)) << name << editors.value(name, QStringLiteral("toggle"));
    }
}

void TestProperties::eachPropertyOpensItsEditor() {
    QFETCH(QString, name);
    QFETCH(QString, opened);
    FakeEditorContext ctx;
    const QString before = Setting(ctx, name);
    Click(ctx, name);
    const ScriptedUserDialogs& d = ctx.Scripted;
    QString what;
    if (!d.ModalWindows.isEmpty())
        what = d.ModalWindows.join(',');
    else if (!d.Prompts.isEmpty())
        what = QStringLiteral("prompt: ") + d.Prompts.first().Prompt;
    else if (!d.FontRequests.isEmpty())
        what = QStringLiteral("font dialog");
    else if (Setting(ctx, name) != before || d.LastMessage().Title == QLatin1String("Save File"))
        what = QStringLiteral("toggle");
    QCOMPARE(what, opened);
    QVERIFY(ctx.PropertyCommandEnabled);
    QVERIFY(ctx.CheckmenusCalls > 0);
    // A cancelled editor changes nothing; only a toggle acts on the click alone.
    QCOMPARE(ctx.Document.Changed, opened == QLatin1String("toggle"));
}

void TestProperties::numberPrompt_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message"); // empty: the answer is stored
    const QString notNumber = QStringLiteral("'%1' is not a number, please try again");
    QTest::newRow("columns 0") << "Columns"
                               << "0"
                               << "The number must be 1 or higher";
    QTest::newRow("columns 101") << "Columns"
                                 << "101"
                                 << "The number must be 100 or lower";
    QTest::newRow("columns abc") << "Columns"
                                 << "abc" << notNumber.arg("abc");
    QTest::newRow("columns 100") << "Columns"
                                 << "100"
                                 << "";
    QTest::newRow("columns 1") << "Columns"
                               << "1"
                               << "";
    QTest::newRow("columns 2.5") << "Columns"
                                 << "2.5" << notNumber.arg("2.5");
    QTest::newRow("columns with blank") << "Columns"
                                        << " 5" << notNumber.arg(" 5");
    QTest::newRow("columns huge") << "Columns"
                                  << "99999999999999999999"
                                  << "The number must be 100 or lower";
    QTest::newRow("columns -3") << "Columns"
                                << "-3"
                                << "The number must be 1 or higher";
    QTest::newRow("width 103") << "Width"
                               << "103"
                               << "The number must be 104 or higher";
    QTest::newRow("width 104") << "Width"
                               << "104"
                               << "";
    QTest::newRow("width 10001") << "Width"
                                 << "10001"
                                 << "The number must be 10000 or lower";
    QTest::newRow("height 0") << "Height"
                              << "0"
                              << "";
    QTest::newRow("height 10000") << "Height"
                                  << "10000"
                                  << "";
    QTest::newRow("icon size 15") << "Icon size"
                                  << "15"
                                  << "The number must be 16 or higher";
    QTest::newRow("icon size 16") << "Icon size"
                                  << "16"
                                  << "";
    QTest::newRow("icon size 1025") << "Icon size"
                                    << "1025"
                                    << "The number must be 1024 or lower";
    QTest::newRow("font size 10.5") << "Font size"
                                    << "10.5"
                                    << "";
    QTest::newRow("font size 0") << "Font size"
                                 << "0"
                                 << "The number must be 1 or higher";
    QTest::newRow("font size 513") << "Font size"
                                   << "513"
                                   << "The number must be 512 or lower";
    QTest::newRow("font size 1e2") << "Font size"
                                   << "1e2" << notNumber.arg("1e2");
}

void TestProperties::numberPrompt() {
    QFETCH(QString, name);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(name, QStringLiteral("7"));
    ctx.Scripted.InputAnswers << answer;
    Click(ctx, name);
    QCOMPARE(ctx.Scripted.Prompts.size(), 1);
    QCOMPARE(ctx.Scripted.Prompts[0].Title, name);
    QCOMPARE(ctx.Scripted.Prompts[0].Default, QStringLiteral("7"));
    if (message.isEmpty()) {
        QVERIFY(ctx.Scripted.Messages.isEmpty());
        QCOMPARE(Setting(ctx, name), answer);
        QVERIFY(ctx.Document.Changed);
        return;
    }
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    QCOMPARE(ctx.Scripted.LastMessage().Text, message);
    QCOMPARE(ctx.Scripted.LastMessage().Title, name + QStringLiteral(" Error"));
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Exclamation);
    QCOMPARE(Setting(ctx, name), QStringLiteral("7"));
    QVERIFY(!ctx.Document.Changed);
    // The prompt is not repeated after a refusal.
    QCOMPARE(ctx.Scripted.Prompts.size(), 1);
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
    QTest::newRow("empty stays") << ""
                                 << "";
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
    QVERIFY(ctx.Scripted.Messages.isEmpty());
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
    if (savedBefore) {
        QVERIFY(TestFiles::Write(file, "QTFP"));
        ctx.Document.CurFile = file;
    }
    ctx.OnSave = [&] {
        if (saveWorks && TestFiles::Write(file, "QTFP"))
            ctx.Document.CurFile = file;
    };
    if (!answer.isEmpty())
        ctx.Scripted.MsgAnswers << (answer == QLatin1String("Yes") ? MsgAnswer::Yes
                                                                   : MsgAnswer::No);
    Click(ctx, QStringLiteral("Show edit command"));
    QCOMPARE(Setting(ctx, QStringLiteral("Show edit command")), result);
    QVERIFY(ctx.Document.Changed || ctx.SaveCalls > 0);
    QCOMPARE(ctx.SaveCalls, answer == QLatin1String("Yes") ? 1 : 0);
    if (answer.isEmpty()) {
        QVERIFY(ctx.Scripted.Messages.isEmpty());
        return;
    }
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Save File"));
    QCOMPARE(
        ctx.Scripted.LastMessage().Text,
        QStringLiteral("This property requires that the file is saved.  Do you want to save now?"));
    QCOMPARE(ctx.Scripted.LastMessage().Buttons, MsgButtons::YesNo);
    // Turning it off again asks nothing.
    ctx.Scripted.Messages.clear();
    if (result == QLatin1String("True")) {
        Click(ctx, QStringLiteral("Show edit command"));
        QVERIFY(ctx.Scripted.Messages.isEmpty());
    }
}

void TestProperties::colourPicker_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed"); // typed into txtCol; "<default>" presses "&Default colour"
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("stored");
    QTest::newRow("hash put in front") << "Link colour"
                                       << ""
                                       << "ff0000"
                                       << "cmdOK"
                                       << "#ff0000";
    QTest::newRow("kept as typed") << "Text colour"
                                   << ""
                                   << "#12"
                                   << "cmdOK"
                                   << "#12";
    QTest::newRow("default then OK") << "Background colour"
                                     << "#FFFFFF"
                                     << "<default>"
                                     << "cmdOK"
                                     << "";
    QTest::newRow("cancel") << "Table colour"
                            << "#FFFFFF"
                            << "00ff00"
                            << "cmdCancel"
                            << "#FFFFFF";
    QTest::newRow("colour dialog") << "Link hover colour"
                                   << ""
                                   << "<choose>"
                                   << "cmdOK"
                                   << "#0A141E";
    QTest::newRow("colour dialog cancelled") << "Link hover colour"
                                             << "#123456"
                                             << "<choose none>"
                                             << "cmdOK"
                                             << "#123456";
}

void TestProperties::colourPicker() {
    QFETCH(QString, property);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, stored);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, before);
    QString description;
    QString shownFirst;
    ctx.Scripted.ModalScripts << Drive<frmPCol>([&](frmPCol& f) {
        description = f.windowTitle() + QStringLiteral(" / ") + f.lblDesc->text();
        shownFirst = f.txtCol->text();
        if (typed == QLatin1String("<default>"))
            f.cmdDefault->click();
        else if (typed == QLatin1String("<choose>")) {
            ctx.Scripted.ColourAnswers << QColor(10, 20, 30);
            f.cmdChoose->click();
        } else if (typed == QLatin1String("<choose none>")) {
            f.cmdChoose->click();
        } else
            f.txtCol->setText(typed);
        f.findChild<QPushButton*>(button)->click();
    });
    Click(ctx, property);
    QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmPCol"});
    QCOMPARE(description, QStringLiteral("Colour Picker / ") + property + QStringLiteral(":"));
    QCOMPARE(shownFirst, before);
    QCOMPARE(Setting(ctx, property), stored);
    QCOMPARE(ctx.Document.Changed, button == QLatin1String("cmdOK"));
}

void TestProperties::colourSwatchFollowsTheText() {
    FakeEditorContext ctx;
    const int row = Row(ctx, QStringLiteral("Link visited colour"));
    const QColor purple(128, 0, 128);
    frmPCol form(ctx.Document, row, purple, ctx.Scripted);
    QCOMPARE(form.SwatchColour(), purple);
    form.txtCol->setText(QStringLiteral("#00FF00"));
    QCOMPARE(form.SwatchColour(), QColor(0, 255, 0));
    form.txtCol->setText(QStringLiteral("#00FF0")); // half typed: the last colour stays...
    QCOMPARE(form.SwatchColour(), QColor(0, 255, 0));
    form.txtCol->setText(QStringLiteral("zz"));
    QCOMPARE(form.SwatchColour(), QColor(0, 255, 0));
    form.txtCol->clear(); // ...and an empty text shows the default
    QCOMPARE(form.SwatchColour(), purple);
    // The colour dialog opens on the colour the swatch shows.
    form.txtCol->setText(QStringLiteral("#0000FF"));
    form.cmdChoose->click();
    QCOMPARE(ctx.Scripted.ColourRequests.value(0), QColor(0, 0, 255));
}

void TestProperties::fileChooser_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::newRow("background picture")
        << "Background picture"
        << "/pics/sky.jpg"
        << "file:///pics/sky.jpg"
        << "Background picture:" << false << "Choose a Background Picture";
    QTest::newRow("style sheet") << "Style sheet"
                                 << "/css/a b.css"
                                 << "file:///css/a b.css"
                                 << "Style sheet:" << false << "Choose a Style Sheet";
    QTest::newRow("icon") << "Icon"
                          << "/icons/tool.ico"
                          << "/icons/tool.ico"
                          << "Icon:" << false << "Choose an Icon";
    QTest::newRow("html file") << "(HTML File)"
                               << "/pages/tools.htm"
                               << "/pages/tools.htm"
                               << "&HTML File Location:" << true << "HTML File Location";
    QTest::newRow("browse cancelled keeps the typed text") << "Icon"
                                                           << ""
                                                           << "typed.ico"
                                                           << "Icon:" << false << "Choose an Icon";
}

void TestProperties::fileChooser() {
    QFETCH(QString, property);
    QFETCH(QString, chosen);
    QFETCH(QString, stored);
    QFETCH(QString, label);
    QFETCH(bool, save);
    QFETCH(QString, title);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, QStringLiteral("old"));
    QString shownFirst;
    QString labelText;
    ctx.Scripted.ModalScripts << Drive<frmPFile>([&](frmPFile& f) {
        shownFirst = f.txtFile->text();
        labelText = f.windowTitle() + QStringLiteral(" / ") + f.lblDesc->text();
        f.txtFile->setText(QStringLiteral("typed.ico"));
        if (!chosen.isEmpty())
            ctx.Scripted.FileAnswers << chosen;
        f.cmdBrowse->click();
        f.cmdOK->click();
    });
    Click(ctx, property);
    QCOMPARE(shownFirst, QStringLiteral("old"));
    QCOMPARE(labelText, QStringLiteral("Choose File / ") + label);
    QCOMPARE(Setting(ctx, property), stored);
    QVERIFY(ctx.Document.Changed);
    QCOMPARE(ctx.Scripted.FileRequests.size(), 1);
    const FileDialogRequest& request = ctx.Scripted.FileRequests[0];
    QCOMPARE(request.Title, title);
    QCOMPARE(request.Save, save);
    QVERIFY(request.FileName.isEmpty());
    QVERIFY(request.Filter.endsWith(QStringLiteral("|All Files (*.*)|*.*")));
    QVERIFY(ctx.CheckmenusCalls > 0);
}

void TestProperties::fontDialogWritesTheFontProperties() {
    FakeEditorContext ctx;
    LauncherDocument& doc = ctx.Document;
    doc.WriteProp(QStringLiteral("Font"), QStringLiteral("Arial"));
    doc.WriteProp(QStringLiteral("Font bold"), QStringLiteral("True"));
    doc.WriteProp(QStringLiteral("Font size"), QStringLiteral("12"));
    doc.WriteProp(QStringLiteral("Font underline"), QStringLiteral("True"));
    doc.WriteProp(QStringLiteral("Text colour"), QStringLiteral("#FF0000"));
    FontChoice chosen;
    chosen.Name = QStringLiteral("Serif & Co");
    chosen.Size = 10.5;
    chosen.HasSize = true;
    chosen.Italic = true;
    chosen.Strikethrough = true;
    ctx.Scripted.FontAnswers << chosen; // no colour chosen
    Click(ctx, QStringLiteral("Font"));

    QCOMPARE(ctx.Scripted.FontRequests.size(), 1);
    const FontChoice& preset = ctx.Scripted.FontRequests[0];
    QCOMPARE(preset.Name, QStringLiteral("Arial"));
    QVERIFY(preset.Bold && preset.Underline && !preset.Italic && !preset.Strikethrough);
    QVERIFY(preset.HasSize);
    QCOMPARE(preset.Size, 12.0);
    QCOMPARE(preset.Colour, QColor(255, 0, 0));

    QCOMPARE(Setting(ctx, "Font"), QStringLiteral("Serif & Co"));
    QCOMPARE(Setting(ctx, "Font bold"), QStringLiteral("False"));
    QCOMPARE(Setting(ctx, "Font italic"), QStringLiteral("True"));
    QCOMPARE(Setting(ctx, "Font size"), QStringLiteral("10.5"));
    QCOMPARE(Setting(ctx, "Font strikethrough"), QStringLiteral("True"));
    QCOMPARE(Setting(ctx, "Font underline"), QStringLiteral("False"));
    QCOMPARE(Setting(ctx, "Text colour"), QStringLiteral("#000000"));
    QVERIFY(doc.Changed);
}

void TestProperties::fontDialogCancelledChangesNothing() {
    FakeEditorContext ctx;
    ctx.Document.WriteProp(QStringLiteral("Font size"), QStringLiteral("not a size"));
    Click(ctx, QStringLiteral("Font"));
    QCOMPARE(ctx.Scripted.FontRequests.size(), 1);
    QVERIFY(!ctx.Scripted.FontRequests[0].HasSize);
    QVERIFY(!ctx.Scripted.FontRequests[0].Colour.isValid());
    QCOMPARE(Setting(ctx, "Font size"), QStringLiteral("not a size"));
    QCOMPARE(Setting(ctx, "Text colour"), QString());
    QVERIFY(!ctx.Document.Changed);
}

void TestProperties::headerEditor_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("shown");
    QTest::newRow("three lines") << "Header HTML"
                                 << "a\nb\nc"
                                 << "a\r\nb\r\nc"
                                 << "a  b  c";
    QTest::newRow("49 characters")
        << "Footer HTML" << QString(49, 'x') << QString(49, 'x') << QString(49, 'x');
    QTest::newRow("50 characters")
        << "Footer HTML" << QString(50, 'x') << QString(50, 'x') << QString(50, 'x') + "...";
    QTest::newRow("long, broken lines")
        << "Header HTML" << QString(30, 'a') + "\n" + QString(30, 'b')
        << QString(30, 'a') + "\r\n" + QString(30, 'b')
        << QString(30, 'a') + "  " + QString(18, 'b') + "...";
}

void TestProperties::headerEditor() {
    QFETCH(QString, property);
    QFETCH(QString, typed);
    QFETCH(QString, held);
    QFETCH(QString, shown);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, QStringLiteral("<b>one</b>\r\ntwo"));
    QString label;
    QString loaded;
    QFont font;
    ctx.Scripted.ModalScripts << Drive<frmPMTB>([&](frmPMTB& f) {
        font = f.txtMTB->font();
        label = f.windowTitle() + QStringLiteral(" / ") + f.lblDesc->text();
        loaded = f.txtMTB->toPlainText();
        f.txtMTB->setPlainText(typed);
        f.cmdOK->click();
    });
    Click(ctx, property);
    QCOMPARE(label, QStringLiteral("Text Editor / &") + property + QStringLiteral(":"));
    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(loaded, QStringLiteral("<b>one</b>\ntwo"));
    QCOMPARE(ctx.Document.ReadProp(property), held);
    QCOMPARE(ctx.Document.Props.At(Row(ctx, property)).Setting, shown);
    QVERIFY(ctx.Document.Changed);

    // Cancel keeps both the text and its preview.
    ctx.Document.Changed = false;
    ctx.Scripted.ModalScripts << Drive<frmPMTB>([](frmPMTB& f) {
        f.txtMTB->setPlainText(QStringLiteral("thrown away"));
        f.cmdCancel->click();
    });
    Click(ctx, property);
    QCOMPARE(ctx.Document.ReadProp(property), held);
    QCOMPARE(ctx.Document.Props.At(Row(ctx, property)).Setting, shown);
    QVERIFY(!ctx.Document.Changed);
}

void TestProperties::titleSetsTheCaption_data() {
    QTest::addColumn<QString>("curFile");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("caption"); // empty: nothing changes
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

void TestProperties::titleSetsTheCaption() {
    QFETCH(QString, curFile);
    QFETCH(QString, answer);
    QFETCH(QString, caption);
    FakeEditorContext ctx;
    ctx.Document.CurFile = curFile;
    const QString captionBefore = ctx.Document.Caption();
    ctx.Scripted.InputAnswers << answer;
    Click(ctx, QStringLiteral("Title"));
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
    QTest::newRow("Font size, key code 46 is '.'") << "Font size" << 46 << false;
}

void TestProperties::deleteKey() {
    QFETCH(QString, property);
    QFETCH(int, key);
    QFETCH(bool, emptied);
    FakeEditorContext ctx;
    ctx.Document.WriteProp(property, QStringLiteral("12"));
    ctx.PropertyRow = Row(ctx, property);
    lvProp_KeyDown(ctx, key);
    QCOMPARE(Setting(ctx, property), emptied ? QString() : QStringLiteral("12"));
    QCOMPARE(ctx.Document.Changed, emptied);
    ctx.PropertyRow = 0; // no selected row: nothing to empty
    lvProp_KeyDown(ctx, Qt::Key_Delete);
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
    doc.WriteProp(QStringLiteral("(HTML File)"), QStringLiteral("/x/page.htm"));
    ctx.Scripted.MsgAnswers << (yes ? MsgAnswer::Yes : MsgAnswer::No);
    mnuEditReset_Click(ctx);
    QCOMPARE(ctx.Tab, 1);
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Reset Properties"));
    QCOMPARE(ctx.Scripted.LastMessage().Text,
             QStringLiteral("Are you sure you want to reset the properties?"));
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Question);
    QCOMPARE(Setting(ctx, "Columns"), yes ? QStringLiteral("5") : QStringLiteral("9"));
    QCOMPARE(doc.HeaderHTML.isEmpty(), yes);
    QCOMPARE(doc.FooterHTML.isEmpty(), yes);
    QCOMPARE(Setting(ctx, "(HTML File)").isEmpty(), yes);
    QCOMPARE(doc.Changed, yes);
}

void TestProperties::editPropertyCommandUsesTheSelectedRow() {
    FakeEditorContext ctx;
    mnuEditProperty_Click(ctx); // nothing selected
    QVERIFY(ctx.Scripted.Prompts.isEmpty());
    QVERIFY(!ctx.Document.Changed);
    QCOMPARE(ctx.Tab, 1);

    ctx.PropertyRow = Row(ctx, QStringLiteral("Columns"));
    ctx.Scripted.InputAnswers << QStringLiteral("3");
    mnuEditProperty_Click(ctx);
    QCOMPARE(Setting(ctx, "Columns"), QStringLiteral("3"));
    QVERIFY(ctx.PropertyCommandEnabled);
}

QTEST_MAIN(TestProperties)
#include "test_properties.moc"
