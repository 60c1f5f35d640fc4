// Installed applications and icons as the desktop lists them, on a desktop of the test's own.
#include "components/platform/DesktopEntries.h"
#include "components/platform/IconTheme.h"
#include "support/DesktopFixture.h"

#include <QIcon>
#include <QtTest>

using namespace DesktopFixture;

namespace {
QTemporaryDir Root;

QString Joined(const std::optional<QStringList>& Words) {
    return Words ? Words->join('|') : "-";
}
} // namespace

class TestDesktopEntries : public QObject {
    Q_OBJECT
    const QString Sys = System(Root.path()), Own = Home(Root.path());
    const QString Bin = Root.filePath("bin");

public:
    static void initMain() {
        Use(Root.path());
        qputenv("LANGUAGE", "de"); // names come in the user's language
    }

private slots:
    void initTestCase() {
        QVERIFY(Root.isValid());
        const std::pair<const char*, const char*> lines[] = {
            {"plain", "Name=Plain\nName[de]=Schlicht\nExec=/bin/echo %U\nPath=/tmp"},
            {"term", "Name=Term\nExec=top\nTerminal=true"},
            {"nodisplay", "Name=NoDisplay\nExec=sh\nNoDisplay=true"},
            {"hidden", "Name=HiddenHere\nExec=sh"}, // hidden by the user's own entry
            {"onlyother", "Name=OnlyOther\nExec=sh\nOnlyShowIn=OtherDesk;"},
            {"onlyhere", "Name=OnlyHere\nExec=sh\nOnlyShowIn=OtherDesk;TestDesk;"},
            {"nothere", "Name=NotHere\nExec=sh\nNotShowIn=TestDesk;"},
            {"tryexec", "Name=TryExec\nExec=sh\nTryExec=/no/such/program"},
            {"gone", "Name=Gone\nExec=/no/such/program"},
            {"broken", "Name=Broken\nExec=sh \"unclosed"},
            {"sub/nested", "Name=Nested\nExec=sh"},
        };
        for (const auto& [name, keys] : lines)
            QVERIFY(Entry(Sys, name, keys));
        QVERIFY(Entry(Own, "hidden", "Name=HiddenHere\nExec=sh\nHidden=true"));
        QVERIFY(TestFiles::Write(Sys + "/applications/link.desktop",
                                 "[Desktop Entry]\nType=Link\nName=Link\nURL=https://x/\n"));
    }

    void shownApplications() {
        QStringList names, ids;
        for (const DesktopEntry& e : DesktopEntries::Shown())
            names << e.Name, ids << e.Id;
        names.sort();
        ids.sort();
        // A program that is not there, or an Exec that cannot be split, is no application.
        QCOMPARE(names.join(' '), "Nested OnlyHere Schlicht Term");
        QCOMPARE(ids.join(' '), "onlyhere.desktop plain.desktop sub-nested.desktop term.desktop");
        QStringList all;
        for (const DesktopEntry& e : DesktopEntries::All())
            all << e.Name;
        QVERIFY(all.contains("NoDisplay") && !all.contains("HiddenHere") && !all.contains("Link"));
    }

    void entryFields() {
        const auto entry = DesktopEntries::FromFile(Sys + "/applications/plain.desktop");
        QVERIFY(entry);
        QCOMPARE(QStringList({entry->Name, entry->Exec, entry->Path}).join('|'),
                 "Schlicht|/bin/echo %U|/tmp");
        for (const char* refused : {"link", "tryexec", "gone", "broken", "../no-such"})
            QVERIFY2(!DesktopEntries::FromFile(Sys + "/applications/" + refused + ".desktop"),
                     refused);
        QVERIFY(!DesktopEntries::FromFile(Own + "/applications/hidden.desktop"));
    }

    // Exec as GKeyFile hands it over (its own escapes undone), and the words it starts.
    void execArguments_data() {
        QTest::addColumn<QString>("Exec");
        QTest::addColumn<QString>("Expected"); // words joined by "|"; "-": cannot be split
        QTest::newRow("file and address codes dropped") << "prog %f %F %u %U a"
                                                        << "prog|a";
        QTest::newRow("percent kept") << "prog --x=%% 100%%"
                                      << "prog|--x=%|100%";
        QTest::newRow("icon, name, entry file") << "prog %i %c %k"
                                                << "prog|--icon|my icon|My App|/a b/x.desktop";
        QTest::newRow("old codes dropped") << "prog %d %D %n %N %v %m"
                                           << "prog";
        QTest::newRow("quoted blanks, empty word") << "\"/opt/my app/run\" \"two words\" \"\""
                                                   << "/opt/my app/run|two words|";
        QTest::newRow("escapes inside quotes")
            << "prog \"a \\\"q\\\" b\" \"back\\\\slash\" \"\\$HOME\""
            << "prog|a \"q\" b|back\\slash|$HOME";
        QTest::newRow("single quotes") << "prog 'one word' x'y'"
                                       << "prog|one word|xy";
        QTest::newRow("unclosed quote") << "prog \"open"
                                        << "-";
        QTest::newRow("nothing") << ""
                                 << "-";
    }
    void execArguments() {
        QFETCH(QString, Exec);
        DesktopEntry entry;
        entry.Exec = Exec;
        entry.Icon = "my icon";
        entry.Name = "My App";
        entry.File = "/a b/x.desktop";
        QTEST(Joined(DesktopEntries::ExecArguments(entry)), "Expected");
    }

    void terminal_data() {
        QTest::addColumn<QStringList>("Installed");
        QTest::addColumn<QString>("Expected");
        QTest::newRow("none") << QStringList{} << "x-terminal-emulator -e";
        QTest::newRow("one") << QStringList{"konsole"} << "konsole -e";
        QTest::newRow("first in GLib's order")
            << QStringList{"xterm", "mate-terminal"} << "mate-terminal -x";
        QTest::newRow("GNOME's wants --")
            << QStringList{"xterm", "gnome-terminal"} << "gnome-terminal --";
    }
    void terminal() {
        QFETCH(QStringList, Installed);
        QTemporaryDir bin;
        for (const QString& program : Installed)
            QVERIFY(Program(bin.filePath(program)));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        const QString prefix = DesktopEntries::TerminalPrefix().join(' ');
        qputenv("PATH", path);
        QTEST(prefix, "Expected");
    }

    // A theme of three folders inheriting one that holds a fourth icon; loose pixmaps last.
    void iconFiles_data() {
        const QString icons = Own + "/icons/";
        QVERIFY(Theme(Own, "qtv",
                      "Inherits=qtv-parent\nDirectories=16/apps,48/apps,scalable/apps\n"
                      "[16/apps]\nSize=16\nType=Fixed\n[48/apps]\nSize=48\n"
                      "[scalable/apps]\nSize=64\nMinSize=24\nMaxSize=40\nType=Scalable"));
        QVERIFY(Theme(Sys, "qtv-parent", "Directories=32\n[32]\nSize=32"));
        for (const char* file : {"qtv/16/apps/app.png", "qtv/48/apps/app.png",
                                 "qtv/scalable/apps/app.svg", "qtv/16/apps/small.xpm"})
            QVERIFY(Picture(icons + file, 16));
        QVERIFY(Picture(Sys + "/icons/qtv-parent/32/inherited.png", 32));
        QVERIFY(Picture(Sys + "/icons/loose.png", 32));
        QIcon::setThemeName("qtv");

        QTest::addColumn<QString>("Name");
        QTest::addColumn<int>("Size");
        QTest::addColumn<QString>("Expected"); // "~" stands for the test's root
        QTest::newRow("fixed size") << "app" << 16 << "~/home/icons/qtv/16/apps/app.png";
        QTest::newRow("threshold") << "app" << 50 << "~/home/icons/qtv/48/apps/app.png";
        QTest::newRow("scalable range") << "app" << 32 << "~/home/icons/qtv/scalable/apps/app.svg";
        QTest::newRow("nearest of none matching")
            << "app" << 128 << "~/home/icons/qtv/48/apps/app.png";
        QTest::newRow("xpm, any size") << "small" << 256 << "~/home/icons/qtv/16/apps/small.xpm";
        QTest::newRow("name with extension")
            << "app.png" << 16 << "~/home/icons/qtv/16/apps/app.png";
        QTest::newRow("inherited")
            << "inherited" << 16 << "~/system/icons/qtv-parent/32/inherited.png";
        QTest::newRow("loose") << "loose" << 16 << "~/system/icons/loose.png";
        QTest::newRow("absolute path")
            << "~/system/icons/loose.png" << 48 << "~/system/icons/loose.png";
        QTest::newRow("absolute, missing") << "~/none.png" << 48 << "";
        QTest::newRow("unknown") << "no-such-icon-anywhere" << 48 << "";
    }
    void iconFiles() {
        QFETCH(QString, Name);
        QFETCH(int, Size);
        QFETCH(QString, Expected);
        QCOMPARE(IconTheme::FindFile(Name.replace('~', Root.path()), Size),
                 Expected.replace('~', Root.path()));
    }
};

QTEST_MAIN(TestDesktopEntries)
#include "test_desktop_entries.moc"
