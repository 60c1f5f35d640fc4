// The runner with the keyboard alone, in the real engine: typing finds items on a page of
// 1,000, Enter starts the highlighted one as a click does, Escape brings every item back;
// Tab and the arrows reach the items; the window's commands have their keys.
#include "e2e/RunnerHarness.h"

using namespace RunnerHarness;

namespace {
const QString VisibleItems = "Array.from(document.querySelectorAll('td > a'))"
                             ".filter(a => a.getClientRects().length).map(a => a.textContent)";
const QString VisibleSections = "Array.from(document.querySelectorAll('h2'))"
                                ".filter(h => h.getClientRects().length).length";
const QString Highlighted = "(document.querySelector('a[data-quintor-current]') || {}).textContent";
const QString Focused = "document.activeElement.textContent";
const QString HasBar = "document.querySelector('quintor-find') !== null";

// 1,000 items in ten sections of a hundred, and two that the tests look for.
QVector<Item> ThousandItems(const QString& Recorder) {
    QVector<Item> items;
    for (int n = 1; n <= 1000; ++n) {
        if (n % 100 == 1)
            items.append(Item{"SECTION:Part " + QString::number(n / 100 + 1) +
                              ";Columns:5;Icon size:32;Icons above:True;Table border:False"});
        items.append(Item{"Item " + QString::number(n), "/usr/bin/tool-" + QString::number(n)});
    }
    items.append(
        Item{"SECTION:Special;Columns:5;Icon size:32;Icons above:True;Table border:False"});
    items.append(Item{"Émile's Editor", Recorder, "found", {}, "Normal Window", "writes letters"});
    items.append(Item{"Zed", "/opt/zed/zed-launcher"});
    return items;
}
} // namespace

class TestRunnerKeyboard : public QObject, Harness {
    Q_OBJECT
    QWidget* Keys() const { return View()->focusProxy(); }
    QStringList Visible() { return Eval(VisibleItems).toStringList(); }
    void Type(const QString& Text) { QTest::keyClicks(Keys(), Text); }
    void Key(Qt::Key K, Qt::KeyboardModifiers Mods = {}) { QTest::keyClick(Keys(), K, Mods); }
    bool OpensThousand(const QString& Props = {}) {
        if (!Opens(Build("Thousand.htm", ThousandItems(Recorder), Props)))
            return false;
        ClickOn("document.querySelector('h1')"); // the page has the focus
        return true;
    }

private slots:
    void init() { Start(); }

    void typingFindsItemsAndEnterStartsTheHighlighted() {
        QVERIFY(OpensThousand("Minimise on use=True"));
        Type("emile");
        QTRY_COMPARE(Visible(), QStringList{"Émile's Editor"}); // accent-blind
        QCOMPARE(Eval(VisibleSections).toInt(), 1);
        QCOMPARE(Eval(Highlighted).toString(), QStringLiteral("Émile's Editor"));
        Key(Qt::Key_Escape);
        QTRY_COMPARE(Visible().size(), 1002);
        QCOMPARE(Eval(VisibleSections).toInt(), 11);
        QVERIFY(!Eval(HasBar).toBool());
        Type("LETTERS edit"); // every word, in the comment and the description
        QTRY_COMPARE(Visible(), QStringList{"Émile's Editor"});
        Key(Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
        QCOMPARE(Recorded().mid(1), QStringList{"found"});
        QCOMPARE(R->Port.Calls.size(), 1);
        QVERIFY(R->W.isMinimized()); // as a click does
        Key(Qt::Key_Escape);
        QTRY_COMPARE(Visible().size(), 1002);
        Type("zed-launcher"); // the command
        QTRY_COMPARE(Visible(), QStringList{"Zed"});
    }

    void arrowsMoveBetweenMatchesAndItems() {
        QVERIFY(OpensThousand());
        Type("item 10");
        QTRY_COMPARE(Visible().size(), 21); // 10, 100..109, 110, 210 .. 910, 1000
        QCOMPARE(Eval(Highlighted).toString(), QStringLiteral("Item 10"));
        Key(Qt::Key_Right);
        QTRY_COMPARE(Eval(Highlighted).toString(), QStringLiteral("Item 100"));
        Key(Qt::Key_Left);
        QTRY_COMPARE(Eval(Highlighted).toString(), QStringLiteral("Item 10"));
        Key(Qt::Key_Down); // the row below: 100..104 share a row, the nearest is 100
        QTRY_COMPARE(Eval(Highlighted).toString(), QStringLiteral("Item 100"));
        Key(Qt::Key_Escape); // the item found keeps the focus
        QTRY_VERIFY(!Eval(HasBar).toBool());
        QCOMPARE(Eval(Focused).toString(), QStringLiteral("Item 100"));
        // Without the bar, Tab reaches the items in page order and the arrows move among them.
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_Tab);
        QTRY_COMPARE(Eval(Focused).toString(), QStringLiteral("Item 1"));
        Key(Qt::Key_Right);
        QTRY_COMPARE(Eval(Focused).toString(), QStringLiteral("Item 2"));
        Key(Qt::Key_Down);
        QTRY_COMPARE(Eval(Focused).toString(), QStringLiteral("Item 7"));
        Key(Qt::Key_Tab);
        QTRY_COMPARE(Eval(Focused).toString(), QStringLiteral("Item 8"));
    }

    // Typing into the extra-commands box is not a search; Ctrl+F is; a page without item
    // links gets no bar.
    void barOpensOnlyWhereItBelongs() {
        QVERIFY(OpensThousand());
        Box()->setFocus();
        QTest::keyClicks(Box(), "ab/c");
        QCOMPARE(Box()->text(), QStringLiteral("ab/c"));
        QTest::qWait(500);
        QVERIFY(!Eval(HasBar).toBool());
        QCOMPARE(Visible().size(), 1002);
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(Eval(HasBar).toBool());
        QVERIFY(Opens(Write("plain.htm", "<table><tr><td><a href=x.htm>x</a></td></tr></table>")));
        ClickOn("document.body");
        Key(Qt::Key_F, Qt::ControlModifier);
        Type("x");
        QTest::qWait(500);
        QVERIFY(!Eval(HasBar).toBool());
    }

    void windowCommandsHaveTheirKeys() {
        const QString page = Build("Keys.htm", {{"One", "/bin/true"}}, "Closable=False");
        QVERIFY(Opens(page));
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(R->Dialogs.FileRequests.size(), 1);
        QVERIFY(Loads([&] { Key(Qt::Key_F5); }));
        Key(Qt::Key_W, Qt::ControlModifier);
        Key(Qt::Key_Q, Qt::ControlModifier);
        QTest::qWait(300);
        QVERIFY(R->W.isVisible()); // this page may not be closed
        QVERIFY(Opens(Build("Closable.htm", {{"One", "/bin/true"}})));
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!R->W.isVisible());
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestRunnerKeyboard>(argc, argv);
}
#include "test_runner_keyboard.moc"
