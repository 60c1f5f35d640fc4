// How the runner shows a page, measured in the real engine: its own box and status bar in
// the page's colours, an even grid that keeps its card sizes while finding, an initial for
// every item without an icon, a find bar that covers nothing, the found item in view after
// Escape, and the System theme for pages (and the welcome page) that name no style sheet.
#include "e2e/RunnerHarness.h"
#include "properties/PageThemes.h"

#include <QImage>

using namespace RunnerHarness;

namespace {
// Every item shown: its description, box in the page, whether it has a picture, its
// initial and the width of the square drawn for it.
const QString Cards = R"((function () {
    return Array.from(document.querySelectorAll('td > a'))
        .filter(a => a.getClientRects().length).map(function (a) {
            var r = a.getBoundingClientRect();
            return {text: a.textContent, x: r.left, y: r.top + scrollY, w: r.width, h: r.height,
                    picture: a.querySelector('img') !== null,
                    initial: a.getAttribute('data-quintor-initial') || '',
                    square: getComputedStyle(a, '::before').width};
        });
})())";

// The boxes of the find bar and of the heading, and of every item shown, in the view.
const QString Overlaps = R"((function () {
    var bar = document.querySelector('quintor-find').getBoundingClientRect();
    var covered = [document.querySelector('h1')].concat(
        Array.from(document.querySelectorAll('td > a')).filter(a => a.getClientRects().length));
    return covered.filter(function (e) {
        var r = e.getBoundingClientRect();
        return r.top < bar.bottom && r.bottom > bar.top && r.left < bar.right && r.right > bar.left;
    }).map(e => e.textContent);
})())";

// Sections whose drawing is contained (clipped to their own box).
const QString ContainedSections = "Array.from(document.querySelectorAll('body > table'))"
                                  ".filter(t => getComputedStyle(t).contentVisibility === 'auto')"
                                  ".length";

// Every card shown in a contained section whose highlight outline would reach beyond the
// section's padding box, where the containment clips.
const QString OutlinesCut = R"((function () {
    return Array.from(document.querySelectorAll('td > a')).filter(function (a) {
        var table = a.closest('table'), section = getComputedStyle(table);
        if (!a.getClientRects().length || section.contentVisibility !== 'auto')
            return false;
        a.setAttribute('data-quintor-current', '');
        var look = getComputedStyle(a);
        var reach = parseFloat(look.outlineWidth) + parseFloat(look.outlineOffset);
        a.removeAttribute('data-quintor-current');
        var r = a.getBoundingClientRect(), box = table.getBoundingClientRect();
        return r.left - reach < box.left + parseFloat(section.borderLeftWidth) ||
            r.right + reach > box.right - parseFloat(section.borderRightWidth) ||
            r.top - reach < box.top + parseFloat(section.borderTopWidth) ||
            r.bottom + reach > box.bottom - parseFloat(section.borderBottomWidth);
    }).map(a => a.textContent);
})())";

const QString Shown = "Array.from(document.querySelectorAll('td > a'))"
                      ".filter(a => a.getClientRects().length).length";

QString Computed(const QString& Element, const QString& Property) {
    return "getComputedStyle(" + Element + ")." + Property;
}

QColor CssColour(const QString& Rgb) {
    const QStringList parts = QString(Rgb).remove(QRegularExpression("[^0-9,]")).split(',');
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

// The colour a widget shows at its right end, where no text is.
QColor Background(QWidget* Part) {
    return Part->grab().toImage().pixelColor(Part->width() - 4, Part->height() / 2);
}

// Lightness on the scale of 0 to 255, enough to tell a dark part from a light one.
bool IsDark(const QColor& Colour) {
    return Colour.lightness() < 128;
}
} // namespace

class TestPageLook : public QObject, Harness {
    Q_OBJECT
    QMap<QString, QString> Themes; // name: the "Style sheet" setting
    QString Icon;
    const QStringList NoIcon{"Calculator", "zebra settings", "«Éclair» recipes"};
    const QStringList Second{"zebra settings", "Web", "«Éclair» recipes"}; // section "More"

    void Type(const QString& Text) { QTest::keyClicks(View()->focusProxy(), Text); }
    QString Theme(const QString& Name) {
        return Name.isEmpty() ? QString() : "|Style sheet=" + Themes.value(Name);
    }

    // Two sections: descriptions that wrap differently, items with and without icons.
    QVector<Item> Mixed() const {
        QVector<Item> items;
        const char* names[] = {"Terminal",        "Documentation of the installed packages",
                               "Calculator",      "Notes",
                               "zebra settings",  "Web",
                               "«Éclair» recipes"};
        for (const char* name : names)
            items.append(Item{name,
                              "/usr/bin/true",
                              {},
                              {},
                              "Normal Window",
                              {},
                              NoIcon.contains(name) ? QString() : Icon});
        items.insert(4, Item{"SECTION:More;Columns:2;Icon size:48;Icons above:False;"
                             "Table border:True"});
        return items;
    }

private slots:
    void initTestCase() {
        for (const PageThemes::Theme& theme : PageThemes::Installed())
            Themes.insert(theme.Name, theme.Setting);
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        Icon = Dir.filePath("icon.png");
        QVERIFY(picture.save(Icon));
        Write("plain.css", "h1 { letter-spacing: 1px; }");
    }
    void init() { Start(); }

    // The box and the status bar end the page in its own colours, are read again for
    // every page, and go back to the desktop's where the page leaves its colours open.
    void windowPartsTakeThePageColours_data() {
        Texts({"Theme", "Props"});
        Row("Light", "Light", "");
        Row("Dark", "Dark", "");
        Row("System", "System", "");
        Row("no style sheet", "", "");
        Row("Dark, page colours", "Dark", "|Background colour=#FFFFE0|Text colour=#202020");
        Row("own style sheet", "", "|Style sheet=plain.css");
    }
    void windowPartsTakeThePageColours() {
        QVERIFY(Opens(Build("Before.htm", Mixed(), Theme("Dark"))));
        QTRY_VERIFY(IsDark(Background(Status())));
        QVERIFY(Opens(Build("Page.htm", Mixed(), Theme(Fetch("Theme")) + Fetch("Props"))));
        // A transparent page ("rgba(0, 0, 0, 0)") shows the desktop's window colour.
        const QString page = Eval(Computed("document.body", "backgroundColor")).toString();
        const QColor expected = page.startsWith("rgb(")
                                    ? CssColour(page)
                                    : QApplication::palette().color(QPalette::Window);
        QTRY_COMPARE(Background(Status()), expected);
        QCOMPARE(IsDark(Background(Box())), IsDark(expected));
    }

    // Cards of one row are as high as each other, those of a section as wide; a card keeps
    // its width while a find leaves it alone; an item without an icon shows its initial in
    // a square as big as the icons of its section. The page's layout properties still win.
    void gridIsEvenAndKeepsItsShape_data() {
        Texts({"Theme", "Props"});
        Row("Light", "Light", "|Columns=3");
        Row("Dark, icons beside", "Dark", "|Columns=3|Icons above=False|Icon size=24");
        Row("System, table border", "System", "|Columns=4|Table border=True");
        Row("no style sheet", "", "|Columns=3|Icon size=40");
    }
    void gridIsEvenAndKeepsItsShape() {
        QVERIFY(Opens(Build("Grid.htm", Mixed(), Fetch("Props") + Theme(Fetch("Theme")))));
        QTRY_COMPARE(Eval(Shown).toInt(), 7);
        const QVariantList before = Eval(Cards).toList();
        QMap<QString, QVariantMap> byText;
        QMap<int, QList<double>> heights; // by row
        QSet<int> widths[2];              // by section
        const int pageIcon =
            Fetch("Props").contains("Icon size=")
                ? Fetch("Props").section("Icon size=", 1).section('|', 0, 0).toInt()
                : 32;
        for (const QVariant& v : before) {
            const QVariantMap card = v.toMap();
            byText.insert(card["text"].toString(), card);
            heights[qRound(card["y"].toDouble())] << card["h"].toDouble();
            const QString text = card["text"].toString();
            widths[Second.contains(text)] << qRound(card["w"].toDouble());
            QCOMPARE(!card["picture"].toBool(), NoIcon.contains(text));
            if (card["picture"].toBool())
                continue;
            QCOMPARE(card["initial"].toString(), QString(text).remove("«").left(1).toUpper());
            const int size = Second.contains(text) ? 48 : pageIcon;
            QCOMPARE(card["square"].toString(), QString("%1px").arg(size));
        }
        for (const QList<double>& row : heights)
            QVERIFY2(*std::max_element(row.begin(), row.end()) -
                             *std::min_element(row.begin(), row.end()) <
                         0.5,
                     qPrintable(QString("unequal heights in a row: %1").arg(row.size())));
        QVERIFY(heights.size() >= 3);
        QCOMPARE(widths[0].size(), 1);
        QCOMPARE(widths[1].size(), 1);
        ClickOn("document.querySelector('h1')");
        Type("zebra");
        QTRY_COMPARE(Eval(Shown).toInt(), 1);
        const QVariantMap found = Eval(Cards).toList().value(0).toMap();
        QCOMPARE(found["text"].toString(), QStringLiteral("zebra settings"));
        QCOMPARE(qRound(found["w"].toDouble()), qRound(byText["zebra settings"]["w"].toDouble()));
        QCOMPARE(Eval(Overlaps).toStringList(), QStringList());
        QTest::keyClick(View()->focusProxy(), Qt::Key_Escape);
        QTRY_COMPARE(Eval(Shown).toInt(), 7);
        for (const QVariant& v : Eval(Cards).toList()) {
            const QVariantMap card = v.toMap();
            QCOMPARE(card["w"].toDouble(), byText[card["text"].toString()]["w"].toDouble());
        }
    }

    // Sections of cards are laid out only near the view, and so contained: no card moves for
    // it, and the highlight's outline around a card at a section's edge is drawn whole,
    // not cut off where the section ends. Real tables and bordered sections are left as
    // they are.
    void sectionsAwayFromTheViewChangeNothingSeen_data() {
        Texts({"Theme", "Props", "Contained"});
        Row("icons above", "Light", "|Columns=3", "1");
        Row("icons beside", "Dark", "|Columns=3|Icons above=False|Icon size=24", "1");
        Row("no style sheet", "", "|Columns=4", "1");
        Row("bordered", "System", "|Columns=4|Table border=True", "0");
        Row("own style sheet", "", "|Style sheet=plain.css", "0");
    }
    void sectionsAwayFromTheViewChangeNothingSeen() {
        QVERIFY(Opens(Build("Contained.htm", Mixed(), Fetch("Props") + Theme(Fetch("Theme")))));
        QTRY_COMPARE(Eval(ContainedSections).toInt(), Fetch("Contained").toInt());
        QCOMPARE(Eval(OutlinesCut).toStringList(), QStringList());
        const QVariantList contained = Eval(Cards).toList();
        Eval("document.querySelectorAll('body > table, body > table > tbody')"
             ".forEach(t => t.removeAttribute('style'))");
        QCOMPARE(Eval(ContainedSections).toInt(), 0);
        QCOMPARE(Eval(Cards).toList(), contained);
    }

    // The found item keeps the focus and stays in view while a thousand items come back
    // above it, a slice at a time; the find bar covers neither the heading nor an item.
    void escapeLeavesTheFoundItemInView() {
        QVERIFY(Opens(Build("Thousand.htm", ThousandItems(Recorder))));
        ClickOn("document.querySelector('h1')");
        Type("item 993");
        QTRY_COMPARE(Eval(Shown).toInt(), 1);
        QCOMPARE(Eval(Overlaps).toStringList(), QStringList());
        QTest::keyClick(View()->focusProxy(), Qt::Key_Escape);
        QTRY_COMPARE(Eval(Shown).toInt(), 1001);
        QCOMPARE(Eval("document.activeElement.textContent").toString(), QStringLiteral("Item 993"));
        QTRY_VERIFY(Eval("(function () { var r = document.activeElement.getBoundingClientRect();"
                         " return r.top >= 0 && r.bottom <= innerHeight; })()")
                        .toBool());
        QVERIFY(Eval("scrollY").toDouble() > 1000); // brought there, not left at the top
    }

    // A page that names no style sheet shows the System theme (light here, as the desktop
    // is), under what its own properties say; one that names any sheet, in its head or in
    // its header HTML, is left as it is.
    void pagesWithoutAStyleSheetShowTheSystemTheme_data() {
        Texts({"Props", "Header", "Check"});
        const QString body = "document.body";
        Row("no sheet", "", "", Computed(body, "backgroundColor") + "=rgb(243, 244, 246)");
        Row("no sheet, own background", "|Background colour=#FFFFE0", "",
            Computed(body, "backgroundColor") + "=rgb(255, 255, 224)");
        Row("no sheet, own font size", "|Font size=15", "", Computed(body, "fontSize") + "=20px");
        Row("no sheet, own font", "|Font=DejaVu Serif", "",
            Computed(body, "fontFamily") + "=\"DejaVu Serif\"");
        Row("own sheet", "|Style sheet=plain.css", "", Computed(body, "marginTop") + "=8px");
        Row("sheet in the header", "", "<link rel=\"stylesheet\" href=\"plain.css\">",
            Computed(body, "marginTop") + "=8px");
    }
    void pagesWithoutAStyleSheetShowTheSystemTheme() {
        const QString check = Fetch("Check");
        QVERIFY(Opens(Build("Page.htm", Mixed(), Fetch("Props"), Fetch("Header"))));
        QCOMPARE(Eval(check.section('=', 0, -2)).toString(), check.section('=', -1));
        const bool themed = Eval(Computed("document.body", "marginTop")).toString() == "0px";
        QCOMPARE(themed, !check.contains("8px"));
    }

    // The welcome page: the theme's colours, and its one link is a button that opens a page.
    void welcomePageShowsTheSystemTheme() {
        QVERIFY(Loads([&] { R->W.Form_Load({}); }));
        QTRY_COMPARE(Eval(Computed("document.body", "backgroundColor")).toString(),
                     QStringLiteral("rgb(243, 244, 246)"));
        const QVariantList open = Eval("(function () { var a = document.links[0];"
                                       " return [document.links.length, a.getAttribute('href'),"
                                       " a.textContent, getComputedStyle(a).backgroundColor,"
                                       " getComputedStyle(a).color]; })()")
                                      .toList();
        QCOMPARE(open.value(0).toInt(), 1);
        QCOMPARE(open.value(1).toString(), QStringLiteral("qtc:open"));
        QCOMPARE(open.value(2).toString(), QStringLiteral("Open a launcher page…"));
        // A button: a filled face whose text stands out from it.
        const QColor face = CssColour(open[3].toString()), text = CssColour(open[4].toString());
        QVERIFY(qAbs(face.lightness() - text.lightness()) > 100);
        QVERIFY(Eval("document.querySelector('img').naturalWidth").toInt() > 0);
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestPageLook>(argc, argv);
}
#include "test_page_look.moc"
