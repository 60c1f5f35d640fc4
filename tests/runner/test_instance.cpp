// The pieces behind one window per page and live reload, without the engine: the request
// a starting runner hands over, the channel it goes through, the pacing of reloads, the
// check of item links and the page kept for --toggle.
#include "components/ProgramCommandLine.h"
#include "components/platform/InstanceChannel.h"
#include "core/Handover.h"
#include "core/InstanceRequest.h"
#include "core/InstanceServer.h"
#include "core/ItemLinkCheck.h"
#include "core/LastPage.h"
#include "core/ReloadPacer.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace DataRows;

namespace {
// JSON written with single quotes, which stand for double ones.
QByteArray Json(const char* Text) {
    return QByteArray(Text).replace('\'', '"');
}

// A socket file that nobody listens on any more, as a crashed runner leaves it.
bool LeaveStaleSocket(const QString& Path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(Path);
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(Path);
}

QString Verbs(const QList<QList<QVariant>>& Spy) {
    QStringList verbs;
    for (const auto& call : Spy) {
        const auto request = call.at(0).value<InstanceRequest>();
        verbs << QString::number(int(request.What)) + ' ' + request.Page;
    }
    return verbs.join(';');
}
} // namespace

Q_DECLARE_METATYPE(InstanceRequest)

class TestInstance : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

    // Each test its own runtime folder and display, as another session would be.
    void PrivateSession(const QByteArray& Display) {
        const QString runtime = Dir.filePath("runtime-" + Display);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", ":" + Display);
    }

private slots:
    void initTestCase() { qRegisterMetaType<InstanceRequest>(); }
    void cleanup() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

    void requestsComeThroughWhole_data() {
        Columns<int, QString, QByteArray>({"Verb", "Page", "Token"});
        Row("open", 0, "/a b/My \"page\".htm", QByteArray("token_1.2"));
        Row("line break in the name", 1, "/a\nb\t/x.htm", QByteArray());
        Row("toggle the last page", 2, "", QByteArray());
        Row("non-ASCII", 0, u"/Ünïcödé/页.htm"_qs, QByteArray());
    }
    void requestsComeThroughWhole() {
        InstanceRequest sent;
        sent.What = InstanceRequest::Verb(Fetch<int>("Verb"));
        sent.Page = Fetch("Page");
        sent.Activation = Fetch<QByteArray>("Token");
        const QByteArray line = sent.Encode();
        QCOMPARE(line.count('\n'), 1);
        QVERIFY(line.endsWith('\n'));
        const auto got = InstanceRequest::Decode(line.chopped(1));
        QVERIFY(got);
        QCOMPARE(int(got->What), int(sent.What));
        QCOMPARE(got->Page, sent.Page);
        QCOMPARE(got->Activation, sent.Activation);
    }

    void malformedRequestsAreNone_data() {
        Columns<QByteArray>({"Line"});
        Row("unknown verb", Json("{'verb':'quit','page':'/a'}"));
        Row("no verb", Json("{'page':'/a'}"));
        Row("verb not a text", Json("{'verb':1}"));
        Row("relative page", Json("{'verb':'open','page':'a.htm'}"));
        Row("page not a text", Json("{'verb':'open','page':['/a']}"));
        Row("NUL in the page", Json("{'verb':'open','page':'/a\\u0000b'}"));
        Row("token with a blank", Json("{'verb':'open','activation':'a b'}"));
        Row("token not ASCII", Json("{'verb':'open','activation':'é'}"));
        Row("not UTF-8", QByteArray("{\"verb\":\"open\",\"page\":\"/\xff\xfe\"}"));
        Row("not JSON", QByteArray("open /a.htm"));
        Row("an array", Json("['open','/a']"));
        Row("too long", Json("{'verb':'open','page':'/") + QByteArray(20000, 'a') + "\"}");
        Row("empty", QByteArray());
    }
    void malformedRequestsAreNone() {
        QVERIFY(!InstanceRequest::Decode(Fetch<QByteArray>("Line")));
    }

    // Writes that come without end reload once per gap, each within the gap of the last
    // change; a burst gives one reload.
    void reloadsArePaced_data() {
        // Changes: times in ms; Reloads: when the pacer has them made.
        Columns<QList<qint64>, QList<qint64>>({"Changes", "Reloads"});
        Row("one change", QList<qint64>{1000}, QList<qint64>{1060});
        Row(
            "a burst of 50 writes",
            [] {
                QList<qint64> t;
                for (int i = 0; i < 50; ++i)
                    t << 1000 + i;
                return t;
            }(),
            QList<qint64>{1109});
        Row(
            "a write every 20 ms for a second",
            [] {
                QList<qint64> t;
                for (int i = 0; i <= 50; ++i)
                    t << 1000 + 20 * i;
                return t;
            }(),
            QList<qint64>{1200, 1450, 1700, 1950, 2200});
        Row("soon after a reload", QList<qint64>{1000, 1100}, QList<qint64>{1060, 1310});
    }
    void reloadsArePaced() {
        const auto changes = Fetch<QList<qint64>>("Changes");
        ReloadPacer pacer;
        QList<qint64> reloads;
        qint64 now = 0;
        for (const qint64 change : changes) {
            // The clock runs on to the change, making the reloads that come due first.
            while (pacer.Pending() && pacer.Due() <= change) {
                reloads << pacer.Due();
                pacer.Reloaded(pacer.Due());
            }
            now = change;
            QVERIFY(pacer.Changed(now) - now <= ReloadPacer::MinGapMs);
        }
        if (pacer.Pending())
            reloads << pacer.Due();
        QCOMPARE(reloads, Fetch<QList<qint64>>("Reloads"));
    }

    void itemLinksChecked_data() {
        // Href as written (DIR: a folder that exists; TOOL: a program there);
        // Missing: what the tooltip says, "" for an item that can start.
        Texts({"Href", "Missing"});
        Row("program by path", "qt:TOOL,,DIR,normal", "");
        Row("program on PATH", "qt:sh,-c x,,normal", "");
        Row("file address", "qt:file://TOOL,,,normal", "");
        Row("missing program", "qt:DIR/none,,,normal", "The command was not found: DIR/none");
        Row("missing name", "qt:no-such-program-here,,,normal",
            "The command was not found: no-such-program-here");
        Row("empty command", "qt:,,,normal", "The command was not found: ");
        Row("missing folder", "qt:sh,,DIR/gone,normal",
            "The start-in folder does not exist: DIR/gone");
        Row("folder is a file", "qt:TOOL,,TOOL,normal", "The start-in folder does not exist: TOOL");
        Row("both missing", "qt:DIR/x,,DIR/y,normal",
            "The command was not found: DIR/x\nThe start-in folder does not exist: DIR/y");
        Row("escaped blank", "qt:DIR/My%20Tool,,,normal", "");
        // One line each: a name cannot add a line of its own to the tooltip.
        Row("line break in a name", "qt:DIR/x\nThe command,,,normal",
            "The command was not found: DIR/x\\nThe command");
        Row("web address", "qt:https://example.invalid/x,,DIR/gone,normal", "");
        Row("window command", "qtc:exit", "");
        Row("five fields", "qt:a,b,c,d,e", "");
    }
    void itemLinksChecked() {
        const auto real = [this](QString Text) {
            return Text.replace("TOOL", Dir.filePath("tool")).replace("DIR", Dir.path());
        };
        QVERIFY(TestFiles::Executable(Dir.filePath("tool")));
        QVERIFY(TestFiles::Executable(Dir.filePath("My Tool")));
        QCOMPARE(ItemLinkCheck::Check({real(Fetch("Href"))}), QStringList{real(Fetch("Missing"))});
    }

    // A thousand links of a page are checked in one go, each answered in its place.
    void manyLinksKeepTheirPlaces() {
        QStringList hrefs, expected;
        for (int i = 0; i < 1000; ++i) {
            const bool there = i % 3 != 0;
            hrefs << "qt:" + Dir.filePath(there ? "tool" : QString("gone%1").arg(i)) + ",,,normal";
            expected << (there ? QString()
                               : "The command was not found: " +
                                     Dir.filePath(QString("gone%1").arg(i)));
        }
        QVERIFY(TestFiles::Executable(Dir.filePath("tool")));
        QCOMPARE(ItemLinkCheck::Check(hrefs), expected);
    }

    void lastPageKept_data() {
        // Content of the state file, or the page remembered ("" none); the page read back.
        Columns<QByteArray, QString, QString>({"File", "Remember", "Read"});
        Row("remembered", QByteArray(), "/p/a b.htm", "/p/a b.htm");
        Row("relative page not kept", QByteArray(), "a.htm", "");
        Row("file with a relative path", QByteArray("a.htm\n"), "", "");
        Row("file too large", "/a.htm\n" + QByteArray(70000, 'x'), "", "");
        Row("file not UTF-8", QByteArray("/a\xff.htm\n"), "", "");
    }
    void lastPageKept() {
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", state.path().toUtf8());
        if (!Fetch<QByteArray>("File").isEmpty())
            QVERIFY(TestFiles::Write(LastPage::File(), Fetch<QByteArray>("File")));
        if (!Fetch("Remember").isEmpty()) {
            LastPage::Remember(Fetch("Remember"));
            LastPage::Flush();
        }
        QCOMPARE(LastPage::Read(), Fetch("Read"));
    }

    // Only the first words may be the runner's own options; a page may be called anything.
    void leadingOptions_data() {
        // Line (words split at "|"); Options; Words.
        Texts({"Line", "Options", "Words"});
        Row("toggle a page", "--toggle|p.htm", "toggle", "p.htm");
        Row("toggle alone", "--toggle", "toggle", "");
        Row("new window", "--new-window|--|-p.htm", "new-window", "-p.htm");
        Row("later: part of the name", "p|--toggle", "", "p|--toggle");
        Row("after the end of options", "--|--toggle", "", "--toggle");
        Row("unknown option first", "--togle|p", "", "--togle|p");
        Row("Qt's option after the end", "-my|--file.qtf|--|-reverse", "",
            "-my|--file.qtf|-reverse");
    }
    void leadingOptions() {
        QList<QByteArray> words{"quintor2"};
        for (const QString& w : Fetch("Line").split('|'))
            words << w.toUtf8();
        std::vector<char*> argv;
        for (QByteArray& w : words)
            argv.push_back(w.data());
        ProgramCommandLine line(
            int(argv.size()), argv.data(),
            {"quintor2", "Quintor", "", "page", "", {}, {}, {{"toggle", ""}, {"new-window", ""}}});
        const CommandLineRequest early = line.ReadEarly();
        QStringList qtArguments;
        for (int i = 0; i < line.QtArgc(); ++i)
            qtArguments << QString::fromUtf8(line.QtArgv()[i]);
        const CommandLineRequest read = line.Read(qtArguments);
        for (const CommandLineRequest& request : {early, read}) {
            QCOMPARE(request.Options.join('|'), Fetch("Options"));
            QCOMPARE(request.Words.join('|'), Fetch("Words"));
        }
        // Qt sees the words between the runner's own options and the end of options, none
        // after it: it would take "-reverse" there for its own option.
        const QStringList given = Fetch("Line").split('|');
        const qsizetype lead = Fetch("Options").isEmpty() ? 0 : Fetch("Options").count('|') + 1;
        const qsizetype end = given.contains("--") ? given.indexOf("--") : given.size();
        QCOMPARE(qtArguments, QStringList{"quintor2"} + given.mid(lead, end - lead));
    }

    // The channel lies in a folder of ours that nobody else may enter, one per display; a
    // runtime folder open to others is not used as it is.
    void socketIsPrivate() {
        PrivateSession("71");
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        const QString path = InstanceChannel::SocketPath("quintor2");
        QVERIFY(path.startsWith(runtime + "/quintor/"));
        struct stat folder;
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(path).path()).constData(), &folder), 0);
        QCOMPARE(folder.st_mode & 0777, mode_t(0700));
        qputenv("DISPLAY", ":72");
        QVERIFY(InstanceChannel::SocketPath("quintor2") != path);
        QFile::setPermissions(runtime, QFile::Permissions(0x7777)); // world-writable
        const QString open = InstanceChannel::SocketPath("quintor2");
        QVERIFY2(!open.startsWith(runtime), qPrintable(open));
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QVERIFY(InstanceChannel::SocketPath("quintor2").isEmpty());
    }

    // A socket left by a crash, or one that answers nonsense, does not stop a start: the
    // starting runner takes the channel over.
    void startTakesOverADeadChannel_data() {
        Columns<QByteArray>({"Answer"});
        Row("stale socket file", QByteArray());
        Row("garbage", QByteArray("garbage\n"));
        Row("no line", QByteArray("x"));
    }
    void startTakesOverADeadChannel() {
        PrivateSession("74");
        const QString path = InstanceChannel::SocketPath("quintor2");
        const QByteArray answer = Fetch<QByteArray>("Answer");
        QLocalServer impostor;
        if (answer.isEmpty()) {
            QVERIFY(LeaveStaleSocket(path));
        } else {
            QLocalServer::removeServer(path);
            QVERIFY(impostor.listen(path));
            connect(&impostor, &QLocalServer::newConnection, this, [&] {
                QLocalSocket* s = impostor.nextPendingConnection();
                s->write(answer);
                s->flush();
                s->disconnectFromServer();
            });
        }
        InstanceRequest request;
        request.Page = "/p.htm";
        Handover::Outcome outcome;
        std::atomic<bool> done{false};
        // The impostor answers from this thread's event loop meanwhile.
        std::thread starting([&] {
            outcome = Handover::Start(request);
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 8000);
        starting.join();
        QVERIFY(!outcome.HandedOver);
        QVERIFY(outcome.ListeningDescriptor >= 0);
        // Now the starting runner answers there.
        InstanceServer server(outcome.ListeningDescriptor);
        QSignalSpy requested(&server, &InstanceServer::Requested);
        QByteArray reply;
        std::thread second([&] {
            reply = InstanceChannel::Ask(path, request.Encode(), 5000).Answer.value_or("none");
        });
        QTRY_COMPARE_WITH_TIMEOUT(requested.size(), 1, 5000);
        second.join();
        QCOMPARE(reply, QByteArray("ok"));
    }

    // What is not a request, or too much of anything, is dropped without effect; the
    // requests of others still come through.
    void serverDropsWhatIsNoRequest() {
        PrivateSession("75");
        const QString path = InstanceChannel::SocketPath("quintor2");
        InstanceServer server(InstanceChannel::Listen(path));
        QVERIFY(server.Listening());
        QSignalSpy requested(&server, &InstanceServer::Requested);
        const QList<QByteArray> hostile{"{\"verb\":\"quit\"}\n", "\xff\xfe\n",
                                        QByteArray(InstanceRequest::MaxBytes + 10, 'x'),
                                        "{\"verb\":\"open\",\"page\":\"rel\"}\n"};
        for (const QByteArray& bytes : hostile) {
            QLocalSocket socket;
            socket.connectToServer(path);
            QVERIFY(socket.waitForConnected(2000));
            socket.write(bytes);
            socket.flush();
            QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QLocalSocket::UnconnectedState, 5000);
            QCOMPARE(socket.readAll(), QByteArray());
        }
        // One that never ends its line is let go too, its request unheard.
        InstanceRequest unended;
        unended.Page = "/unended.htm";
        QLocalSocket silent;
        silent.connectToServer(path);
        QVERIFY(silent.waitForConnected(2000));
        silent.write(unended.Encode().chopped(1));
        silent.flush();
        InstanceRequest good;
        good.What = InstanceRequest::Verb::Toggle;
        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(2000));
        socket.write(good.Encode());
        QTRY_COMPARE_WITH_TIMEOUT(requested.size(), 1, 5000);
        QCOMPARE(Verbs(requested), QString("2 "));
        QTRY_VERIFY_WITH_TIMEOUT(silent.state() == QLocalSocket::UnconnectedState,
                                 InstanceServer::ConnectionLifeMs + 2000);
        QCOMPARE(Verbs(requested), QString("2 "));
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "test_instance.moc"
