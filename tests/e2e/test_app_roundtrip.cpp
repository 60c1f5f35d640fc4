// An application entry made an item, written into a page, its link followed and launched for
// real: the program gets exactly the words the entry's Exec gives it, in the entry's folder.
#include "components/Tolvik.h"
#include "components/dialogs/ScriptedUserDialogs.h"
#include "components/platform/DesktopEntries.h"
#include "core/LaunchPort.h"
#include "core/LinkHandler.h"
#include "document/LauncherDocument.h"
#include "items/AppItems.h"
#include "pagegen/modGenHTML.h"
#include "support/DataRows.h"
#include "support/DesktopFixture.h"
#include "support/PageWindow.h"

#include <QRegularExpression>
#include <QtTest>

using namespace DesktopFixture;
using namespace DataRows;

namespace {
QTemporaryDir Root;

// The item's link as the page's markup carries it, entities decoded as the browser hands
// the link's href attribute over.
QString ItemLink(const QString& Page) {
    static const QRegularExpression link(QStringLiteral("<a href=\"(qt:[^\"]*)\""));
    return Tolvik::HtmlToText(link.match(Page).captured(1));
}
} // namespace

class TestAppRoundTrip : public QObject {
    Q_OBJECT
    const QString Bin = Root.filePath("bin"), Recorder = Root.filePath("my progs/rec");
    const QString Folder = Root.filePath("Start in ö"), ArgsFile = Root.filePath("args.txt");

public:
    static void initMain() { Use(Root.path()); }

private slots:
    void initTestCase() {
        const QString recorder = TestFiles::TestBinDir() + "/argrecorder";
        for (const QString& folder : {Bin, Folder, Root.filePath("my progs")})
            QVERIFY2(QDir().mkpath(folder), qPrintable(folder));
        // The recorder under a path with a blank, and as a bare name and a terminal on PATH.
        for (const QString& link : {Recorder, Bin + "/rec", Bin + "/xterm"})
            QVERIFY(QFile::link(recorder, link));
        qputenv("QUINTOR_ARGS_FILE", ArgsFile.toUtf8());
        // Only our own programs: no terminal of the machine is taken before ours.
        qputenv("PATH", Bin.toUtf8());
    }

    void roundTrip_data() {
        // Keys: after Name=Rec, "@" is the recorder's path; Words: what the recorder must get.
        Columns<QString, QStringList>({"Keys", "Words"});
        Row("field codes", QString("Exec=\"@\" %f --x=%% %U %c %i\nIcon=rec-icon"),
            QStringList{"--x=%", "Rec", "--icon", "rec-icon"});
        Row("quoted words, empty word", // a tab separates
            QString("Exec=\"@\" \"two words\" \"\" 'single one' tab\\there"),
            QStringList{"two words", "", "single one", "tab", "here"});
        Row("what shells and pages treat specially",
            QString("Exec=\"@\" \"$HOME\" * a,b 100%% \"back\\\\\\\\slash\" Grüße &amp; <b>"),
            QStringList{"$HOME", "*", "a,b", "100%", "back\\slash", "Grüße", "&amp;", "<b>"});
        Row("in a terminal, found on the path", QString("Exec=rec -v\nTerminal=true"),
            QStringList{"-e", "rec", "-v"});
    }
    void roundTrip() {
        QFETCH(QString, Keys);
        QFETCH(QStringList, Words);
        const QString name = QTest::currentDataTag();
        QVERIFY(Entry(System(Root.path()), name,
                      "Name=Rec\nPath=" + Folder + '\n' + Keys.replace('@', Recorder)));
        const auto entry =
            DesktopEntries::FromFile(System(Root.path()) + "/applications/" + name + ".desktop");
        QVERIFY(entry);
        const AppItems::Result item = AppItems::FromEntry(*entry, 32);
        QVERIFY2(item.Made(), qPrintable(item.Refusal));

        LauncherDocument doc;
        doc.Propulate();
        doc.Items.Append(item.Row);
        const QString page = Root.filePath("page.htm");
        PageWindow window(page);
        SystemLaunchPort port;
        ScriptedUserDialogs dialogs;
        LinkHandler handler(window, port, dialogs);
        QFile::remove(ArgsFile);
        handler.LinkActivated(ItemLink(GenHTML(doc, false, "")), QString(), true);
        QVERIFY(dialogs.Messages.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
        QCOMPARE(QString::fromUtf8(TestFiles::Read(ArgsFile)),
                 (QStringList{Folder} + Words).join('\n') + '\n');
    }
};

QTEST_GUILESS_MAIN(TestAppRoundTrip)
#include "test_app_roundtrip.moc"
