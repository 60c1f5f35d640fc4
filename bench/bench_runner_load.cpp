// The runner from start to a page of 1,000 items loaded, and the memory it then holds.
//   bench_runner_load --write PAGE   writes the page (also used by runner_vs_chromium.sh)
//   bench_runner_load PAGE           opens it in the runner window, prints figures, exits
//   bench_runner_load --bare PAGE    the same with a bare engine view, for comparison
//   bench_runner_load --compare [RUNS]  both, alternately, each as a new process; the
//                                       medians of the whole start to the page loaded
#include "AppVersion.h"
#include "components/dialogs/ScriptedUserDialogs.h"
#include "core/LaunchPort.h"
#include "support/TestFiles.h"
#include "ui/BrowserPage.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

namespace {
QElapsedTimer SinceMain;

QString ThousandItemPage() {
    const QString crlf = QStringLiteral("\r\n");
    QString page = QStringLiteral("<html>\r\n\r\n<head>\r\n<meta name=\"generator\" "
                                  "content=\"Quintor Editor " QUINTOR_VERSION_TEXT
                                  "\">\r\n<title>Thousand</title>"
                                  "\r\n</head>\r\n\r\n<body>\r\n\r\n<h1>Thousand</h1>\r\n\r\n"
                                  "<table border=\"0\" width=\"100%\">\r\n");
    for (int row = 0; row < 250; ++row) {
        page += QStringLiteral("  <tr>") + crlf;
        for (int col = 0; col < 4; ++col) {
            const int n = row * 4 + col + 1;
            page += QStringLiteral("    <td width=\"25%\" align=\"center\"><a href=\"qt:/usr/bin/"
                                   "true,-n %1 &amp;comma; x,/tmp,maxfocus\" title=\"Item %1\">"
                                   "<img border=\"0\" src=\"Thousand/Icon0.ico\" width=\"32\" "
                                   "height=\"32\" alt=\"Item %1\"><br>Item %1</a></td>")
                        .arg(n) +
                    crlf;
        }
        page += QStringLiteral("  </tr>") + crlf;
    }
    page += QStringLiteral("</table>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n<!-- Quintor info:\r\n"
                           "Height=600\r\nWidth=800\r\n-->");
    return page;
}

// Resident memory of a process and of every process below it, in kB.
long ResidentKb(const QString& Pid, int* Count) {
    long total = 0;
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                total += line.mid(6).trimmed().split(' ').value(0).toLong();
    ++*Count;
    const QStringList all = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& other : all) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(other));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == Pid.toLatin1())
            total += ResidentKb(other, Count);
    }
    return total;
}
void ReportLoaded(bool Ok) {
    const qint64 loaded = SinceMain.elapsed();
    int processes = 0;
    const long kb = ResidentKb(QString::number(QCoreApplication::applicationPid()), &processes);
    std::printf("page loaded (%s) %lld ms after start; RSS %ld MB in %d processes\n",
                Ok ? "ok" : "failed", static_cast<long long>(loaded), kb / 1024, processes);
    std::fflush(stdout);
    QCoreApplication::quit();
}

int Bare(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWebEngineView view;
    QObject::connect(view.page(), &QWebEnginePage::loadFinished, &app, ReportLoaded);
    view.resize(800, 600);
    view.show();
    view.load(QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()));
    return app.exec();
}

// Milliseconds from starting a process to its report of the page loaded.
double TimedRun(const QStringList& Arguments) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), Arguments);
    while (child.waitForReadyRead(30000))
        if (child.readAll().contains("page loaded (ok)"))
            break;
    const double ms = timer.nsecsElapsed() / 1e6;
    child.waitForFinished(30000);
    return ms;
}

double Median(QList<double> Values) {
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

int Compare(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 7;
    QTemporaryDir dir;
    const QString page = dir.filePath("thousand.htm");
    TestFiles::Write(page, ThousandItemPage().toUtf8());
    QList<double> runner, bare;
    for (int i = 0; i < runs; ++i) { // alternately, so that neither gains from a warmer cache
        runner << TimedRun({page});
        bare << TimedRun({"--bare", page});
    }
    std::printf("start to page loaded, median of %d: runner %.0f ms, bare engine view %.0f ms, "
                "ratio %.2f (budget 1.1)\n",
                runs, Median(runner), Median(bare), Median(runner) / Median(bare));
    return 0;
}
} // namespace

int main(int argc, char* argv[]) {
    SinceMain.start();
    if (argc == 3 && QByteArray(argv[1]) == "--write")
        return TestFiles::Write(QString::fromLocal8Bit(argv[2]), ThousandItemPage().toUtf8()) ? 0
                                                                                              : 1;
    if (argc >= 2 && QByteArray(argv[1]) == "--compare")
        return Compare(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--bare")
        return Bare(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_runner_load [--write|--bare] PAGE | --compare [RUNS]\n");
        return 2;
    }
    BrowserPage::RegisterSchemes();
    QApplication app(argc, argv);
    ScriptedUserDialogs dialogs;
    SystemLaunchPort launch;
    frmMain window(dialogs, launch);
    auto* View = window.findChild<QWebEngineView*>(QStringLiteral("WB"));
    QObject::connect(View->page(), &QWebEnginePage::loadFinished, &app, ReportLoaded);
    window.show();
    window.Form_Load({QString::fromLocal8Bit(argv[1])});
    return app.exec();
}
