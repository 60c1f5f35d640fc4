// Installed applications and icons as the desktop lists them, on a desktop of the test's own.
#include "components/platform/DesktopEntries.h"
#include "components/platform/IconTheme.h"
#include "support/DataRows.h"
#include "support/DesktopFixture.h"

#include <QIcon>
#include <QtTest>

using namespace DataRows;
using namespace DesktopFixture;

namespace {
QTemporaryDir Root;

QString Sorted(const QList<DesktopEntry>& Entries) { // Name=Id
    QStringList names;
    for (const DesktopEntry& e : Entries)
        names << e.Name + '=' + e.Id.chopped(8);
    return names.sort(), names.join(' ');
}
} // namespace

class TestDesktopEntries : public QObject {
    Q_OBJECT
    const QString Sys = System(Root.path()), Own = Home(Root.path());

public:
    static void initMain() {
        Use(Root.path());
        qputenv("LANGUAGE", "de"); // names come in the user's language
    }

private slots:
    void initTestCase() {
        const std::pair<const char*, const char*> lines[] = {
            {"plain", "Name=Plain\nName[de]=Schlicht\nExec=/bin/echo %U\nPath=/tmp"},
            {"term", "Name=Term\nExec=top\nTerminal=true"},
            {"nodisplay", "Name=NoDisplay\nExec=sh\nNoDisplay=true"},
            {"hidden", "Name=HiddenHere\nExec=sh"}, // hidden by the user's own entry
            {"onlyother", "Name=OnlyOther\nExec=sh\nOnlyShowIn=OtherDesk;"},
            {"broken", "Name=Broken\nExec=sh \"unclosed"},
            {"sub/nested", "Name=Nested\nExec=sh"},
        };
        for (const auto& [name, keys] : lines)
            QVERIFY(Entry(Sys, name, keys));
        QVERIFY(Entry(Own, "hidden", "Name=HiddenHere\nExec=sh\nHidden=true"));
    }

    // An Exec that cannot be split is no application.
    void shownApplications() {
        QCOMPARE(Sorted(DesktopEntries::Shown()), "Nested=sub-nested Schlicht=plain Term=term");
        QCOMPARE(
            Sorted(DesktopEntries::All()),
            "Nested=sub-nested NoDisplay=nodisplay OnlyOther=onlyother Schlicht=plain Term=term");
    }

    // The codes the round trip through a page leaves out: %k names the entry's file, the
    // deprecated ones go.
    void execArguments() {
        DesktopEntry entry;
        entry.File = "/a b/x.desktop";
        entry.Exec = "prog %k %d %D %n %N %v %m";
        QCOMPARE(DesktopEntries::ExecArguments(entry).value_or(QStringList{"refused"}),
                 QStringList({"prog", "/a b/x.desktop"}));
    }

    // A theme of three folders inheriting one that holds a fourth icon; loose pixmaps last.
    void iconFiles_data() {
        const QString icons = Own + "/icons/";
        QVERIFY(Theme(Own, "qtv",
                      "Inherits=qtv-parent\nDirectories=16/apps,24/apps,48/apps,scalable/apps\n"
                      "[16/apps]\nSize=16\nType=Fixed\n[24/apps]\nSize=24\nType=Fixed\n"
                      "[48/apps]\nSize=48\n"
                      "[scalable/apps]\nSize=64\nMinSize=24\nMaxSize=40\nType=Scalable"));
        QVERIFY(Theme(Sys, "qtv-parent", "Directories=32\n[32]\nSize=32"));
        for (const char* file :
             {"qtv/16/apps/app.png", "qtv/48/apps/app.png", "qtv/scalable/apps/app.svg",
              "qtv/16/apps/small.xpm", "qtv/24/apps/raster.png", "qtv/48/apps/raster.png"})
            QVERIFY(Picture(icons + file, 16));
        QVERIFY(Picture(Sys + "/icons/qtv-parent/32/inherited.png", 32));
        QVERIFY(Picture(Sys + "/icons/loose.png", 32));
        QIcon::setThemeName("qtv");

        Columns<QString, int, QString>({"Name", "Size", "Expected"}); // "~": the test's root
        const QString qtv = "~/home/icons/qtv/";
        Row("fixed size", "app", 16, qtv + "16/apps/app.png");
        Row("threshold", "app", 50, qtv + "48/apps/app.png");
        Row("scalable range", "app", 32, qtv + "scalable/apps/app.svg");
        Row("a drawing rather than a picture too small", "app", 128, qtv + "scalable/apps/app.svg");
        Row("larger rather than nearer", "raster", 32, qtv + "48/apps/raster.png");
        Row("nearest of all too small", "raster", 64, qtv + "48/apps/raster.png");
        Row("xpm, any size", "small", 256, qtv + "16/apps/small.xpm");
        Row("inherited", "inherited", 16, "~/system/icons/qtv-parent/32/inherited.png");
        Row("loose", "loose", 16, "~/system/icons/loose.png");
        Row("absolute path", "~/system/icons/loose.png", 48, "~/system/icons/loose.png");
        Row("unknown", "no-such-icon-anywhere", 48, "");
    }
    void iconFiles() {
        QString name = Fetch("Name"), expected = Fetch("Expected");
        QCOMPARE(IconTheme::FindFile(name.replace('~', Root.path()), Fetch<int>("Size")),
                 expected.replace('~', Root.path()));
    }
};

QTEST_MAIN(TestDesktopEntries)
#include "test_desktop_entries.moc"
