// The page themes in the real engine, on a dark desktop: each renders without script errors,
// its text readable (WCAG's contrast ratio of 4.5), and a page's own properties win over it.
#include "e2e/RunnerHarness.h"
#include "properties/PageThemes.h"
#include "properties/ui/frmPFile.h"

#include <QComboBox>
#include <QPalette>
#include <QPushButton>

using namespace RunnerHarness;

namespace {
// The lowest contrast ratio of text on what lies behind it, over the title, the section
// headings, the command bar, every item and the find bar; and which one it is.
const QString WorstContrast = R"((function () {
    function parts(c) { return c.match(/[\d.]+/g).map(Number); }
    function luminance(c) {
        var v = parts(c).slice(0, 3).map(x => (x /= 255) <= 0.03928 ? x / 12.92
                                                  : Math.pow((x + 0.055) / 1.055, 2.4));
        return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2];
    }
    function behind(e) {
        for (var c; e; e = e.parentElement)
            if (parts(c = getComputedStyle(e).backgroundColor)[3] !== 0) return c;
        return 'rgb(255, 255, 255)';
    }
    var worst = [99, ''], bar = document.createElement('span'); // coloured as the find bar
    bar.style.cssText = 'color: var(--quintor-bar-text); background: var(--quintor-bar-background)';
    document.body.appendChild(bar).textContent = 'find bar';
    document.querySelectorAll('h1, h2, body > p, td > a, body > span').forEach(function (e) {
        var a = luminance(getComputedStyle(e).color), b = luminance(behind(e));
        var ratio = (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
        if (ratio < worst[0]) worst = [ratio, e.textContent];
    });
    return worst;
})())";

QString Computed(const QString& Element, const QString& Property) {
    return "getComputedStyle(" + Element + ")." + Property;
}

// What the pages' scripts report as errors, ours included (the engine logs them as "js").
QStringList ScriptErrors;
QtMessageHandler LogBefore = nullptr;
void KeepScriptErrors(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
    if (QByteArray(Context.category) == "js" && Type != QtInfoMsg && Type != QtDebugMsg)
        ScriptErrors << Text;
    LogBefore(Type, Context, Text);
}
} // namespace

class TestPageThemes : public QObject, Harness {
    Q_OBJECT
    QMap<QString, QString> Themes; // name: the "Style sheet" setting

private slots:
    void initTestCase() {
        // Read by the engine when the first window is made.
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        QApplication::setPalette(dark);
        for (const PageThemes::Theme& theme : PageThemes::Installed())
            Themes.insert(theme.Name, theme.Setting);
        QCOMPARE(Themes.keys(), (QStringList{"Dark", "Light", "System"}));
        LogBefore = qInstallMessageHandler(KeepScriptErrors);
    }
    void init() {
        Start();
        ScriptErrors.clear();
    }

    void themesAreReadableAndPropertiesWin_data() {
        Texts({"Theme", "Props", "Wins"}); // Wins: an element's computed style the page decides
        const QString colours = "Background colour=#FFFFE0|Text colour=#202020|Table colour="
                                "#F0F0F0|Link colour=#0000A0|Link visited colour=#551A8B";
        for (const char* theme : {"Light", "Dark", "System"}) {
            const QByteArray name(theme);
            Row(name + ", layout", theme,
                "Icons above=False|Icon size=48|Columns=3|Table border=True",
                "document.querySelector('td > a img').width=48");
            Row(name + ", page colours", theme, colours,
                Computed("document.body", "backgroundColor") + "=rgb(255, 255, 224)");
            // Text and links in the engine's colours, which suit the page's own background.
            Row(name + ", light background of its own", theme,
                "Background colour=#FFFFE0|Show exit command=True", "");
            Row(name + ", dark background of its own", theme,
                "Background colour=#101830|Show exit command=True", "");
            Row(name + ", fonts", theme,
                "Font=DejaVu Serif|Font size=15|Font bold=True|Show exit command=True",
                Computed("document.body", "fontSize") + "=20px");
        }
        // The desktop here is dark: so are the engine's colour scheme and "System".
        Row("System on a dark desktop", "System", "Show exit command=True",
            Computed("document.body", "backgroundColor") + "=rgb(24, 25, 28)");
    }
    void themesAreReadableAndPropertiesWin() {
        const QString Wins = Fetch("Wins");
        // Two items of the page, then a section with settings of its own.
        const QString icon = Write("icon.png", {});
        QVector<Item> items;
        for (const char* name : {"Terminal", "Files", "Editor", "Web"})
            items.append(Item{
                name, "/usr/bin/true", {}, {}, "Normal Window", "Starts " + QString(name), icon});
        items[1].Comments.clear(); // the title is then the description
        items.insert(2, Item{"SECTION:Tools;Columns:2;Icon size:16;Icons above:True;"
                             "Table border:True"});
        QVERIFY(Opens(
            Build("Themed.htm", items, Fetch("Props") + "|Style sheet=" + Themes[Fetch("Theme")])));
        QTRY_VERIFY(Eval(Computed("document.body", "fontFamily")).toString().size() > 0);
        const QVariantList worst = Eval(WorstContrast).toList();
        QVERIFY2(worst.value(0).toDouble() >= 4.5, qPrintable(QString("%1 on \"%2\"")
                                                                  .arg(worst.value(0).toDouble())
                                                                  .arg(worst.value(1).toString())));
        if (!Wins.isEmpty())
            QCOMPARE(Eval(Wins.section('=', 0, -2)).toString(), Wins.section('=', -1));
        QCOMPARE(ScriptErrors, QStringList());
    }

    // The "Style sheet" chooser names the themes and stores the chosen sheet's address.
    void styleSheetChooserOffersThemes() {
        LauncherDocument doc;
        doc.WriteProp("Style sheet", Themes["System"]);
        ScriptedUserDialogs dialogs;
        frmPFile window(doc, doc.Props.Find("Style sheet"), "Style sheet:", {}, true, dialogs,
                        nullptr, PageThemes::Installed());
        QCOMPARE(window.cmbTheme->currentText(), QStringLiteral("System"));
        window.cmbTheme->activated(window.cmbTheme->findText("Dark"));
        QCOMPARE(window.txtFile->text(), Themes["Dark"]);
        window.txtFile->setText("file:///my/own.css");
        QCOMPARE(window.cmbTheme->currentIndex(), -1);
        window.cmbTheme->activated(window.cmbTheme->findText("Light"));
        window.cmdOK->click();
        QCOMPARE(doc.ReadProp("Style sheet", true), Themes["Light"]);
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestPageThemes>(argc, argv);
}
#include "test_page_themes.moc"
