#include "components/dialogs/ScriptedUserDialogs.h"
#include "shell/frmQTE.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

// Help, Contents and F1 show the manual that lies beside the programs (a build tree keeps it
// where an install does) in the desktop's browser; a manual that is not there is named
// where it was looked for. The desktop is the test's own: its one browser writes down the
// address it was given.
namespace {

QString Root;
QString Opened() {
    return Root + "/opened.txt";
}
QString ExtraData() {
    return Root + "/extra";
}
const QString Missing = "The help file could not be opened. It was expected at '%1'.";

struct Editor {
    ScriptedUserDialogs Dialogs;
    frmQTE Window{&Dialogs};
    Editor() { Window.Form_Load({}); }
    void Ask(const QString& Way) {
        Window.show();
        Window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Window));
        if (Way == "F1")
            QTest::keyClick(&Window, Qt::Key_F1);
        else
            Window.findChild<QAction*>("mnuHelpContents")->trigger();
    }
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void cleanup() {
        QDir(ExtraData()).removeRecursively();
        QFile::remove(Opened());
    }

    // The build tree's manual, by the menu and by F1; and from the desktop's data folders
    // when none lies beside the programs.
    void showsTheManual_data() {
        QTest::addColumn<QString>("Way");
        QTest::addColumn<bool>("BesidePrograms");
        QTest::newRow("menu, build tree") << "menu" << true;
        QTest::newRow("F1, build tree") << "F1" << true;
        QTest::newRow("menu, data folder") << "menu" << false;
    }
    void showsTheManual() {
        QFETCH(QString, Way);
        QFETCH(bool, BesidePrograms);
        Editor e;
        QString manual = QDir::cleanPath(e.Window.Doc().APath + "../share/doc/quintor/manual");
        if (!BesidePrograms) {
            e.Window.Doc().APath = Dir.filePath("nothing/bin/");
            manual = ExtraData() + "/doc/quintor/manual";
            QVERIFY(TestFiles::Write(manual + "/index.html", "<html></html>"));
        }
        QVERIFY2(QFileInfo(manual + "/index.html").isFile(), qPrintable(manual));
        e.Ask(Way);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(Opened()).size() > 0, 10000);
        // GIO hands a browser that takes addresses a local file by its path.
        QCOMPARE(QString::fromUtf8(TestFiles::Read(Opened())).trimmed(), manual + "/index.html");
        QVERIFY(e.Dialogs.Messages.isEmpty());
    }

    // A browser that cannot start is named with the desktop's reason, and the manual's place.
    void browserThatFailsIsReported() {
        const QString browser = Root + "/browser";
        QVERIFY(QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner));
        Editor e;
        e.Ask("menu");
        QVERIFY(
            QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(e.Dialogs.Messages.size(), 1);
        const auto& message = e.Dialogs.LastMessage();
        const QString manual =
            QDir::cleanPath(e.Window.Doc().APath + "../share/doc/quintor/manual/index.html");
        const QString start =
            "The manual at '" + manual + "' could not be shown in a web browser: ";
        QVERIFY2(message.Text.startsWith(start) && message.Text.size() > start.size() + 10 &&
                     message.Text.endsWith('.'),
                 qPrintable(message.Text));
        QCOMPARE(message.Title, "Quintor Editor");
        QVERIFY(!QFileInfo::exists(Opened()));
    }

    // Nothing beside the programs nor in a data folder: the message names the place beside
    // the programs, where an install puts it. A folder by the page's name is no page.
    void missingManualIsNamed_data() {
        QTest::addColumn<QString>("Way");
        QTest::addColumn<QString>("Leftover");
        QTest::newRow("no share folder") << "menu"
                                         << "";
        QTest::newRow("F1, no first page") << "F1"
                                           << "share/doc/quintor/manual/other.html";
        QTest::newRow("a folder for the page") << "menu"
                                               << "share/doc/quintor/manual/index.html/x";
    }
    void missingManualIsNamed() {
        QFETCH(QString, Way);
        QFETCH(QString, Leftover);
        QTemporaryDir prefix;
        if (!Leftover.isEmpty())
            QVERIFY(TestFiles::Write(prefix.filePath(Leftover), "<html></html>"));
        Editor e;
        e.Window.Doc().APath = prefix.filePath("bin") + '/';
        e.Ask(Way);
        QCOMPARE(e.Dialogs.Messages.size(), 1);
        const auto& message = e.Dialogs.LastMessage();
        QCOMPARE(message.Text, Missing.arg(prefix.filePath("share/doc/quintor/manual/index.html")));
        QCOMPARE(message.Title, "Quintor Editor");
        QCOMPARE(message.Icon, MsgIcon::Information);
        QVERIFY(!QFileInfo::exists(Opened()));
    }
};

// The desktop is set before the application object exists: GLib reads it once.
int main(int argc, char* argv[]) {
    QTemporaryDir desktop;
    Root = desktop.path();
    const QString browser = Root + "/browser";
    TestFiles::Executable(browser,
                          "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + Opened().toUtf8() + "'\n");
    QDir().mkpath(Root + "/system");
    QFile::link("/usr/share/mime", Root + "/system/mime");
    TestFiles::Write(Root + "/system/applications/browser.desktop",
                     "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + browser.toUtf8() +
                         " %u\nMimeType=text/html;\n");
    TestFiles::Write(Root + "/config/mimeapps.list",
                     "[Default Applications]\ntext/html=browser.desktop\n");
    qputenv("XDG_DATA_HOME", (Root + "/home").toUtf8());
    qputenv("XDG_DATA_DIRS", (Root + "/system:" + ExtraData()).toUtf8());
    qputenv("XDG_CONFIG_HOME", (Root + "/config").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (Root + "/config").toUtf8());
    QApplication app(argc, argv);
    TestHelp test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_help.moc"
