// Type to find on a page of 1,000 items in ten sections: the time the filter takes per
// keystroke, the page's new layout included, as the runner's own script measures it; and
// the slowest of the slices that show items coming back when a search widens.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "core/LaunchPort.h"
#include "document/LauncherDocument.h"
#include "pagegen/modGenHTML.h"
#include "support/TestFiles.h"
#include "ui/BrowserPage.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

namespace {
QString ThousandInSections() {
    LauncherDocument doc;
    doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Thousand"));
    QVector<LauncherItem> rows;
    for (int n = 1; n <= 1000; ++n) {
        if (n % 100 == 1)
            rows.append(LauncherItem{{{QStringLiteral("SECTION:Part %1;Columns:5;Icon size:32;"
                                                      "Icons above:True;Table border:False")
                                           .arg(n / 100 + 1),
                                       {},
                                       {},
                                       {},
                                       {},
                                       {},
                                       {}}}});
        rows.append(LauncherItem{{{QStringLiteral("Item %1").arg(n),
                                   QStringLiteral("/usr/bin/tool-%1").arg(n),
                                   {},
                                   {},
                                   {},
                                   QStringLiteral("Normal Window"),
                                   QStringLiteral("Comment %1").arg(n)}}});
    }
    doc.Items.AppendAll(rows);
    return GenHTML(doc, false, {});
}

// A figure the runner's own script keeps, in its own world.
double FinderFigure(QWebEnginePage* Page, const QString& Name) {
    double ms = -1;
    bool done = false;
    Page->runJavaScript(QStringLiteral("window.quintorFinder.%1()").arg(Name),
                        QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
                            ms = v.toDouble();
                            done = true;
                        });
    (void)QTest::qWaitFor([&] { return done; }, 10000);
    return ms;
}
} // namespace

int main(int argc, char* argv[]) {
    BrowserPage::RegisterSchemes();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("Thousand.htm"));
    TestFiles::Write(page, ThousandInSections().toUtf8());
    ScriptedUserDialogs dialogs;
    SystemLaunchPort launch;
    frmMain window(dialogs, launch);
    auto* View = window.findChild<QWebEngineView*>(QStringLiteral("WB"));
    window.show();
    QSignalSpy loaded(View->page(), &QWebEnginePage::loadFinished);
    window.Form_Load({page});
    if (!loaded.wait(30000))
        return 1;
    QWidget* view = View->focusProxy();
    std::vector<double> times;
    // Typing a search and taking it back again, ten times over.
    for (int round = 0; round < 10; ++round) {
        for (const QChar c : QStringLiteral("item 12")) {
            QTest::keyClick(view, c.toLatin1());
            QTest::qWait(30);
            times.push_back(FinderFigure(View->page(), QStringLiteral("lastFilterMs")));
        }
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(view, Qt::Key_Backspace);
            QTest::qWait(30);
            times.push_back(FinderFigure(View->page(), QStringLiteral("lastFilterMs")));
        }
        QTest::keyClick(view, Qt::Key_Escape);
    }
    const double slowestSlice = FinderFigure(View->page(), QStringLiteral("slowestSliceMs"));
    std::sort(times.begin(), times.end());
    std::printf("filter per keystroke on 1,000 items: median %.2f ms, 90th percentile %.2f ms, "
                "worst %.2f ms over %zu keystrokes (budget 16 ms); slowest slice of items shown "
                "again %.2f ms\n",
                times[times.size() / 2], times[times.size() * 9 / 10], times.back(), times.size(),
                slowestSlice);
    return 0;
}
