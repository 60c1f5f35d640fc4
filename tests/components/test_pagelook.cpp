#include "components/PageLook.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace DataRows;

// The theme a page gets is one text: every sheet it imports put in place of its import.
class TestPageLook : public QObject {
    Q_OBJECT

private slots:
    void importsAreInlined_data() {
        Texts({"Sheets", "Flat"}); // Sheets: "name: text" separated by "|"; a.css is read
        Row("no import", "a.css: p { color: red; }", "p { color: red; }");
        Row("in place", "a.css: x {}\n@import url(\"b.css\");\ny {}|b.css: b {}",
            "x {}\nb {}\ny {}");
        Row("media kept", "a.css: @import url('b.css') screen and (min-width: 1px);|b.css: b {}",
            "@media screen and (min-width: 1px) {\nb {}}\n");
        Row("nested", "a.css: @import url(b.css);a {}|b.css: @import url(c.css);b {}|c.css: c {}",
            "c {}b {}a {}");
        Row("each sheet once",
            "a.css: @import url(b.css);@import url(b.css);a {}|b.css: "
            "@import url(a.css);b {}",
            "b {}a {}");
        Row("missing sheet", "a.css: @import url(\"gone.css\");a {}", "a {}");
    }
    void importsAreInlined() {
        QTemporaryDir dir;
        for (const QString& sheet : Fetch("Sheets").split('|'))
            QVERIFY(TestFiles::Write(dir.filePath(sheet.section(": ", 0, 0)),
                                     sheet.section(": ", 1).toUtf8()));
        QCOMPARE(PageLook::Flattened(dir.path(), "a.css"), Fetch("Flat"));
    }

    // The System theme as pages get it: light, dark where the desktop is, the shared
    // shape once, and nothing left that a page without the theme's folder would miss.
    void systemThemeIsWhole() {
        const QString themes = qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/themes";
        const QString flat = PageLook::Flattened(themes, "system.css");
        QVERIFY(!flat.contains("@import"));
        QCOMPARE(flat.count("--quintor-page:"), 2);
        QCOMPARE(flat.count("scrollbar-gutter"), 1);
        QVERIFY(flat.indexOf("@media (prefers-color-scheme: dark) {") <
                flat.lastIndexOf("--quintor-page:"));
        QVERIFY(PageLook::Script().contains("(prefers-color-scheme: dark)"));
        QVERIFY(!PageLook::Script().contains("@THEME@"));
    }
};

QTEST_GUILESS_MAIN(TestPageLook)
#include "test_pagelook.moc"
