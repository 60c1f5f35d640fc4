// The runner in German and to a screen reader, in the real engine: the welcome page and
// the window's name in the user's language, the find bar as a labelled search box whose
// count is announced, and every item named by its description and comment, its picture
// left out. What the engine gives a screen reader comes from the page's ARIA attributes,
// read here from the DOM.
#include "e2e/RunnerHarness.h"
#include "support/SpokenLanguage.h"

#include <QAccessible>

using namespace RunnerHarness;

namespace {
// The find bar's parts, read inside its own tree.
const QString BarParts =
    QStringLiteral("(function () { var r = window.quintorFinder.bar(); if (!r) return null;"
                   " var bar = r.querySelector('[role=search]'), input = r.querySelector('input'),"
                   "  live = r.querySelector('[aria-live]');"
                   " return [bar ? bar.getAttribute('aria-label') : '', input.type,"
                   "  input.getAttribute('aria-label'), live.getAttribute('role'),"
                   "  live.getAttribute('aria-live'), r.querySelector('.count').textContent,"
                   "  live.textContent]; })()");

QString AccessibleName(QObject* Object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Object);
    return face ? face->text(QAccessible::Name) : QString();
}
} // namespace

class TestRunnerAccessible : public QObject, Harness {
    Q_OBJECT
    QString Page;

    QStringList Bar() { return Eval(BarParts).toStringList(); }

private slots:
    void initTestCase() {
        QCOMPARE(SpeakLanguage(QStringLiteral("de_DE"), {"components", "quintor2"}).size(), 2);
        const QString section =
            "SECTION:Tools;Columns:4;Icon size:32;Icons above:True;Table border:False";
        // Programs that are nowhere: their marks are read too.
        Page =
            Build("Tools.htm",
                  {{section},
                   {"Terminal",
                    "/no/xterm",
                    {},
                    {},
                    "Normal Window",
                    "Use the command line",
                    Dir.filePath("t.png")},
                   {"Files", "/no/files"},
                   {"Calc, the sheet", "/no/calc", {}, {}, "Normal Window", "Sums, tables"},
                   {"Debian", "https://www.debian.org", {}, {}, "Hyperlink", "The project home"}});
        Start();
    }

    // A screen reader hears the window by its caption, never as a nameless "QT".
    void theWindowIsNamed() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&R->W);
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Quintor"));
        QCOMPARE(AccessibleName(View()), QStringLiteral("Startseite"));
        QCOMPARE(AccessibleName(Box()), QStringLiteral("Zusätzliche Parameter"));
    }

    void welcomePageSpeaksGerman() {
        QVERIFY(Opens(QString()));
        QCOMPARE(Eval("[document.documentElement.lang, document.title,"
                      " document.querySelector('a.open').textContent,"
                      " document.querySelector('.keys').textContent]")
                     .toStringList(),
                 QStringList({"de", "Willkommen!", "Startseite öffnen…", "Strg+O"}));
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("Willkommen! - Quintor"));
        QCOMPARE(AccessibleName(&R->W), QStringLiteral("Willkommen! - Quintor"));
    }

    void itemsAreNamed_data() {
        // The item by the start of its link; its name; its description (the link's title,
        // with what is missing); whether it has a picture that is left out.
        Columns<QString, QString, QString, bool>({"Link", "Name", "Description", "Picture"});
        Row("description and comment", "qt:/no/xterm", "Terminal, Use the command line",
            "Use the command line\nDer Befehl wurde nicht gefunden: /no/xterm", true);
        Row("no comment: the description once", "qt:/no/files", "Files",
            "Files\nDer Befehl wurde nicht gefunden: /no/files", false);
        Row("commas as the page shows them", "qt:/no/calc", "Calc, the sheet, Sums, tables",
            "Sums, tables\nDer Befehl wurde nicht gefunden: /no/calc", false);
        Row("a web link is an item too", "https:", "Debian, The project home", "The project home",
            false);
    }
    void itemsAreNamed() {
        if (R->W.CurFile() != Page)
            QVERIFY(Opens(Page));
        const QString link = "document.querySelector('a[href^=\"" + Fetch("Link") + "\"]')";
        QTRY_COMPARE(Eval(link + ".title").toString(), Fetch("Description"));
        QTRY_COMPARE(Eval(link + ".getAttribute('aria-label')").toString(), Fetch("Name"));
        const QString picture = link + ".querySelector('img')";
        QCOMPARE(
            Eval(picture + " ? " + picture + ".getAttribute('aria-hidden') : 'none'").toString(),
            Fetch<bool>("Picture") ? QStringLiteral("true") : QStringLiteral("none"));
    }

    // The bar is a labelled search box; what it found is announced in German, after each
    // search, while the count beside the box says which match is highlighted.
    void theFindBarAnnounces_data() {
        Texts({"Typed", "Count", "Announced"});
        Row("one", "terminal", "1 von 1", "1 Eintrag gefunden");
        Row("none", "xyzzy", "Kein Treffer", "Keine Einträge gefunden");
        Row("all, by Ctrl+F", "", "1 von 4", "4 Einträge gefunden");
    }
    void theFindBarAnnounces() {
        if (R->W.CurFile() != Page)
            QVERIFY(Opens(Page));
        Key(Qt::Key_Escape);
        ClickOn("document.querySelector('h1')");
        const QString typed = Fetch("Typed");
        if (typed.isEmpty())
            Key(Qt::Key_F, Qt::ControlModifier);
        else
            Type(typed);
        QTRY_COMPARE(Bar().value(6), Fetch("Announced"));
        QCOMPARE(Bar(), QStringList({"Eintrag suchen", "search", "Eintrag suchen", "status",
                                     "polite", Fetch("Count"), Fetch("Announced")}));
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestRunnerAccessible>(argc, argv);
}
#include "test_runner_accessible.moc"
