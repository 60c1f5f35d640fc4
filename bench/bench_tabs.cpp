// Switching to the "&HTML" and "P&review" tabs on a document of 1,000 items.
// The first preview visit starts the browser engine; later visits must not pay for it.
#include "build/PageBuild.h"
#include "build/ui/BuildCommands.h"
#include "build/ui/PreviewPane.h"
#include "editor/FakeEditorContext.h"
#include "items/Sections.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QtTest>
#include <algorithm>
#include <cstdio>

namespace {
void Fill(LauncherDocument& Doc, int Count) {
    QVector<LauncherItem> rows;
    for (int i = 1; i <= Count; ++i) {
        LauncherItem item;
        if (i % 100 == 1) {
            SectionDetails section;
            section.Name = QStringLiteral("Section %1").arg(i / 100 + 1);
            item[cellDescription] = SectionRowText(section);
            rows.append(item);
            continue;
        }
        item[cellDescription] = QStringLiteral("Program %1").arg(i);
        item[cellCommand] = QStringLiteral("/usr/bin/program%1").arg(i);
        item[cellParameters] = QStringLiteral("--file, \"x %1\"").arg(i);
        item[cellStartIn] = QStringLiteral("/home/user/work");
        item[cellIcon] = QStringLiteral("/usr/share/icons/app%1.png").arg(i % 50);
        item[cellRun] = QStringLiteral("Normal Window");
        item[cellComments] = QStringLiteral("Comment %1").arg(i);
        rows.append(item);
    }
    Doc.Items.ReplaceAll(rows);
}

double Median(QVector<double> Values) {
    std::sort(Values.begin(), Values.end());
    return Values.isEmpty() ? 0 : Values[Values.size() / 2];
}

double Ms(const QElapsedTimer& Timer) {
    return Timer.nsecsElapsed() / 1e6;
}

// Switches to the preview and waits until the page has loaded; returns {click, loaded} ms.
// Waits with an event loop of its own: polling waits stretch the engine's load by a second.
QPair<double, double> VisitPreview(FakeEditorContext& Ctx, int From) {
    Ctx.Tab = 3;
    QEventLoop loop;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    const QUrl page = QUrl::fromLocalFile(Ctx.PreviewPage.PageFile());
    QMetaObject::Connection done;
    auto Watch = [&](PreviewPane* Pane) {
        done = QObject::connect(Pane->WB, &QWebEngineView::loadFinished, &loop, [&, Pane] {
            if (Pane->WB->url() == page)
                loop.quit();
        });
    };
    if (PreviewPane* pane = Ctx.Preview.findChild<PreviewPane*>())
        Watch(pane);
    QElapsedTimer timer;
    timer.start();
    BuildCommands::tabMain_Click(Ctx, From);
    const double click = Ms(timer);
    if (!Ctx.Scripted.Messages.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(Ctx.Scripted.LastMessage().Text));
        std::exit(1);
    }
    if (!done)
        Watch(Ctx.Preview.findChild<PreviewPane*>());
    loop.exec();
    QObject::disconnect(done);
    return {click, Ms(timer)};
}
} // namespace

int main(int argc, char* argv[]) {
    PreviewPane::RegisterUrlSchemes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir temp;
    qputenv("TEMP", temp.path().toUtf8());

    FakeEditorContext ctx;
    Fill(ctx.Document, 1000);
    ctx.Preview.resize(800, 600);
    ctx.Preview.show();
    ctx.Html.resize(800, 600);
    ctx.Html.show();

    QVector<double> html;
    for (int i = 0; i < 20; ++i) {
        ctx.Tab = 2;
        QElapsedTimer timer;
        timer.start();
        BuildCommands::tabMain_Click(ctx, 0);
        QCoreApplication::processEvents(); // the text laid out and painted, as a user sees it
        html.append(Ms(timer));
    }
    std::printf("HTML tab, 1,000 items: median %.1f ms over %d switches (%lld characters)\n",
                Median(html), int(html.size()),
                static_cast<long long>(ctx.Html.toPlainText().size()));

    const auto first = VisitPreview(ctx, 2);
    std::printf("Preview tab, first visit: %.1f ms until the tab handler returned, %.1f ms until "
                "the page had loaded\n",
                first.first, first.second);

    QVector<double> clicks, loads;
    for (int i = 0; i < 10; ++i) {
        ctx.Tab = 0;
        BuildCommands::tabMain_Click(ctx, 3);
        QTest::qWait(50);
        const auto later = VisitPreview(ctx, 0);
        clicks.append(later.first);
        loads.append(later.second);
    }
    std::printf("Preview tab, later visits: median %.1f ms until the tab handler returned, %.1f ms "
                "until the page had loaded (%d visits)\n",
                Median(clicks), Median(loads), int(loads.size()));
    return 0;
}
