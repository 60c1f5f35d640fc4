// The runner that is there already, against a cold start of the same page of 1,000 items,
// on an X server and window manager of the benchmark's own (Xvfb and openbox):
//   bench_runner_instance [RUNS]
// Prints the medians of: a cold start to the window shown with its page; a second start on
// the page to the window there active; --toggle to the window hidden and to it shown again;
// the editor's Build of a changed page to the new page shown.
//   bench_runner_instance --marks [RUNS]
// Loads the page in a runner window of this process, a third of its items unable to start,
// and prints what marking them cost the window's thread (its processor time from the page
// loaded to the marks on it) and how long the marks took to appear.
#include "build/PageBuild.h"
#include "components/dialogs/ScriptedUserDialogs.h"
#include "components/platform/BrowserEngine.h"
#include "core/LaunchPort.h"
#include "document/LauncherDocument.h"
#include "e2e/X11Desktop.h"
#include "ui/BrowserPage.h"
#include "ui/ItemMarks.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRasterWindow>
#include <QTemporaryDir>
#include <QThread>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr qint64 GiveUpMs = 30000;

// Milliseconds from now until Done holds, looked at every half millisecond; -1 if never.
double MsUntil(const std::function<bool()>& Done) {
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > GiveUpMs)
            return -1;
        QCoreApplication::processEvents();
        QThread::usleep(500);
    }
    return clock.nsecsElapsed() / 1e6;
}

// Milliseconds from Start until Done holds; -1 if never.
double MsFrom(const std::function<void()>& Start, const std::function<bool()>& Done) {
    QElapsedTimer clock;
    clock.start();
    Start();
    return MsUntil(Done) < 0 ? -1 : clock.nsecsElapsed() / 1e6;
}

// As a person would between two presses: the window has taken the focus it was given.
void Pause() {
    QElapsedTimer clock;
    clock.start();
    MsUntil([&clock] { return clock.elapsed() >= 300; });
}

double Median(QList<double> Values) {
    std::sort(Values.begin(), Values.end());
    return Values.isEmpty() ? -1 : Values[Values.size() / 2];
}

// A page of 1,000 items; every Missing-th names a program that is not there.
void FillThousand(LauncherDocument& Doc, const QString& Title, int Missing = 0) {
    Doc.WriteProp(QStringLiteral("Title"), Title);
    Doc.WriteProp(QStringLiteral("Columns"), QStringLiteral("4"));
    for (int n = 1; n <= 1000; ++n)
        Doc.Items.Append(
            LauncherItem{{QStringLiteral("Item %1").arg(n),
                          Missing && n % Missing == 0 ? QStringLiteral("/nonexistent/tool%1").arg(n)
                                                      : QStringLiteral("/usr/bin/true"),
                          QStringLiteral("-n %1").arg(n),
                          QStringLiteral("/tmp"),
                          {},
                          QStringLiteral("Normal Window"),
                          {}}});
}

class Bench {
public:
    Bench(const QString& Page, const Xprop& X) : Page(Page), X(X) {
        Runner = QDir(QCoreApplication::applicationDirPath())
                     .filePath(QStringLiteral("../bin/quintor2"));
        Own.setTitle(QStringLiteral("own window"));
        Own.resize(200, 100);
        Own.show();
    }

    // From exec to the runner's window on the screen with the page's title.
    double ColdStart(QProcess& Process) {
        return MsFrom(
            [&] {
                Process.start(Runner, {QStringLiteral("--"), Page});
            },
            [this] { return Window() != 0; });
    }

    // A second start on the page while another window has the focus: to the runner active.
    double SecondStart() {
        if (!FocusOwn())
            return -1;
        QProcess again;
        const double ms =
            MsFrom([&] { again.start(Runner, {Page}); }, [this] { return InFront(); });
        again.waitForFinished(GiveUpMs);
        Pause();
        return ms;
    }

    // --toggle on the window in front hides it; the next one shows it again, active.
    QPair<double, double> Toggle() {
        QProcess hide, show;
        const double hidden = MsFrom([&] { hide.start(Runner, {QStringLiteral("--toggle")}); },
                                     [this] { return Window() == 0; });
        hide.waitForFinished(GiveUpMs);
        Pause();
        const double shown = MsFrom([&] { show.start(Runner, {QStringLiteral("--toggle")}); },
                                    [this] { return InFront(); });
        show.waitForFinished(GiveUpMs);
        Pause();
        return {hidden, shown};
    }

    // The editor's Build writes the page with a new title: to the window showing it.
    double Rebuild(int Run) {
        const QString title = QStringLiteral("Rebuilt %1").arg(Run);
        LauncherDocument doc;
        FillThousand(doc, title);
        return MsFrom(
            [&] {
                PageBuild::WritePage(doc, Page);
                Title = title;
            },
            [this] { return Window() != 0; });
    }

    QString Title = QStringLiteral("Thousand");

private:
    xcb_window_t Window() const { return X.Titled(Title.toUtf8() + " - Quintor"); }
    bool InFront() const { return Window() != 0 && X.Active() == Window(); }
    bool FocusOwn() {
        Own.requestActivate();
        return MsUntil([this] { return X.Active() == xcb_window_t(Own.winId()); }) >= 0;
    }

    QString Page;
    QString Runner;
    const Xprop& X;
    QRasterWindow Own;
};

void Report(const char* What, const QList<double>& Values, const char* Budget) {
    std::printf("%-44s median %7.1f ms  (best %.1f, worst %.1f; %s)\n", What, Median(Values),
                *std::min_element(Values.begin(), Values.end()),
                *std::max_element(Values.begin(), Values.end()), Budget);
    std::fflush(stdout);
}

double ThreadCpuMs() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

int Marks(int argc, char* argv[], int Runs) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    BrowserPage::RegisterSchemes();
    BrowserEngine::PrepareEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("Marks.htm"));
    LauncherDocument doc;
    FillThousand(doc, QStringLiteral("Marks"), 3);
    PageBuild::WritePage(doc, page);
    ScriptedUserDialogs dialogs;
    SystemLaunchPort launch;
    frmMain window(dialogs, launch);
    auto* view = window.findChild<QWebEngineView*>(QStringLiteral("WB"));
    auto* marks = window.findChild<ItemMarks*>();
    QList<double> cpu, wall;
    double cpuAtLoad = 0;
    QElapsedTimer sinceLoad;
    QObject::connect(view->page(), &QWebEnginePage::loadFinished, &app, [&] {
        cpuAtLoad = ThreadCpuMs();
        sinceLoad.start();
    });
    int marked = 0;
    QObject::connect(marks, &ItemMarks::Marked, &app, [&](int Count) {
        cpu << ThreadCpuMs() - cpuAtLoad;
        wall << sinceLoad.nsecsElapsed() / 1e6;
        marked = Count;
        if (cpu.size() < Runs)
            view->page()->triggerAction(QWebEnginePage::Reload);
        else
            app.quit();
    });
    window.show();
    window.Form_Load({page});
    app.exec();
    std::printf("items marked: %d of 1000\n", marked);
    Report("window's thread, page loaded to marks shown", cpu, "budget 20 ms");
    Report("page loaded to marks shown (wall clock)", wall, "worker and engine");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--marks")
        return Marks(argc, argv, argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 7);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;
    Desktop desktop;
    if (!desktop.Start())
        return 1;
    QTemporaryDir session;
    const QString runtime = session.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_STATE_HOME", session.filePath(QStringLiteral("state")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    Xprop x;
    const QString page = session.filePath(QStringLiteral("Thousand.htm"));
    {
        LauncherDocument doc;
        FillThousand(doc, QStringLiteral("Thousand"));
        PageBuild::WritePage(doc, page);
    }
    Bench bench(page, x);

    QList<double> cold, second, hidden, shown, rebuilt;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        cold << bench.ColdStart(process);
        process.kill();
        process.waitForFinished();
    }
    QProcess stays;
    bench.ColdStart(stays);
    for (int i = 0; i < runs; ++i)
        second << bench.SecondStart();
    for (int i = 0; i < runs; ++i) {
        const auto toggled = bench.Toggle();
        hidden << toggled.first;
        shown << toggled.second;
    }
    for (int i = 0; i < runs; ++i) {
        rebuilt << bench.Rebuild(i + 1);
        Pause(); // the next build is a new change, not part of this one
    }
    stays.kill();
    stays.waitForFinished();

    std::printf("runs: %d each (-1: never happened)\n", runs);
    Report("cold start to the page shown", cold, "the reference");
    Report("second start to the window there active", second, "budget 50 ms");
    Report("--toggle to the window hidden", hidden, "budget 50 ms");
    Report("--toggle to the window shown and active", shown, "budget 50 ms");
    Report("Build of a changed page to the page shown", rebuilt, "budget 300 ms");
    return 0;
}
