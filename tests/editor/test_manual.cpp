#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/PropertyTable.h"
#include "shell/frmQTE.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

// The user's manual as it ships: every link and picture leads somewhere inside it, it stays
// offline and script-free, and it names every command of the editor's menus and every page
// property, taken from the program itself so that a new one cannot go unmentioned.
namespace {

const QString Manual = qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/doc/manual";

QStringList Pages() {
    return QDir(Manual).entryList({"*.html"}, QDir::Files, QDir::Name);
}

QString Read(const QString& Page) {
    return QString::fromUtf8(TestFiles::Read(Manual + '/' + Page));
}

// What a reader sees: the text without tags, with the few entities the pages use.
QString ReadableText() {
    static const QString text = [] {
        QString all;
        for (const QString& page : Pages())
            all += Read(page).remove(QRegularExpression("<[^>]*>")) + '\n';
        return all.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").simplified();
    }();
    return text;
}

// A menu entry as the manual writes it: no access key, no trailing dots.
QString Caption(QString Text) {
    Text.remove('&');
    if (Text.endsWith("..."))
        Text.chop(3);
    return Text;
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT

private slots:
    void links_data() {
        QTest::addColumn<QString>("Page");
        QVERIFY(Pages().contains("index.html"));
        for (const QString& page : Pages())
            QTest::newRow(qPrintable(page)) << page;
    }
    // Relative links to files of the manual, and to anchors that exist; addresses outside
    // only for the web and mail; nothing that runs or loads from the network.
    void links() {
        QFETCH(QString, Page);
        const QString html = Read(Page);
        QVERIFY2(!html.contains("<script", Qt::CaseInsensitive), "a script");
        QVERIFY(html.contains("<link rel=\"stylesheet\" href=\"manual.css\">"));
        static const QRegularExpression reference("\\b(href|src)\\s*=\\s*\"([^\"]*)\"");
        static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
        int checked = 0;
        for (const auto& match : reference.globalMatch(html)) {
            const QString target = match.captured(2);
            const bool outside = target.contains(scheme) || target.startsWith("//");
            if (outside) {
                QVERIFY2(match.captured(1) == "href" &&
                             (target.startsWith("https://") || target.startsWith("mailto:")),
                         qPrintable(target));
                continue;
            }
            const QString file = target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            const QString path = QDir::cleanPath(Manual + '/' + (file.isEmpty() ? Page : file));
            QVERIFY2(path.startsWith(Manual + '/') && QFileInfo(path).isFile(), qPrintable(target));
            if (!anchor.isEmpty())
                QVERIFY2(QString::fromUtf8(TestFiles::Read(path)).contains("id=\"" + anchor + '"'),
                         qPrintable(target));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // Every picture is shown somewhere, and together they stay small.
    void pictures() {
        QString html;
        for (const QString& page : Pages())
            html += Read(page);
        qint64 bytes = 0;
        const QFileInfoList pictures =
            QDir(Manual + "/images").entryInfoList({"*.png"}, QDir::Files);
        QVERIFY(pictures.size() >= 10);
        for (const QFileInfo& picture : pictures) {
            QVERIFY2(html.contains("src=\"images/" + picture.fileName() + '"'),
                     qPrintable(picture.fileName()));
            QVERIFY2(!QImage(picture.filePath()).isNull(), qPrintable(picture.fileName()));
            bytes += picture.size();
        }
        QVERIFY2(bytes < 2 * 1024 * 1024, qPrintable(QString::number(bytes)));
    }

    void menuCommands_data() {
        QTest::addColumn<QString>("Command");
        ScriptedUserDialogs dialogs;
        frmQTE editor(&dialogs);
        for (const QAction* menu : editor.menuBar()->actions()) {
            QTest::newRow(qPrintable(Caption(menu->text()))) << Caption(menu->text());
            for (const QAction* entry : menu->menu()->actions())
                if (!entry->isSeparator())
                    QTest::newRow(qPrintable(Caption(entry->text()))) << Caption(entry->text());
        }
    }
    void menuCommands() {
        QFETCH(QString, Command);
        QVERIFY2(ReadableText().contains(Command), qPrintable(Command));
    }

    void properties_data() {
        QTest::addColumn<QString>("Key");
        QTest::addColumn<QString>("Name");
        for (int pos = 1; pos <= PropertyTable::Count; ++pos)
            QTest::newRow(PropertyTable::At(pos)->Key)
                << PropertyTable::At(pos)->Key << PropertyTable::At(pos)->Name;
    }
    // Each property has its own part of the chapter, under its key, headed by its name.
    void properties() {
        QFETCH(QString, Key);
        QFETCH(QString, Name);
        const QString html = Read("properties.html");
        QVERIFY2(html.contains(QString("<div class=\"property\" id=\"%1\"><h3>%2</h3>")
                                   .arg(Key, Name.toHtmlEscaped())),
                 qPrintable(Name));
    }
};

QTEST_MAIN(TestManual)
#include "test_manual.moc"
