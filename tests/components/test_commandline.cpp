#include "AppVersion.h"
#include "ProgramCommandLine.h"

#include <QtTest>

namespace {
const ProgramIdentity Program{"qtedit2", "Quintor Editor", "Edits.", "file", "What to open."};
using Kind = CommandLineRequest::Kind;
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // Arguments are what is left once Qt took its own options; Text is the start of the
    // printed answer or refusal.
    void parse_data() {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<int>("What");
        QTest::addColumn<QStringList>("Words");
        QTest::addColumn<QString>("Text");
        const QString usage = "Usage: qtedit2 [options] [--] [file]\nEdits.\n";
        const QString version = "Quintor Editor " QUINTOR_VERSION_TEXT "\n";
        const QString refused = "qtedit2: Unknown option '%1'.\nTry 'qtedit2 --help'";
        QTest::newRow("nothing") << QStringList{} << int(Kind::Open) << QStringList{} << "";
        QTest::newRow("words in order, quotes kept for the program")
            << QStringList{"my", "\"file\".qtf"} << int(Kind::Open)
            << QStringList{"my", "\"file\".qtf"} << "";
        QTest::newRow("option names after --")
            << QStringList{"a", "--", "-reverse", "--help", "--"} << int(Kind::Open)
            << QStringList{"a", "-reverse", "--help", "--"} << "";
        QTest::newRow("a lone dash")
            << QStringList{"-"} << int(Kind::Open) << QStringList{"-"} << "";
        QTest::newRow("--help") << QStringList{"x", "--help"} << int(Kind::Answer) << QStringList{}
                                << usage;
        QTest::newRow("-h beside an unknown option")
            << QStringList{"-platform", "xcb", "-h"} << int(Kind::Answer) << QStringList{} << usage;
        QTest::newRow("--version")
            << QStringList{"--version"} << int(Kind::Answer) << QStringList{} << version;
        QTest::newRow("-v") << QStringList{"-v"} << int(Kind::Answer) << QStringList{} << version;
        QTest::newRow("unknown long option") << QStringList{"--bogus", "f"} << int(Kind::Refuse)
                                             << QStringList{} << refused.arg("bogus");
        QTest::newRow("one dash, one word") << QStringList{"-reverse"} << int(Kind::Refuse)
                                            << QStringList{} << refused.arg("reverse");
    }
    void parse() {
        QFETCH(QStringList, Arguments);
        QFETCH(int, What);
        QFETCH(QStringList, Words);
        QFETCH(QString, Text);
        const CommandLineRequest request = ProgramCommandLine::Parse(Arguments, Program);
        QCOMPARE(int(request.What), What);
        QCOMPARE(request.Words, Words);
        QVERIFY2(Text.isEmpty() ? request.Text.isEmpty() : request.Text.startsWith(Text),
                 qPrintable(request.Text));
    }

    // Qt never sees "--" or what follows it, and the words after it reach the program
    // even when they look like options. QtSees: what Qt leaves of the vector it was given.
    void splitAtEndOfOptions_data() {
        QTest::addColumn<QStringList>("Argv");
        QTest::addColumn<QStringList>("QtSees");
        QTest::addColumn<QStringList>("Words");
        QTest::newRow("no end mark") << QStringList{"prog", "a", "b"}
                                     << QStringList{"prog", "a", "b"} << QStringList{"a", "b"};
        QTest::newRow("Qt option after the mark")
            << QStringList{"prog", "a", "--", "-reverse", "--"} << QStringList{"prog", "a"}
            << QStringList{"a", "-reverse", "--"};
        QTest::newRow("mark first") << QStringList{"prog", "--", "--version"} << QStringList{"prog"}
                                    << QStringList{"--version"};
        QTest::newRow("mark last")
            << QStringList{"prog", "--"} << QStringList{"prog"} << QStringList{};
    }
    void splitAtEndOfOptions() {
        QFETCH(QStringList, Argv);
        QFETCH(QStringList, QtSees);
        QFETCH(QStringList, Words);
        std::vector<QByteArray> bytes;
        std::vector<char*> argv;
        for (const QString& argument : Argv)
            bytes.push_back(argument.toLocal8Bit());
        for (QByteArray& argument : bytes)
            argv.push_back(argument.data());
        ProgramCommandLine line(int(argv.size()), argv.data(), Program);
        QStringList seen;
        for (int i = 0; i < line.QtArgc(); ++i)
            seen << QString::fromLocal8Bit(line.QtArgv()[i]);
        QCOMPARE(seen, QtSees);
        QCOMPARE(line.QtArgv()[line.QtArgc()], nullptr);
        QVERIFY(!line.EarlyAnswer());
        const CommandLineRequest request = line.Read(seen);
        QCOMPARE(int(request.What), int(Kind::Open));
        QCOMPARE(request.Words, Words);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
