#include "LauncherDocument.h"
#include "PageDocs.h"
#include "TestFiles.h"
#include "modGenHTML.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QtTest>

using namespace PageDocs;

namespace {
QVariant Eval(QWebEnginePage& Page, const QString& Script) {
    QVariant result;
    bool done = false;
    Page.runJavaScript(Script, [&](const QVariant& Value) {
        result = Value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        qWarning("script did not answer: %s", qPrintable(Script));
    return result;
}

bool WriteExecutable(const QString& Path) {
    return TestFiles::Write(Path, "#!/bin/sh\n") &&
           QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace

// The generated page as the browser engine reads it.
class TestPageGenBrowser : public QObject {
    Q_OBJECT
private slots:
    void pageReadsAsWritten();
};

void TestPageGenBrowser::pageReadsAsWritten() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath("tool");
    QVERIFY(WriteExecutable(program));

    const QString tricky = "Say \"hi\" <b>bold</b> & <script>document.title='owned'</script>";
    LauncherDocument doc;
    doc.WriteProp("Title", "Café Tools");
    doc.WriteProp("Columns", "2");
    doc.Items.AppendAll(
        {Item(tricky, "a,b.exe", "-x \"q\"", "/w,d", program, "Maximised Focus"),
         Item("Plain", "plain", {}, {}, {}, "Normal Window", "comment, with comma"),
         Section("S", "1"),
         Item("Web", "https://example.invalid/a?b=1&c=2", {}, {}, {}, "Hyperlink")});
    const QString pagePath = dir.filePath("Tools.htm");
    QVERIFY(TestFiles::Write(pagePath, GenHTML(doc, true, dir.filePath("Tools")).toUtf8()));

    QWebEnginePage page;
    QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    page.load(QUrl::fromLocalFile(pagePath));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 30000);
    QVERIFY(loaded.first().first().toBool());

    // The title decodes as UTF-8 and the description's markup stayed text.
    QCOMPARE(Eval(page, "document.title").toString(), QString("Café Tools"));
    QCOMPARE(Eval(page, "document.querySelectorAll('td b, td script').length").toInt(), 0);
    const QJsonArray links =
        QJsonDocument::fromJson(
            Eval(page, "JSON.stringify(Array.from(document.querySelectorAll('td a'), a => "
                       "[a.getAttribute('href'), a.textContent, a.title]))")
                .toString()
                .toUtf8())
            .array();
    QCOMPARE(links.size(), 3);
    QCOMPARE(links[0][0].toString(), QString("qt:a&comma;b.exe,-x \"q\",/w&comma;d,maxfocus"));
    QCOMPARE(links[0][1].toString(), tricky);
    QCOMPARE(links[0][2].toString(), tricky);
    QCOMPARE(links[1][0].toString(), QString("qt:plain"));
    QCOMPARE(links[1][2].toString(), QString("comment, with comma"));
    QCOMPARE(links[2][0].toString(), QString("https://example.invalid/a?b=1&c=2"));

    // The extracted program icon is a real icon file the engine can show.
    const QJsonArray image =
        QJsonDocument::fromJson(Eval(page, "JSON.stringify((i => [i.complete, i.naturalWidth, "
                                           "i.naturalHeight])(document.images[0]))")
                                    .toString()
                                    .toUtf8())
            .array();
    QCOMPARE(image.size(), 3);
    QVERIFY(image[0].toBool());
    QCOMPARE(image[1].toInt(), 32);
    QCOMPARE(image[2].toInt(), 32);
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPageGenBrowser test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_pagegen_browser.moc"
