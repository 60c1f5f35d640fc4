// What the engine is told before it starts: screen readers see its pages unless the user
// decided otherwise, whatever the user's own value says.
#include "components/platform/BrowserEngine.h"
#include "support/DataRows.h"

#include <QTest>

using namespace DataRows;

namespace {
const char Variable[] = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";
} // namespace

class TestBrowserEngine : public QObject {
    Q_OBJECT

private slots:
    void screenReadersSeePages_data() {
        // Users: the value the user set, "-" for none.
        Texts({"User", "Expected"});
        Row("not set", "-", "1");
        Row("the user's no", "0", "0");
        Row("set and empty", "", "");
    }
    void screenReadersSeePages() {
        const QString user = Fetch("User");
        if (user == "-")
            qunsetenv(Variable);
        else
            qputenv(Variable, user.toUtf8());
        BrowserEngine::PrepareEnvironment();
        QVERIFY(qEnvironmentVariableIsSet(Variable));
        QCOMPARE(qEnvironmentVariable(Variable), Fetch("Expected"));
    }
};

QTEST_GUILESS_MAIN(TestBrowserEngine)
#include "test_browser_engine.moc"
