// The "P&review" tab in the real browser engine.
#include "BuildCommands.h"
#include "FakeEditorContext.h"
#include "PreviewPane.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace BuildCommands;

namespace {
constexpr int Timeout = 20000;

void AddItem(LauncherDocument& Doc, const QString& Description, const QString& Command,
             const QString& Run) {
    LauncherItem item;
    item[cellDescription] = Description;
    item[cellCommand] = Command;
    item[cellRun] = Run;
    Doc.Items.Append(item);
}

QVariant Evaluate(QWebEngineView* View, const QString& Script) {
    QVariant result;
    bool done = false;
    View->page()->runJavaScript(Script, [&](const QVariant& Value) {
        result = Value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, Timeout))
        return QStringLiteral("<no answer>");
    return result;
}

void ClickLink(QWebEngineView* View, const QString& Href) {
    Evaluate(View,
             QStringLiteral("document.querySelector('a[href=\"%1\"]').click(); true").arg(Href));
}
} // namespace

class TestBuildPreview : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void previewShowsThePageAndRefusesItsCommands();

private:
    QTemporaryDir Temp;
};

void TestBuildPreview::initTestCase() {
    QVERIFY(Temp.isValid());
    qputenv("TEMP", Temp.path().toUtf8());
}

void TestBuildPreview::cleanupTestCase() {
    qunsetenv("TEMP");
}

void TestBuildPreview::previewShowsThePageAndRefusesItsCommands() {
    const QString other = Temp.filePath(QStringLiteral("other page.htm"));
    QVERIFY(
        TestFiles::Write(other, "<html><head><title>Other</title></head><body>x</body></html>"));
    FakeEditorContext ctx;
    LauncherDocument& doc = ctx.Document;
    doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Preview Ü"));
    doc.WriteProp(QStringLiteral("Show exit command"), QStringLiteral("True"));
    AddItem(doc, QStringLiteral("Editor"), QStringLiteral("/usr/bin/env"),
            QStringLiteral("Normal Window"));
    AddItem(doc, QStringLiteral("Other"), other, QStringLiteral("Hyperlink"));

    ctx.Preview.resize(640, 480);
    ctx.Preview.show();
    // Nothing of the engine exists before the first visit.
    QVERIFY(ctx.Preview.findChild<PreviewPane*>() == nullptr);
    ctx.Tab = 3;
    tabMain_Click(ctx, 1);
    QVERIFY2(ctx.Scripted.Messages.isEmpty(), qPrintable(ctx.Scripted.LastMessage().Text));
    PreviewPane* pane = ctx.Preview.findChild<PreviewPane*>();
    QVERIFY(pane);
    QCOMPARE(ctx.Preview.layout()->indexOf(pane), 0);
    QWebEngineView* wb = pane->WB;
    const QUrl preview = QUrl::fromLocalFile(Temp.filePath(QStringLiteral("QTE.htm")));
    QCOMPARE(wb->url(), preview);
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(wb, "document.title").toString(),
                              QStringLiteral("Preview Ü"), Timeout);

    // The status label names the link under the mouse.
    const QVariantList centre =
        Evaluate(wb, "var r = document.querySelector('a[href=\"qtc:exit\"]')"
                     ".getBoundingClientRect(); [r.left + r.width / 2, r.top + r.height / 2]")
            .toList();
    QCOMPARE(centre.size(), 2);
    QWidget* surface = wb->focusProxy();
    QVERIFY(surface);
    QTest::mouseMove(surface, QPoint(centre[0].toInt(), centre[1].toInt()));
    QTRY_COMPARE_WITH_TIMEOUT(pane->lblWBStat->text(), QStringLiteral("qtc:exit"), Timeout);

    // An item link and a window command are refused; the preview stays on its page.
    QSignalSpy refused(pane, &PreviewPane::NavigationRefused);
    ClickLink(wb, QStringLiteral("qt:/usr/bin/env"));
    ClickLink(wb, QStringLiteral("qtc:exit"));
    QTRY_COMPARE_WITH_TIMEOUT(refused.size(), 2, Timeout);
    QCOMPARE(refused[0][0].toUrl().toString(), QStringLiteral("qt:/usr/bin/env"));
    QCOMPARE(refused[1][0].toUrl().toString(), QStringLiteral("qtc:exit"));
    QTest::qWait(300);
    QCOMPARE(wb->url(), preview);
    QCOMPARE(Evaluate(wb, "document.title").toString(), QStringLiteral("Preview Ü"));

    // A link asking for a new window is held to the same rule.
    Evaluate(wb, "window.open('qt:/usr/bin/env,new'); true");
    QTRY_COMPARE_WITH_TIMEOUT(refused.size(), 3, Timeout);
    QCOMPARE(wb->url(), preview);

    // Any other link is followed inside the preview.
    ClickLink(wb, other);
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(wb, "document.title").toString(), QStringLiteral("Other"),
                              Timeout);

    // Leaving the tab blanks the preview; coming back rebuilds it in the same view.
    ctx.Tab = 0;
    tabMain_Click(ctx, 3);
    QTRY_COMPARE_WITH_TIMEOUT(wb->url(), QUrl(QStringLiteral("about:blank")), Timeout);
    doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Changed"));
    ctx.Tab = 3;
    tabMain_Click(ctx, 0);
    QCOMPARE(ctx.Preview.findChildren<PreviewPane*>().size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(wb, "document.title").toString(), QStringLiteral("Changed"),
                              Timeout);
    QVERIFY(ctx.Scripted.Messages.isEmpty());
}

int main(int argc, char* argv[]) {
    PreviewPane::RegisterUrlSchemes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestBuildPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_build_preview.moc"
