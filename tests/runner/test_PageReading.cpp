#include "AppError.h"
#include "ConfigStore.h"
#include "InfoBlock.h"
#include "ItemLink.h"

#include <QTest>

// The parts of the runner that read what a page wrote: item links and the info block.
class TestPageReading : public QObject {
    Q_OBJECT
private slots:
    void decodeField_data() {
        QTest::addColumn<QString>("Field");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("comma") << "-a&comma;b"
                               << "-a,b";
        QTest::newRow("blank") << "My%20Tools"
                               << "My Tools";
        QTest::newRow("quote") << "%22x y%22"
                               << "\"x y\"";
        QTest::newRow("comma escape built from %") << "&comma%3B"
                                                   << "&comma%3B";
        QTest::newRow("no other escape") << "%41%2C%25%5C"
                                         << "%41%2C%25%5C";
        QTest::newRow("%25 is not undone first") << "%2520"
                                                 << "%2520";
        QTest::newRow("entities other than comma") << "&amp;&quot;"
                                                   << "&amp;&quot;";
        QTest::newRow("all together") << "%22a&comma;%20b%22"
                                      << "\"a, b\"";
    }
    void decodeField() {
        QFETCH(QString, Field);
        QFETCH(QString, Expected);
        QCOMPARE(ItemLink::DecodeField(Field), Expected);
    }

    void decode_data() {
        QTest::addColumn<QString>("Fields");
        QTest::addColumn<QStringList>("Expected"); // command, parameters, start in, run word
        QTest::newRow("command only") << "notepad" << QStringList{"notepad", "", "", ""};
        QTest::newRow("all four") << "/My%20Tools/t,-a&comma;b,/tmp,maxfocus"
                                  << QStringList{"/My Tools/t", "-a,b", "/tmp", "maxfocus"};
        QTest::newRow("empty middle") << "a.sh,,/w" << QStringList{"a.sh", "", "/w", ""};
        QTest::newRow("nothing") << "" << QStringList{"", "", "", ""};
    }
    void decode() {
        QFETCH(QString, Fields);
        QFETCH(QStringList, Expected);
        const ItemLink link = ItemLink::Decode(Fields);
        QCOMPARE((QStringList{link.Command, link.Parameters, link.StartIn, link.RunWord}),
                 Expected);
    }

    void fiveFieldsAreAnError() {
        try {
            ItemLink::Decode(QStringLiteral("a,b,c,d,e"));
            QFAIL("a fifth field was accepted");
        } catch (const AppError& e) {
            QCOMPARE(e.Number, ErrNo::SubscriptOutOfRange);
        }
    }

    void showCommand_data() {
        QTest::addColumn<QString>("Word");
        QTest::addColumn<int>("Show");
        QTest::newRow("maxfocus") << "maxfocus" << 3;
        QTest::newRow("MAXFOCUS") << "MAXFOCUS" << 3;
        QTest::newRow("minfocus") << "MinFocus" << 2;
        QTest::newRow("normalnofocus") << "normalnofocus" << 4;
        QTest::newRow("minnofocus") << "minNOfocus" << 6;
        QTest::newRow("hidden is 11, not 0") << "Hidden" << 11;
        QTest::newRow("none") << "" << 1;
        QTest::newRow("unknown") << "maximised" << 1;
    }
    void showCommand() {
        QFETCH(QString, Word);
        QFETCH(int, Show);
        QCOMPARE(ItemLink::ShowCommand(Word), Show);
    }

    void extraCommands_data() {
        QTest::addColumn<QString>("Parameters");
        QTest::addColumn<bool>("Visible");
        QTest::addColumn<QString>("Box");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("appended") << "-a,b" << true << "-v"
                                  << "-a,b -v";
        QTest::newRow("box empty") << "-a,b" << true << ""
                                   << "-a,b";
        QTest::newRow("box hidden") << "-a,b" << false << "-v"
                                    << "-a,b";
        QTest::newRow("no parameters: trimmed") << "" << true << "-v"
                                                << "-v";
        QTest::newRow("whole text trimmed") << " x " << true << "y  "
                                            << "x  y";
        QTest::newRow("untouched without box") << " x " << true << ""
                                               << " x ";
    }
    void extraCommands() {
        QFETCH(QString, Parameters);
        QFETCH(bool, Visible);
        QFETCH(QString, Box);
        QFETCH(QString, Expected);
        QCOMPARE(ItemLink::WithExtraCommands(Parameters, Visible, Box), Expected);
    }

    void blockText_data() {
        QTest::addColumn<QString>("Page");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("generated page")
            << "<html>\r\n</html>\r\n\r\n<!-- Quintor info:\r\nHeight=300\r\nWidth=400\r\n-->"
            << "Height=300\r\nWidth=400\r";
        QTest::newRow("no start marker") << "Closable=False\r\n-->"
                                         << "Closable=False\r";
        QTest::newRow("no end marker") << "<!-- Quintor info:\r\nHeight=300\r\n"
                                       << "";
        QTest::newRow("neither") << "<html></html>"
                                 << "";
        QTest::newRow("marker case counts") << "<!-- quintor info:\r\nA=1\r\n-->"
                                            << "<!-- quintor info:\r\nA=1\r";
        QTest::newRow("marker needs CR LF") << "x<!-- Quintor info:\nA=1\r\n-->"
                                            << "x<!-- Quintor info:\nA=1\r";
        QTest::newRow("first end marker") << "<!-- Quintor info:\r\nA=1\r\n-->\r\n-->"
                                          << "A=1\r";
        QTest::newRow("repeated start marker")
            << "<!-- Quintor info:\r\nA=1\r\n<!-- Quintor info:\r\nB=2\r\n-->"
            << "A=1\r\nB=2\r";
    }
    void blockText() {
        QFETCH(QString, Page);
        QFETCH(QString, Expected);
        QCOMPARE(InfoBlock::BlockText(Page), Expected);
    }

    void settings_data() {
        QTest::addColumn<QString>("Block");
        QTest::addColumn<bool>("Closable");
        QTest::addColumn<bool>("Extra");
        QTest::addColumn<int>("Height"); // 0: absent
        QTest::addColumn<int>("Width");
        QTest::addColumn<bool>("Maximised");
        QTest::newRow("empty block") << "" << true << true << 0 << 0 << false;
        QTest::newRow("exact words") << "Closable=False\r\nExtra commands=False\r\nHeight=300\r\n"
                                        "Start maximised=True\r\nWidth=400\r"
                                     << false << false << 300 << 400 << true;
        QTest::newRow("lower case words") << "Closable=false\r\nExtra commands=false\r\n"
                                             "Start maximised=true\r"
                                          << true << true << 0 << 0 << false;
        QTest::newRow("other words")
            << "Closable=No\r\nStart maximised=Yes\r" << true << true << 0 << 0 << false;
        QTest::newRow("not numbers") << "Height=abc\r\nWidth=\r" << true << true << 0 << 0 << false;
        QTest::newRow("fractions")
            << "Height=300.6\r\nWidth=400,4\r" << true << true << 301 << 400 << false;
        QTest::newRow("unusable sizes")
            << "Height=-5\r\nWidth=1e9\r" << true << true << 0 << 0 << false;
    }
    void settings() {
        QFETCH(QString, Block);
        QFETCH(bool, Closable);
        QFETCH(bool, Extra);
        QFETCH(int, Height);
        QFETCH(int, Width);
        QFETCH(bool, Maximised);
        ConfigStore cf;
        cf.LoadText(Block);
        const InfoBlock::Settings s = InfoBlock::Read(cf);
        QCOMPARE(s.Closable, Closable);
        QCOMPARE(s.ExtraCommands, Extra);
        QCOMPARE(s.Height.value_or(0), Height);
        QCOMPARE(s.Width.value_or(0), Width);
        QCOMPARE(s.StartMaximised, Maximised);
    }

    void secondPageStartsFromDefaults() {
        ConfigStore cf;
        cf.LoadText(InfoBlock::BlockText(
            QStringLiteral("<!-- Quintor info:\r\nClosable=False\r\nIcon=/i.ico\r\n-->")));
        QVERIFY(!InfoBlock::Read(cf).Closable);
        QCOMPARE(InfoBlock::Read(cf).IconPath.value_or(QString()), QStringLiteral("/i.ico"));
        cf.LoadText(InfoBlock::BlockText(QStringLiteral("<!-- Quintor info:\r\nHeight=1\r\n-->")));
        QVERIFY(InfoBlock::Read(cf).Closable);
        QVERIFY(!InfoBlock::Read(cf).IconPath);
    }

    void unreadablePageGivesEmptyBlock() {
        QCOMPARE(InfoBlock::ReadBlock(QStringLiteral("/no/such/page.htm")), QString());
    }
};

QTEST_GUILESS_MAIN(TestPageReading)
#include "test_PageReading.moc"
