// The item dialogs and messages for a German user: the real windows and commands with the
// shipped catalogue, and messages built from a user's names that hold "%1" or "%2".
#include "components/UiLanguage.h"
#include "editor/ItemTestRows.h"
#include "items/ImportItems.h"
#include "items/ItemCheck.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/frmAdd.h"
#include "support/DialogLines.h"
#include "support/SpokenLanguage.h"
#include "support/TestFiles.h"

#include <QtWidgets>

using namespace ItemTestRows;

namespace {
QByteArray Bookmarks(int Count) {
    QByteArray page = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
                      "<DT><A HREF=\"javascript:void(0)\">left out</A>\n";
    for (int i = 1; i <= Count; ++i)
        page += "<DT><A HREF=\"https://example.org/" + QByteArray::number(i) + "\">Seite</A>\n";
    return page + "</DL><p>\n";
}
} // namespace

class TestItemsLanguage : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void initTestCase() {
        QCOMPARE(SpeakLanguage(QStringLiteral("de_DE"), {"components", "qtedit2"}),
                 QStringList({"components", "qtedit2"}));
    }

    // The Run box speaks German, while the row keeps the word the file and the page know.
    void addDialogShowsGermanAndStoresTheWord() {
        FakeEditorContext ctx;
        QString shown;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            shown = d.windowTitle() + '|' + d.cmdAddClose->text() + '|' + d.cmbRun->itemText(5);
            d.cmdAdd->click();
            d.txtDesc->setText("Notizen");
            d.txtCom->setText("/usr/bin/notes");
            d.cmbRun->setCurrentIndex(5);
            d.cmdAddClose->click();
            return d.result();
        };
        ItemCommands::mnuEditAdd_Click(ctx);
        QCOMPARE(shown, "Eintrag hinzufügen|Hinzufügen und s&chließen|Verborgen");
        QCOMPARE(MessageLine(ctx.Scripted.Messages.value(0)),
                 "Exclamation OK Fehler beim Hinzufügen: Sie müssen für diesen Eintrag eine "
                 "Beschreibung eingeben");
        QCOMPARE(ctx.Document.Items.Cell(1, cellRun), "Hidden");
        // The list shows the word in German too, and gives the stored word to edit.
        const QModelIndex run = ctx.Document.Items.index(0, cellRun);
        QCOMPARE(run.data(Qt::DisplayRole).toString(), "Verborgen");
        QCOMPARE(run.data(Qt::EditRole).toString(), "Hidden");
    }

    // Editing shows a stored word of ours in German and any other as it stands, and an
    // untouched Run box stores the word back as it was.
    void editKeepsTheStoredWord_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one of ours") << "Minimised Focus"
                                     << "Minimiert mit Fokus";
        QTest::newRow("from elsewhere") << "Verborgen"
                                        << "Verborgen";
    }
    void editKeepsTheStoredWord() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        FakeEditorContext ctx;
        Fill(ctx, "[a]");
        ctx.Document.Items.SetCell(1, cellRun, stored);
        ctx.Document.Items.SetCell(1, cellDescription, "%2 und %1");
        QString seen;
        ctx.Scripted.ModalScripts << [&](QDialog& w) {
            auto& d = static_cast<frmAdd&>(w);
            seen = d.windowTitle() + '|' + d.cmbRun->currentText();
            d.cmdAdd->click();
            return d.result();
        };
        ItemCommands::mnuEditEdit_Click(ctx);
        QCOMPARE(seen, "Eintrag bearbeiten: %2 und %1|" + shown);
        QCOMPARE(ctx.Document.Items.Cell(1, cellRun), stored);
    }

    // What an import tells: the file's name as it is, the count grouped the German way.
    void importMessages_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "%2 fehlt %1.qtf" << QByteArray()
                                 << "Exclamation OK Importfehler: Die Datei '<dir>/%2 fehlt "
                                    "%1.qtf' wurde nicht gefunden. Bitte prüfen Sie den "
                                    "Dateinamen und versuchen Sie es erneut.";
        QTest::newRow("damaged")
            << "b%1%2.html" << QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n\xff\xfe")
            << "Critical OK Importfehler: Beim Importieren der Datei '<dir>/b%1%2.html' ist ein "
               "Fehler aufgetreten - Ungültiges Dateiformat: die Lesezeichendatei ist kein "
               "UTF-8-Text, 321";
        QTest::newRow("many, one left out")
            << "%1.html" << Bookmarks(1500)
            << "Information OK Importergebnis: 1.500 Einträge wurden erfolgreich hinzugefügt. 1 "
               "Lesezeichen konnte nicht verwendet werden.";
        QTest::newRow("one, one left out")
            << "%2.html" << Bookmarks(1)
            << "Information OK Importergebnis: 1 Eintrag wurde erfolgreich hinzugefügt. 1 "
               "Lesezeichen konnte nicht verwendet werden.";
    }
    void importMessages() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = Dir.filePath(file);
        if (!content.isNull())
            QVERIFY(TestFiles::Write(path, content));
        FakeEditorContext ctx;
        ImportItems::Import(ctx.Document, ctx.Scripted, path, QString());
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()),
                 QString(message).replace("<dir>", Dir.path()));
    }

    // A broken item's line names every problem, each with the user's text as it stands.
    void brokenItemLine_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<unsigned>("problems");
        QTest::addColumn<QString>("line");
        QTest::newRow("command and icon")
            << "%3 Werkzeuge %1" << unsigned(ItemCheck::CommandMissing | ItemCheck::IconMissing)
            << "7. %3 Werkzeuge %1 - Der Befehl wurde nicht gefunden: /fehlt/%1; Die "
               "Symboldatei existiert nicht: /bild/%2.png";
        QTest::newRow("start-in folder")
            << "%2" << unsigned(ItemCheck::StartInMissing)
            << "7. %2 - Der Ausführungsordner existiert nicht: /ordner/%3";
    }
    void brokenItemLine() {
        QFETCH(QString, description);
        QFETCH(unsigned, problems);
        LauncherItem row;
        row.Cells = {description, "/fehlt/%1", {}, "/ordner/%3", "/bild/%2.png", {}, {}};
        QTEST(ItemCheck::BrokenLine(7, row, problems), "line");
    }
};

QTEST_MAIN(TestItemsLanguage)
#include "test_items_language.moc"
