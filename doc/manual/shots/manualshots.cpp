// Drives the editor's and the runner's real windows to the states the manual shows and saves
// what the screen shows of each, one PNG per state. scripts/screenshots.sh runs it under Xvfb
// with a fixed style, font and size; it is no test and starts nothing an item names.
#include "build/ui/PreviewPane.h"
#include "components/dialogs/QtUserDialogs.h"
#include "components/platform/BrowserEngine.h"
#include "core/LaunchPort.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "pagegen/modGenHTML.h"
#include "shell/frmQTE.h"
#include "ui/BrowserPage.h"
#include "ui/frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>

#include <cstdio>

namespace {

QString Out;

void Settle(int Ms) {
    QTest::qWait(Ms);
}

// What the screen shows of the widget, without a frame: Xvfb runs no window manager.
void Shoot(QWidget& Widget, const QString& Name) {
    Settle(700);
    QWidget* window = Widget.window();
    const QPoint at = Widget.mapTo(window, QPoint(0, 0));
    const QPixmap shot = window->screen()->grabWindow(window->winId(), at.x(), at.y(),
                                                      Widget.width(), Widget.height());
    if (!shot.save(Out + '/' + Name + ".png"))
        std::fprintf(stderr, "manualshots: cannot write %s\n", qPrintable(Name));
}

// Every modal window is photographed and closed; every message is answered with its default.
class Camera : public QtUserDialogs {
public:
    QString NextName;
    int ShowModal(QDialog& Window) override {
        Window.show();
        (void)QTest::qWaitForWindowExposed(&Window);
        if (!NextName.isEmpty())
            Shoot(Window, NextName);
        NextName.clear();
        return QDialog::Rejected;
    }
    // A message to photograph is shown as the programs show it, then closed.
    MsgAnswer MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon, const QString& Title,
                     std::optional<MsgAnswer> DefaultButton) override {
        if (NextName.isEmpty()) {
            std::fprintf(stderr, "manualshots: message '%s': %s\n", qPrintable(Title),
                         qPrintable(Text));
            return MsgAnswer::No;
        }
        QTimer::singleShot(300, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                Shoot(*box, NextName);
                box->close();
            }
            NextName.clear();
        });
        return QtUserDialogs::MsgBox(Text, Buttons, Icon, Title, DefaultButton);
    }
};

// Items start nothing while the pictures are taken.
class NoLaunch : public LaunchPort {
public:
    bool Missing = false; // every program is missing, for the message that says so
    Launcher::Outcome ShellExecute(const QString&, const QString&, const QString&, int) override {
        if (Missing)
            return {Launcher::FileNotFound, QString()};
        return {};
    }
    Launcher::Outcome OpenDocument(const QString&) override { return {}; }
    void StartProgram(const QString&, const QStringList&) override {}
};

bool WaitForLoad(QWebEngineView* View, const std::function<void()>& Action) {
    QSignalSpy loaded(View->page(), &QWebEnginePage::loadFinished);
    Action();
    return loaded.wait(20000);
}

void ShootEditor(const QString& Examples) {
    Camera dialogs;
    frmQTE editor(&dialogs);
    editor.Form_Load({Examples + "/Tools.qtf"});
    editor.resize(760, 470);
    (void)QTest::qWaitForWindowExposed(&editor);
    auto* list = editor.findChild<QAbstractItemView*>("lvItems");
    auto* tabs = editor.findChild<QTabWidget*>("tabMain");
    editor.SelectRow(2);
    Shoot(editor, "editor-items");
    const char* names[] = {"", "editor-properties", "editor-html", "editor-preview"};
    for (int tab = 1; tab <= 3; ++tab) {
        tabs->setCurrentIndex(tab);
        if (tab == 3)
            Settle(4000); // the preview's engine starts on first use
        Shoot(editor, names[tab]);
    }
    tabs->setCurrentIndex(0);
    list->setFocus();
    editor.SelectRow(2);
    dialogs.NextName = "dialog-item";
    editor.findChild<QAction*>("mnuEditEdit")->trigger();
    editor.SelectRow(1);
    dialogs.NextName = "dialog-section";
    editor.findChild<QAction*>("mnuEditEdit")->trigger();
    dialogs.NextName = "dialog-apps";
    editor.findChild<QAction*>("mnuEditAddApps")->trigger();
    editor.Doc().SetChanged(false);
}

struct Runner {
    Camera Dialogs;
    NoLaunch Launch;
    frmMain Window{Dialogs, Launch};
    QWebEngineView* View() { return Window.findChild<QWebEngineView*>("WB"); }
    bool Open(const QString& Page) {
        const bool loaded = WaitForLoad(View(), [&] { Window.Form_Load({Page}); });
        Window.show();
        (void)QTest::qWaitForWindowExposed(&Window);
        return loaded;
    }
    void Type(const QString& Text) {
        for (const QChar c : Text)
            QTest::sendKeyEvent(QTest::Click, View()->focusProxy(), Qt::Key(c.toUpper().unicode()),
                                QString(c), {});
    }
};

QString Write(const QString& Path, const QString& Html) {
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Html.toUtf8()) < 0)
        std::fprintf(stderr, "manualshots: cannot write %s\n", qPrintable(Path));
    return Path;
}

void ShootRunner(const QString& Examples, const QString& Work) {
    LauncherDocument doc;
    LauncherFile::OpenFile(doc, Examples + "/Tools.qtf", false);
    const QString page = Write(Work + "/Tools.htm", GenHTML(doc, false, {}));
    {
        Runner welcome;
        welcome.Open({});
        Shoot(welcome.Window, "runner-welcome");
    }
    Runner r;
    r.Open(page);
    Shoot(r.Window, "runner-page");
    r.Launch.Missing = true;
    r.Dialogs.NextName = "launch-error";
    r.View()->setFocus();
    QTest::keyClick(r.View()->focusProxy(), Qt::Key_Tab);
    QTest::keyClick(r.View()->focusProxy(), Qt::Key_Return);
    if (!QTest::qWaitFor([&] { return r.Dialogs.NextName.isEmpty(); }, 10000))
        std::fprintf(stderr, "manualshots: no Launch Error came\n");
    r.Launch.Missing = false;
    r.View()->setFocus();
    r.Type("term");
    Shoot(r.Window, "runner-find");
    doc.WriteProp("Style sheet", QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                 "/../share/quintor/themes/dark.css"));
    Runner dark;
    dark.Open(Write(Work + "/Dark.htm", GenHTML(doc, false, {})));
    Shoot(dark.Window, "runner-dark");
}

// A small page of three items, with one property changed, as the runner shows it.
void ShootProperties(const QString& Work) {
    QImage picture(96, 96, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 96, 96);
    sky.setColorAt(0, QColor("#FFE9B0"));
    sky.setColorAt(1, QColor("#B7D7F0"));
    painter.fillRect(picture.rect(), sky);
    painter.end();
    picture.save(Work + "/paper.png");
    const QString icons = "/usr/share/icons/Adwaita/48x48/legacy/";
    const QStringList rows[] = {
        {"Terminal", "x-terminal-emulator", icons + "utilities-terminal.png", "A terminal"},
        {"Calculator", "gnome-calculator", icons + "accessories-calculator.png", ""},
        {"Web", "https://www.debian.org/", icons + "web-browser.png", ""}};
    const QStringList shots = {
        "default|",
        "title|Title=My tools",
        "background-colour|Background colour=#FFF4D6",
        "background-picture|Background picture=" +
            QUrl::fromLocalFile(Work + "/paper.png").toString(),
        "text-colour|Text colour=#8B1A1A",
        "link-colour|Link colour=#1A7F37",
        "table-colour|Table colour=#DDEEFF",
        "table-border|Table border=True",
        "columns|Columns=1",
        "icon-size|Icon size=16",
        "icons-above|Icons above=False",
        "font|Font=Liberation Serif",
        "font-size|Font size=14",
        "font-bold|Font bold=True",
        "font-italic|Font italic=True",
        "font-underline|Font underline=True",
        "font-strikethrough|Font strikethrough=True",
        "commands|Show open command=True;Show exit command=True;Show minimise command=True;"
        "Show maximise command=True;Show edit command=True;Show refresh command=True",
        "header|Header HTML=<p><b>Welcome.</b> Pick a tool below.</p>",
        "footer|Footer HTML=<p><small>Kept by the IT desk, room 4.</small></p>",
        "style-sheet|Style sheet=" + QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                     "/../share/quintor/themes/dark.css"),
    };
    Runner r;
    r.Window.show();
    for (const QString& shot : shots) {
        LauncherDocument doc;
        doc.WriteProp("Title", "Tools");
        for (const QString& setting : shot.section('|', 1).split(';', Qt::SkipEmptyParts)) {
            const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
            if (name == "Header HTML")
                doc.HeaderHTML = value;
            else if (name == "Footer HTML")
                doc.FooterHTML = value;
            doc.WriteProp(name, value);
        }
        for (const QStringList& row : rows)
            doc.Items.AppendAll({LauncherItem{
                {{row[0], row[1], QString(), QString(), row[2],
                  row[1].startsWith("https") ? "Hyperlink" : "Normal Window", row[3]}}}});
        const QString page =
            Write(Work + '/' + shot.section('|', 0, 0) + ".htm", GenHTML(doc, false, {}));
        WaitForLoad(r.View(), [&] { r.Window.Navigate2(QUrl::fromLocalFile(page)); });
        r.Window.resize(400, 250);
        Shoot(*r.View(), "property-" + shot.section('|', 0, 0));
    }
}

} // namespace

// A desktop of a few applications, whatever this machine has installed, so that the pictures
// are the same everywhere and no item shows as missing. Set before the application object
// exists: GLib reads the data folders once.
void UseOwnDesktop(const QString& Root) {
    const QString programs = Root + "/bin", data = Root + "/data";
    const QString icons = "/usr/share/icons/Adwaita/48x48/legacy/";
    QDir().mkpath(programs);
    QDir().mkpath(data + "/applications");
    QFile::link("/usr/share/icons", data + "/icons");
    QFile::link("/usr/share/mime", data + "/mime");
    const QStringList apps[] = {
        {"Calculator", "gnome-calculator", "accessories-calculator", "Utility;"},
        {"Text Editor", "gnome-text-editor", "accessories-text-editor", "Utility;TextEditor;"},
        {"Terminal", "x-terminal-emulator", "utilities-terminal", "System;"},
        {"Files", "nautilus", "system-file-manager", "System;FileManager;"},
        {"Web Browser", "firefox-esr", "web-browser", "Network;WebBrowser;"},
        {"Music", "rhythmbox", "multimedia-player", "AudioVideo;Audio;"},
        {"Help", "yelp", "help-browser", "Utility;"}};
    for (const QStringList& app : apps) {
        QFile program(programs + '/' + app[1]);
        if (program.open(QIODevice::WriteOnly))
            program.write("#!/bin/sh\n");
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QFile entry(data + "/applications/" + app[1] + ".desktop");
        if (entry.open(QIODevice::WriteOnly))
            entry.write(
                QString("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nIcon=%3%4.png\n"
                        "Categories=%5\n")
                    .arg(app[0], app[1], icons, app[2], app[3])
                    .toUtf8());
    }
    qputenv("PATH", programs.toLocal8Bit() + ':' + qgetenv("PATH"));
    qputenv("XDG_DATA_DIRS", data.toLocal8Bit());
}

int main(int argc, char* argv[]) {
    QTemporaryDir work;
    UseOwnDesktop(work.path());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    BrowserPage::RegisterSchemes();
    PreviewPane::RegisterUrlSchemes();
    BrowserEngine::PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    if (argc != 3) {
        std::fprintf(stderr, "usage: manualshots IMAGE-FOLDER EXAMPLES-FOLDER\n");
        return 2;
    }
    Out = QString::fromLocal8Bit(argv[1]);
    const QString examples = QString::fromLocal8Bit(argv[2]);
    ShootEditor(examples);
    ShootRunner(examples, work.path());
    ShootProperties(work.path());
    return 0;
}
