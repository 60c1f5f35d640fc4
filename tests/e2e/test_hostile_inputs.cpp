// Hostile files, pages and sizes, each in a child process that must reach its outcome within a
// time and a memory bound. The runner's shown page is read from the engine's debugging port,
// which answers only while the window thread runs; its engine reserves far more address space
// than it uses, so it is bounded by its processes' peak memory, the editor by an address limit.
#include "build/PageBuild.h"
#include "components/ConfigStore.h"
#include "components/dialogs/ScriptedUserDialogs.h"
#include "core/InfoBlock.h"
#include "document/LauncherFile.h"
#include "items/ui/frmAdd.h"
#include "pagegen/modGenHTML.h"
#include "shell/frmQTE.h"
#include "support/DataRows.h"
#include "support/RawPack.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <csignal>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
constexpr qint64 MiB = 1024 * 1024;

// A process's own peak memory (VmHWM) in bytes; 0 once it is gone.
qint64 PeakOf(const QString& Pid) {
    const QByteArray status = TestFiles::Read("/proc/" + Pid + "/status");
    const qsizetype at = status.indexOf("VmHWM:");
    return at < 0 ? 0 : status.mid(at + 6).trimmed().split(' ')[0].toLongLong() * 1024;
}

// The peak memory of a process and all its descendants: each process's own peak, summed
// over every process seen while the tree ran.
class TreeMemory {
public:
    explicit TreeMemory(qint64 Root) : Root(Root) {}
    qint64 Sample() {
        QMultiHash<qint64, qint64> children;
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
            if (pid.toLongLong() <= 0)
                continue;
            const QByteArray stat = TestFiles::Read("/proc/" + pid + "/stat");
            const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1)
                children.insert(fields[1].toLongLong(), pid.toLongLong());
        }
        for (QList<qint64> todo{Root}; !todo.isEmpty();) {
            const qint64 pid = todo.takeLast();
            todo += children.values(pid);
            Peaks[pid] = qMax(Peaks[pid], PeakOf(QString::number(pid)));
        }
        return std::accumulate(Peaks.cbegin(), Peaks.cend(), qint64(0));
    }
    QList<qint64> Pids() const { return Peaks.keys(); }

private:
    qint64 Root;
    QHash<qint64, qint64> Peaks;
};

// The title of the page the runner shows, or "" while it does not answer.
QString ShownTitle(quint16 Port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, Port);
    if (!socket.waitForConnected(200))
        return {};
    socket.write("GET /json/list HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(1000))
        reply += socket.readAll();
    const QJsonArray targets =
        QJsonDocument::fromJson(reply.mid(reply.indexOf("\r\n\r\n") + 4)).array();
    for (const QJsonValue& t : targets)
        if (t["type"] == "page")
            return t["title"].toString();
    return {};
}

QString LastMessage(const ScriptedUserDialogs& D) {
    return D.Messages.isEmpty() ? QString("no message")
                                : D.LastMessage().Title + ": " + D.LastMessage().Text;
}

QString Scenario(const QStringList& Args) {
    ScriptedUserDialogs dialogs;
    frmQTE w(&dialogs);
    const QString command = Args[0], path = Args.value(1);
    QString outcome;
    w.Form_Load(command == "open" || command == "edit" ? QStringList{path} : QStringList());
    if (command == "open" || command == "edit") {
        w.grab(); // every visible cell drawn once
        const ItemRows& items = w.Doc().Items;
        outcome = dialogs.Messages.isEmpty()
                      ? QString("%1 items, %2 characters, %3 shown")
                            .arg(items.Count())
                            .arg(items.Cell(1, 1).size())
                            .arg(items.data(items.index(0, 1), Qt::DisplayRole).toString().size())
                      : LastMessage(dialogs);
        if (command == "edit") {
            dialogs.ModalScripts << [&](QDialog& D) {
                auto& add = static_cast<frmAdd&>(D);
                outcome = add.txtDesc->text() + " | " + QFileInfo(add.txtIcon->text()).fileName() +
                          " | preview " + (add.imgIcon->pixmap().isNull() ? "empty" : "shown");
                return int(QDialog::Rejected);
            };
            w.mnuEditEdit_Click();
        }
    } else { // build, build on a full disk, save as
        if (command == "full-disk-build") {
            ::signal(SIGXFSZ, SIG_IGN); // writes past the limit come back short, as on a full disk
            const rlimit limit{3000, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        const QString program = QCoreApplication::applicationFilePath();
        w.Doc().Items.Append(LauncherItem{{"Prog", program, {}, {}, program, "Normal Window"}});
        dialogs.FileAnswers << path;
        dialogs.FilterChoices << 1; // "All files": the name exactly as picked, no extension added
        command == "save-as" ? w.mnuFileSaveAs_Click() : w.mnuFileBuild_Click();
        QDir icons(PageBuild::IconFolderFor(path));
        const QFileInfo left(path); // a FIFO is no regular file
        outcome = LastMessage(dialogs) + " | " +
                  (!left.exists()  ? "missing"
                   : left.isFile() ? "file"
                                   : "other") +
                  " | icons " +
                  (icons.exists() ? icons.entryList(QDir::Files | QDir::Hidden).join(' ') : "-");
    }
    return outcome;
}

} // namespace

class TestHostileInputs : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString At(const QString& Name) const { return Dir.filePath(Name); }

    // A page in the editor's format; Info lines go into its info block.
    QString Page(const QString& Title, const QStringList& Info, const QString& Html = {}) {
        const QString page =
            "<html>\r\n<head>\r\n<title>" + Title + "</title>\r\n</head>\r\n<body>" + Html +
            "</body>\r\n</html>\r\n\r\n<!-- Quintor info:\r\n" + Info.join("\r\n") + "\r\n-->";
        return TestFiles::Write(At(Title + ".htm"), page.toUtf8()) ? At(Title + ".htm") : "";
    }
    // A launcher file with an entry per name, each holding Data, or all naming one block of it.
    QString Pack(const QString& Name, const QStringList& Names, const QByteArray& Data,
                 bool Shared) {
        QVector<RawPack::Entry> entries;
        for (const QString& name : Names)
            entries.append({name.toLatin1(), Data});
        return TestFiles::Write(At(Name), RawPack::Build(entries, Shared)) ? At(Name) : "";
    }
    void Row(const char* Name, const QString& Program, const QStringList& Arguments,
             const QString& Outcome, int Megabytes) {
        DataRows::Row(Name, Program, Arguments, QString(Outcome).replace('@', Dir.path()),
                      Megabytes);
    }

private slots:
    void initTestCase() {
        for (const char* fifo : {"pipe", "pipe.png"})
            QCOMPARE(::mkfifo(QFile::encodeName(At(fifo)).constData(), 0600), 0);
    }

    void boundedOutcome_data() {
        // program: quintor2, or the editor's window; outcome: for the runner, the title it shows
        DataRows::Columns<QString, QStringList, QString, int>(
            {"program", "arguments", "outcome", "megabytes"});
        const auto runner = [this](const char* Name, const QString& Page, const QString& Title) {
            Row(Name, "quintor2", {Page}, Title, 1024);
        };
        runner("runner on a device", "/dev/zero", "Welcome!");
        runner("runner on a FIFO", At("pipe"), "Welcome!");
        runner("page icon a FIFO", Page("FIFO icon", {"Icon=" + At("pipe.png")}), "FIFO icon");
        runner(
            "refresh to a device",
            Page("Refresh", {}, "<meta http-equiv=\"refresh\" content=\"0;url=file:///dev/zero\">"),
            "Refresh");
        runner("window larger than any screen", Page("Huge", {"Height=32767", "Width=32767"}),
               "Huge");

        const auto editor = [this](const char* Name, const QStringList& Scenario,
                                   const QString& Outcome, int Megabytes = 1024) {
            Row(Name, "editor", Scenario, Outcome, Megabytes);
        };
        const QString open = "Open Error: An error occurred when attempting to open the file '@/";
        const QStringList item{"DESC", "COMMAND", "PARAM", "STARTIN", "ICON", "RUN", "COMMENTS"};
        QStringList cells, chain(18, "DESC");
        for (int i = 0; i < 142; ++i)
            cells += item;
        // A thousand item cells naming one block of a megabyte: gigabytes once decoded.
        editor("entries sharing one block",
               {"open", Pack("shared.qtf", cells, QByteArray(MiB, 'x'), true)},
               open + "shared.qtf' - Invalid file format: two entries share the same data, 321");
        // Every entry named "DESC" starts an item that reads the six after it: each is decoded
        // once, and a list shows only the start of a cell of two megabytes.
        editor("items reading each other's cells",
               {"open",
                Pack("chain.qtf", chain + QStringList(6, "X"), QByteArray(2 * MiB, 'x'), false)},
               "18 items, 2097152 characters, 2048 shown", 768);
        {
            LauncherDocument doc;
            doc.Items.Append(LauncherItem{{"Piped", "x", {}, {}, At("pipe.png"), "Normal Window"}});
            LauncherFile::SaveFile(doc, At("piped.qtf"));
        }
        editor("edit an item whose icon is a FIFO", {"edit", At("piped.qtf")},
               "Piped | pipe.png | preview empty");
        const QString notRegular = "the path is not a regular file, 75";
        editor("build onto a FIFO", {"build", At("pipe")},
               "Build Error: An error occurred when attempting to build the HTML file '@/pipe' - "
               "Path/File access error: " +
                   notRegular + " | other | icons -");
        editor("save as onto a FIFO", {"save-as", At("pipe")},
               "Save Error: An error occurred when attempting to save the file '@/pipe' - "
               "Path/File access error: " +
                   notRegular + " | other | icons -");
        editor(
            "icon write cut short", {"full-disk-build", At("full.htm")},
            "Build Error: An error occurred when attempting to build the HTML file '@/full.htm' - "
            "Disk full, 61 | missing | icons ");
    }

    void boundedOutcome() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outcome);
        QFETCH(int, megabytes);
        const bool runner = DataRows::Fetch("program") == "quintor2";
        const int seconds = runner ? 30 : 20;
        QProcess child;
        quint16 port = 0;
        if (runner) {
            QTcpServer probe; // a free port for the engine's debugging server
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QTWEBENGINE_REMOTE_DEBUGGING", "127.0.0.1:" + QString::number(port));
            child.setProcessEnvironment(env);
            child.setProgram(TestFiles::BinDir() + "/quintor2");
        } else {
            child.setChildProcessModifier([megabytes] {
                const rlimit limit{rlim_t(megabytes) * MiB, rlim_t(megabytes) * MiB};
                ::setrlimit(RLIMIT_AS, &limit);
            });
            child.setProgram(QCoreApplication::applicationFilePath());
            arguments.prepend("--scenario");
        }
        child.setArguments(arguments);
        // The engine's own chatter is not ours to show; a scenario's failure is.
        child.setProcessChannelMode(runner ? QProcess::SeparateChannels
                                           : QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start();
        QVERIFY(child.waitForStarted());
        TreeMemory memory(child.processId());
        QString seen;
        qint64 peak = 0, reached = -1;
        while (clock.elapsed() < seconds * 1000 && peak <= megabytes * MiB) {
            peak = memory.Sample();
            if (runner && (seen = ShownTitle(port)) == outcome && reached < 0)
                reached = clock.elapsed();
            if (child.waitForFinished(runner ? 50 : 100) ||
                (reached >= 0 && clock.elapsed() > reached + 1000))
                break; // a runner is watched a second longer: late growth counts too
        }
        const bool finished = child.state() == QProcess::NotRunning;
        for (qint64 pid : memory.Pids()) // the runner's engine processes go with it
            if (pid != child.processId())
                ::kill(pid_t(pid), SIGKILL);
        child.kill();
        child.waitForFinished();
        if (!runner) {
            const QStringList printed =
                QString::fromUtf8(child.readAllStandardOutput()).split('\n');
            seen = printed.value(0);
            peak = qMax(peak, printed.value(1).toLongLong());
            reached = finished && child.exitCode() == 0 ? clock.elapsed() : -1;
        } else if (finished) {
            seen = "runner ended";
        }
        qInfo("%s: %lld ms, peak %lld MiB", QTest::currentDataTag(), reached, peak / MiB);
        QCOMPARE(seen, outcome);
        QVERIFY2(reached >= 0, "not within the time bound");
        QVERIFY2(peak <= megabytes * MiB, qPrintable(QString::number(peak / MiB) + " MiB"));
    }

    // The runner's reader finds each value on its own line, whatever line breaks it held.
    void infoValuesStayOnTheirLines() {
        LauncherDocument doc;
        doc.WriteProp("Height", "300\r\nClosable=False");
        doc.WriteProp("Width", "4\nExtra commands=False");
        doc.WriteProp("Icon", "/i.ico\rStart maximised=True");
        doc.WriteProp("Show edit command", "True");
        doc.CurFile = "/a.qtf\r\n\r\nMinimise on use=True";
        ConfigStore CF;
        CF.LoadText(InfoBlock::BlockText(GenHTML(doc, false, {})));
        const InfoBlock::Settings s = InfoBlock::Read(CF);
        QCOMPARE(QString::asprintf("%d %d %d %d %d", s.Closable, s.ExtraCommands, s.StartMaximised,
                                   bool(s.Height), bool(s.Width)),
                 "1 1 0 0 0");
        QCOMPARE(CF.GetValue("Icon"), "/i.ico Start maximised=True");
        QCOMPARE(CF.GetValue("Minimise on use"), ConfigStore::NotFound);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--scenario") == 0) { // a child: print the outcome
        const QString outcome = Scenario(app.arguments().mid(2));
        return std::printf("%s\n%lld\n", qPrintable(outcome), PeakOf("self")) < 0;
    }
    TestHostileInputs test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hostile_inputs.moc"
