#pragma once

// The runner's window in the real engine, driven as a user does, showing pages that the
// editor's page generator built.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/LauncherDocument.h"
#include "pagegen/modGenHTML.h"
#include "runner/RunnerPages.h"
#include "support/DataRows.h"
#include "support/DialogLines.h"
#include "support/Leftovers.h"
#include "ui/BrowserPage.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace RunnerHarness {
using namespace DataRows;
using namespace RunnerPages;

struct Item {
    QString Description{}, Command{}, Parameters{}, StartIn{}, Run = "Normal Window";
    QString Comments{}, Icon{};
};

// The script that finds an element, scrolls it into view and answers its centre in the
// window, through the frames it lies in. What picks the element is an expression.
inline QString CentreOf(const QString& Element) {
    return "(function(){ var e = " + Element +
           "; e.scrollIntoView({block:'center'}); var r = e.getBoundingClientRect();"
           " var x = r.left + r.width / 2, y = r.top + r.height / 2;"
           " for (var w = e.ownerDocument.defaultView; w !== window; w = w.parent) {"
           " var f = w.frameElement.getBoundingClientRect(); x += f.left; y += f.top; }"
           " return [x, y]; })()";
}
// 1,000 items in ten sections of a hundred, and one that the tests look for.
inline QVector<Item> ThousandItems(const QString& Recorder) {
    QVector<Item> items;
    for (int n = 1; n <= 1000; ++n) {
        if (n % 100 == 1)
            items.append(Item{"SECTION:Part " + QString::number(n / 100 + 1) +
                              ";Columns:5;Icon size:32;Icons above:True;Table border:False"});
        items.append(Item{"Item " + QString::number(n), "/usr/bin/tool-" + QString::number(n)});
    }
    items.append(
        Item{"SECTION:Special;Columns:5;Icon size:32;Icons above:True;Table border:False"});
    items.append(Item{"Émile's Editor", Recorder, "found", {}, "Normal Window", "writes letters"});
    return items;
}
inline QString ItemLink(const QString& Title) {
    return "document.querySelector('a[title=\"" + Title + "\"]')";
}

class Harness {
protected:
    QTemporaryDir Dir;
    QString ArgsFile = Dir.filePath("args.txt");
    QString Recorder = TestFiles::TestBinDir() + "/argrecorder";
    struct Runner {
        ScriptedUserDialogs Dialogs;
        RecordingLaunchPort Port;
        frmMain W{Dialogs, Port};
    };
    std::unique_ptr<Runner> R;

    // A launcher page as the editor builds it. Props: "Name=Value|...".
    QString Build(const QString& Name, const QVector<Item>& Items, const QString& Props = {},
                  const QString& Header = {}) {
        LauncherDocument doc;
        doc.WriteProp("Title", QFileInfo(Name).completeBaseName());
        for (const QString& p : Props.split('|', Qt::SkipEmptyParts))
            doc.WriteProp(p.section('=', 0, 0), p.section('=', 1));
        doc.HeaderHTML = Header;
        for (const Item& i : Items)
            doc.Items.AppendAll({LauncherItem{
                {{i.Description, i.Command, i.Parameters, i.StartIn, i.Icon, i.Run, i.Comments}}}});
        return Write(Name, GenHTML(doc, false, {}));
    }
    // "DIR" stands for the test's folder, "PROGRAM" for argrecorder.
    QString Real(QString Text) const {
        return Text.replace("DIR", Dir.path()).replace("PROGRAM", Recorder);
    }
    QString Write(const QString& Name, const QString& Html) {
        return TestFiles::Write(Dir.filePath(Name), Html.toUtf8()) ? Dir.filePath(Name) : "";
    }
    QWebEngineView* View() const { return R->W.findChild<QWebEngineView*>("WB"); }
    QLineEdit* Box() const { return R->W.findChild<QLineEdit*>("txtEC"); }
    QStatusBar* Status() const { return R->W.findChild<QStatusBar*>("stat"); }
    template <typename F> bool Loads(F Action) {
        QSignalSpy loaded(View()->page(), &QWebEnginePage::loadFinished);
        Action();
        return loaded.wait(20000);
    }
    bool Opens(const QString& Page) {
        return Loads([&] { R->W.Form_Load({Page}); });
    }
    QVariant Eval(const QString& Script) {
        // The answer may come after we stopped waiting: it must not find our frame gone.
        auto answer = std::make_shared<std::optional<QVariant>>();
        // The runner's own world: no script of the page runs in its world.
        View()->page()->runJavaScript(Script, QWebEngineScript::ApplicationWorld,
                                      [answer](const QVariant& v) { *answer = v; });
        if (!QTest::qWaitFor([&] { return answer->has_value(); }, 10000))
            qWarning("script gave no answer: %s", qPrintable(Script));
        return answer->value_or(QVariant());
    }
    // A real click: mouse events at the element's place, as a user's hand makes them.
    void ClickOn(const QString& Element) {
        const QVariantList at = Eval(CentreOf(Element)).toList();
        QTest::mouseClick(View()->focusProxy(), Qt::LeftButton, {},
                          QPoint(at.value(0).toInt(), at.value(1).toInt()));
    }
    // The items the page shows, in page order, and the one the find bar highlights.
    QStringList Visible() {
        return Eval("Array.from(document.querySelectorAll('td > a'))"
                    ".filter(a => a.getClientRects().length).map(a => a.textContent)")
            .toStringList();
    }
    QString Highlighted() {
        return Eval("(document.querySelector('a[data-quintor-current]') || {}).textContent")
            .toString();
    }
    // As a keyboard types it: a letter beyond ASCII is one key too.
    void Type(const QString& Text) {
        for (const QChar c : Text)
            QTest::sendKeyEvent(QTest::Click, View()->focusProxy(), Qt::Key(c.toUpper().unicode()),
                                QString(c), {});
    }
    void Key(Qt::Key K, Qt::KeyboardModifiers Mods = {}) {
        QTest::keyClick(View()->focusProxy(), K, Mods);
    }
    // Whether argrecorder wrote down the Launch-th launch of this runner, within seconds. The
    // port records every launch the moment it is made, so a launch of anything but
    // argrecorder or a document (which our desktop hands to argrecorder) ends the wait at
    // once: a wrong launch fails in moments, not after the time limit of every wait after it.
    bool RecorderRan(qsizetype Launch = 1) {
        const auto wrongLaunch = [&] {
            const QString call = R->Port.Calls.value(Launch - 1);
            return !call.isEmpty() && !call.startsWith(Recorder + '|') &&
                   !call.startsWith("document ");
        };
        (void)QTest::qWaitFor([&] { return QFileInfo::exists(ArgsFile) || wrongLaunch(); }, 10000);
        if (!QFileInfo::exists(ArgsFile))
            qWarning("argrecorder was not started; launches: %s",
                     qPrintable(R->Port.Calls.join("; ")));
        return QFileInfo::exists(ArgsFile);
    }
    // The launches the port was asked for, once there is one: a wrong one fails at once.
    QStringList Launches() {
        (void)QTest::qWaitFor([this] { return !R->Port.Calls.isEmpty(); }, 5000);
        return R->Port.Calls;
    }
    QStringList Recorded() {
        QString text = QString::fromUtf8(TestFiles::Read(ArgsFile));
        text.chop(1); // every line ends in a line break
        return text.split('\n');
    }

    void Start() {
        qputenv("QUINTOR_ARGS_FILE", ArgsFile.toUtf8());
        QFile::remove(ArgsFile);
        (R = std::make_unique<Runner>())->W.show();
        R->Port.PassOn = true;
    }
};

// Runs a test class in a desktop of its own, whatever this machine has installed: it
// knows the file types, and its one application, for PDF files and "http:" addresses, is
// argrecorder; what the runner learns of its user stays there too.
template <typename Test> int Run(int argc, char* argv[]) {
    QTemporaryDir desktop;
    const QByteArray recorder =
        QFileInfo(argv[0]).absolutePath().toUtf8() + QByteArrayLiteral("/argrecorder");
    QFile::link("/usr/share/mime", desktop.filePath("mime"));
    TestFiles::Write(desktop.filePath("applications/recorder.desktop"),
                     "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorder +
                         " %f\nMimeType=application/pdf;\n");
    TestFiles::Write(desktop.filePath("applications/webrecorder.desktop"),
                     "[Desktop Entry]\nType=Application\nName=Web Recorder\nExec=" + recorder +
                         " %u\nMimeType=x-scheme-handler/http;\n");
    TestFiles::Write(desktop.filePath("mimeapps.list"),
                     "[Default Applications]\napplication/pdf=recorder.desktop\n"
                     "x-scheme-handler/http=webrecorder.desktop\n");
    for (const char* name :
         {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_STATE_HOME"})
        qputenv(name, desktop.path().toUtf8());
    BrowserPage::RegisterSchemes(); // before the application object
    Leftovers::MarkEnvironment();
    int result = 0;
    {
        QApplication app(argc, argv);
        Test test;
        result = QTest::qExec(&test, argc, argv);
    }
    // A launch gone wrong may have started a program that keeps running.
    Leftovers::EndAll();
    return result;
}
} // namespace RunnerHarness
