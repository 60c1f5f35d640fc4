// Importing the items of another launcher file: counts, section rows, all-or-nothing.
#include "FakeEditorContext.h"
#include "ImportCommands.h"
#include "ImportItems.h"
#include "LauncherFile.h"
#include "Sections.h"
#include "TestFiles.h"
#include "frmImport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

LauncherItem Item(const QString& Tag) {
    LauncherItem item;
    for (int c = 0; c < LauncherItem::CellCount; ++c)
        item[c] = Tag + QLatin1Char('.') + QString::number(c);
    return item;
}

// A launcher file holding Count item rows named "<Tag><n>" and a title of its own.
QString MakeFile(const QTemporaryDir& Dir, const QString& Name, int Count,
                 const QString& Tag = QStringLiteral("f")) {
    const QString path = Dir.filePath(Name);
    LauncherDocument source;
    QVector<LauncherItem> items;
    for (int i = 1; i <= Count; ++i)
        items.append(Item(Tag + QString::number(i)));
    source.Items.ReplaceAll(items);
    source.WriteProp(QStringLiteral("Title"), QStringLiteral("Imported title"));
    LauncherFile::SaveFile(source, path);
    return path; // the source document's lock goes with it
}

void Fill(LauncherDocument& Doc, int Count) {
    for (int i = 1; i <= Count; ++i)
        Doc.Items.Append(Item(QStringLiteral("own") + QString::number(i)));
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void groupedCount_data() {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("zero") << qint64(0) << english << "0";
        QTest::newRow("999") << qint64(999) << english << "999";
        QTest::newRow("1000") << qint64(1000) << english << "1,000";
        QTest::newRow("1500") << qint64(1500) << english << "1,500";
        QTest::newRow("millions") << qint64(1234567) << english << "1,234,567";
        QTest::newRow("german") << qint64(1500) << german << "1.500";
        // The C locale's own formatting would leave the separator out.
        QTest::newRow("C locale") << qint64(1500) << QLocale::c() << "1,500";
    }
    void groupedCount() {
        QFETCH(qint64, count);
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        QCOMPARE(ImportItems::GroupedCount(count, locale), expected);
    }

    // Rows, section row, message and the untouched rest of the document.
    void import_data() {
        QTest::addColumn<int>("existing");
        QTest::addColumn<int>("inFile");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("message");
        QTest::newRow("three, no section") << 2 << 3 << ""
                                           << "3 items were successfully added";
        QTest::newRow("three under a section") << 2 << 3 << "Tools"
                                               << "3 items were successfully added";
        QTest::newRow("blank section name") << 2 << 3 << "   "
                                            << "3 items were successfully added";
        QTest::newRow("section name is trimmed") << 0 << 1 << "  Work  "
                                                 << "1 item was successfully added";
        QTest::newRow("name with separators") << 1 << 1 << "a:b;c{d}"
                                              << "1 item was successfully added";
        QTest::newRow("no items") << 2 << 0 << ""
                                  << "No items were found in the file";
        QTest::newRow("no items, with a section") << 0 << 0 << "Empty"
                                                  << "No items were found in the file";
        QTest::newRow("1500") << 0 << 1500 << ""
                              << "1,500 items were successfully added";
    }
    void import() {
        QFETCH(int, existing);
        QFETCH(int, inFile);
        QFETCH(QString, section);
        QFETCH(QString, message);
        const QString file = MakeFile(Dir, QStringLiteral("items.qtf"), inFile);
        FakeEditorContext ctx;
        LauncherDocument& doc = ctx.Document;
        Fill(doc, existing);
        doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Mine"));
        doc.SetCaption(QStringLiteral("caption"));
        const bool withSection = !section.trimmed().isEmpty();

        QVERIFY(ImportItems::Import(doc, ctx.Scripted, file, section,
                                    QLocale(QLocale::English, QLocale::UnitedStates)));

        QCOMPARE(doc.Items.Count(), existing + inFile + (withSection ? 1 : 0));
        for (int i = 1; i <= existing; ++i)
            QCOMPARE(doc.Items.Row(i), Item(QStringLiteral("own") + QString::number(i)));
        int next = existing + 1;
        if (withSection) {
            SectionDetails details;
            details.Name = section.trimmed();
            QCOMPARE(doc.Items.Cell(next, cellDescription), SectionRowText(details));
            QCOMPARE(SectDetails(doc.Items.Cell(next, cellDescription), 1), section.trimmed());
            ++next;
        }
        for (int i = 1; i <= inFile; ++i)
            QCOMPARE(doc.Items.Row(next + i - 1), Item(QStringLiteral("f") + QString::number(i)));
        QCOMPARE(ctx.Scripted.Messages.size(), 1);
        QCOMPARE(ctx.Scripted.LastMessage().Text, message);
        QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Import Result"));
        QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Information);
        QVERIFY(doc.Changed);
        QCOMPARE(doc.ReadProp(QStringLiteral("Title")), QStringLiteral("Mine"));
        QCOMPARE(doc.CurFile, QString());
        QCOMPARE(doc.Caption(), QStringLiteral("caption"));
    }

    void importingTwiceAppendsTwice() {
        const QString file = MakeFile(Dir, QStringLiteral("twice.qtf"), 2);
        FakeEditorContext ctx;
        QVERIFY(ImportItems::Import(ctx.Document, ctx.Scripted, file, QString()));
        QVERIFY(ImportItems::Import(ctx.Document, ctx.Scripted, file, QStringLiteral("Again")));
        QCOMPARE(ctx.Document.Items.Count(), 5);
        QCOMPARE(ctx.Document.Items.Row(4), Item(QStringLiteral("f1")));
        QVERIFY(ctx.Document.Items.IsSection(3));
    }

    // A file that is not there, or fails to read, changes nothing at all.
    void failedImportAddsNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // written to the file when not empty
        QTest::addColumn<QString>("message");
        QTest::addColumn<MsgIcon>("icon");
        const QString missing = Dir.filePath(QStringLiteral("missing.qtf"));
        const QString damaged = Dir.filePath(QStringLiteral("damaged.qtf"));
        QTest::newRow("missing") << missing << QByteArray()
                                 << "Could not find the file '" + missing +
                                        "'. Please check the filename and try again."
                                 << MsgIcon::Exclamation;
        QTest::newRow("empty name")
            << QString() << QByteArray()
            << "Could not find the file ''. Please check the filename and try again."
            << MsgIcon::Exclamation;
        QTest::newRow("a folder") << Dir.path() << QByteArray()
                                  << "Could not find the file '" + Dir.path() +
                                         "'. Please check the filename and try again."
                                  << MsgIcon::Exclamation;
        QTest::newRow("damaged") << damaged << QByteArray("QTFP\xff\xff\xff\x7f garbage", 17)
                                 << "An error occurred when attempting to import the file '" +
                                        damaged + "' - "
                                 << MsgIcon::Critical;
        QTest::newRow("not a launcher file")
            << damaged << QByteArray("<html>a page</html>")
            << "An error occurred when attempting to import the file '" + damaged + "' - "
            << MsgIcon::Critical;
    }
    void failedImportAddsNothing() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(MsgIcon, icon);
        if (!content.isEmpty())
            QVERIFY(TestFiles::Write(file, content));
        FakeEditorContext ctx;
        Fill(ctx.Document, 2);
        QVERIFY(!ImportItems::Import(ctx.Document, ctx.Scripted, file, QStringLiteral("Tools")));
        QCOMPARE(ctx.Document.Items.Count(), 2);
        QVERIFY(!ctx.Document.Changed);
        QCOMPARE(ctx.Scripted.Messages.size(), 1);
        const auto shown = ctx.Scripted.LastMessage();
        QCOMPARE(shown.Title, QStringLiteral("Import Error"));
        QCOMPARE(shown.Icon, icon);
        if (icon == MsgIcon::Critical) {
            QVERIFY2(shown.Text.startsWith(message), qPrintable(shown.Text));
            QVERIFY2(shown.Text.endsWith(QStringLiteral(", 321")), qPrintable(shown.Text));
        } else {
            QCOMPARE(shown.Text, message);
        }
    }

    // The document's own file is held locked; importing it must still read it, and
    // the lock is back afterwards.
    void importingTheOpenFile() {
        const QString file = MakeFile(Dir, QStringLiteral("own.qtf"), 2);
        FakeEditorContext ctx;
        LauncherFile::OpenFile(ctx.Document, file, false);
        QVERIFY(ctx.Document.CO.Held());
        QVERIFY(ImportItems::Import(ctx.Document, ctx.Scripted, file, QString()));
        QCOMPARE(ctx.Document.Items.Count(), 4);
        QVERIFY(ctx.Document.CO.Held());
        QCOMPARE(ctx.Document.CurFile, file);
    }

    // The dialog: browse, import twice with its texts kept, close; the tab stays.
    void dialog() {
        const QString file = MakeFile(Dir, QStringLiteral("dialog.qtf"), 3);
        FakeEditorContext ctx;
        ctx.Tab = 2;
        ctx.Scripted.FileAnswers = {file, std::nullopt};
        QString title, fileText, sectionText;
        ctx.Scripted.ModalScripts.append([&](QDialog& window) {
            title = window.windowTitle();
            auto* txtFile = window.findChild<QLineEdit*>(QStringLiteral("txtFile"));
            auto* txtSection = window.findChild<QLineEdit*>(QStringLiteral("txtSection"));
            auto* cmdBrowse = window.findChild<QPushButton*>(QStringLiteral("cmdBrowse"));
            auto* cmdImport = window.findChild<QPushButton*>(QStringLiteral("cmdImport"));
            auto* cmdClose = window.findChild<QPushButton*>(QStringLiteral("cmdClose"));
            if (!txtFile || !txtSection || !cmdBrowse || !cmdImport || !cmdClose ||
                !txtFile->text().isEmpty() || !cmdImport->isDefault())
                return -1;
            cmdBrowse->click(); // chooses the file
            cmdBrowse->click(); // cancelled: the text stays
            txtSection->setText(QStringLiteral("Imported"));
            cmdImport->click();
            cmdImport->click();
            fileText = txtFile->text();
            sectionText = txtSection->text();
            cmdClose->click();
            return window.result();
        });
        ImportCommands::mnuFileImport_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{QStringLiteral("frmImport")});
        QCOMPARE(title, QStringLiteral("Import Quintor File Items"));
        QCOMPARE(ctx.Scripted.FileRequests.size(), 2);
        QCOMPARE(ctx.Scripted.FileRequests[0].Title,
                 QStringLiteral("Choose an Quintor File to Import"));
        QCOMPARE(ctx.Scripted.FileRequests[0].Filter,
                 QStringLiteral("Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*"));
        QVERIFY(!ctx.Scripted.FileRequests[0].Save);
        QCOMPARE(fileText, file);
        QCOMPARE(sectionText, QStringLiteral("Imported"));
        QCOMPARE(ctx.Document.Items.Count(), 8);
        QVERIFY(ctx.Document.Items.IsSection(5));
        QCOMPARE(ctx.Scripted.Messages.size(), 2);
        QCOMPARE(ctx.CheckmenusCalls, 2);
        QCOMPARE(ctx.Tab, 2);
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
