// The runner's window as a screen reader meets it: every control it can reach by
// keyboard has a name, on the welcome page and on a launcher page.
#include "RunnerHarness.h"
#include "support/AccessibleWalk.h"

using namespace RunnerHarness;

class TestRunnerNames : public QObject, Harness {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void init() { Start(); }
    void cleanup() { R.reset(); }

    void welcomePage() {
        QVERIFY(Loads([this] { R->W.Form_Load({}); }));
        QVERIFY(QTest::qWaitForWindowExposed(&R->W));
        const QStringList unnamed = AccessibleWalk::UnnamedControls(R->W);
        QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    }

    // With the extra-commands box shown, as a page's info block asks for it.
    void launcherPage() {
        const QString page = Build("Tools.htm", {Item{"Editor", "/bin/true"}},
                                   "Extra commands=True|Show open command=True");
        QVERIFY(Opens(page));
        QVERIFY(QTest::qWaitForWindowExposed(&R->W));
        QVERIFY(Box()->isVisible());
        const QStringList unnamed = AccessibleWalk::UnnamedControls(R->W);
        QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestRunnerNames>(argc, argv);
}
#include "test_runner_names.moc"
