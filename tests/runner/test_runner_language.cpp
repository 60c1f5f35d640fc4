// The runner's messages as a user on a German desktop reads them, from the real classes,
// and the English ones unchanged; a name or reason holding "%1" or "%2" stays as written.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "core/LinkHandler.h"
#include "runner/RunnerPages.h"
#include "support/DataRows.h"
#include "support/PageWindow.h"
#include "support/SpokenLanguage.h"
#include "ui/FindBarTexts.h"

#include <QtTest>

using namespace DataRows;
using namespace RunnerPages;

namespace {
const QStringList Catalogues = {QStringLiteral("components"), QStringLiteral("quintor2")};
} // namespace

class TestRunnerLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { SpeakLanguage(QStringLiteral("C"), Catalogues); }

    void messages_data() {
        // Result: of the launch (2: nothing there; 5 with Reason); 53: the editor cannot
        // start, with Reason as its description. Expected: title, text.
        Columns<QString, QString, QString, int, QString, QString>(
            {"Locale", "Link", "Setup", "Result", "Reason", "Expected"});
        Row("nothing there", "de_DE", "qt:/opt/%2 %1/tool", "", 2, "",
            "Startfehler: Der Befehl „/opt/%2 %1/tool“ konnte nicht ausgeführt werden.  "
            "Bitte prüfen Sie, ob die Datei existiert");
        Row("the system's reason", "fr_FR", "qt:/bin/%1", "", 5, "pas de %2 ici",
            "Erreur de lancement : La commande « /bin/%1 » n’a pas pu être exécutée.  "
            "pas de %2 ici");
        Row("editor cannot start", "de_DE", "qtc:edit", "Source file=/p/%2 %1.qtf", 53, "kein %1",
            "Ausführungsfehler: Ausführen nicht möglich: /opt/q/qtedit2 /p/%2 %1.qtf - kein %1, "
            "53");
        Row("editor cannot start, English", "C", "qtc:edit", "Source file=/p/%2 %1.qtf", 53,
            "no %1", "Run Error: Unable to run: /opt/q/qtedit2 /p/%2 %1.qtf - no %1, 53");
        Row("five fields", "de_DE", "qt:a,b,c,d,e", "", 42, "",
            "Ausführungsfehler: Ein Fehler ist aufgetreten: Index außerhalb des gültigen "
            "Bereichs, 9");
        Row("not the open page", "fr_FR", "qtc:min%2", "Other page", 42, "",
            "Erreur de lancement : Impossible d’exécuter la commande « qtc:min%2 ».  Veuillez "
            "d’abord ouvrir un fichier.");
    }
    void messages() {
        QVERIFY(!SpeakLanguage(Fetch("Locale"), Catalogues).isEmpty() || Fetch("Locale") == "C");
        const QString setup = Fetch("Setup");
        const int result = Fetch<int>("Result");
        PageWindow window(QStringLiteral("/pages/p.htm"));
        if (setup == "Other page")
            window.Location = QUrl::fromLocalFile(QStringLiteral("/pages/other.htm"));
        else
            window.Info.LoadText(setup);
        RecordingLaunchPort port;
        port.Result = {result, Fetch("Reason")};
        if (result == 53)
            port.StartFailure = AppError(Fetch("Reason"), 53);
        ScriptedUserDialogs dialogs;
        LinkHandler handler(window, port, dialogs);
        handler.LinkActivated(Fetch("Link"), {}, true);
        QCOMPARE(dialogs.Messages.size(), 1);
        const QString separator = Fetch("Locale") == "fr_FR" ? " : " : ": ";
        QCOMPARE(dialogs.Messages[0].Title + separator + dialogs.Messages[0].Text,
                 Fetch("Expected"));
    }

    // What a screen reader hears after a search: the locale's plural and its digits.
    void found_data() {
        Columns<QString, int, QString>({"Locale", "Count", "Expected"});
        Row("none", "C", 0, "No items found");
        Row("one", "C", 1, "1 item found");
        Row("more", "C", 1500, "1500 items found");
        Row("German none", "de_DE", 0, "Keine Einträge gefunden");
        Row("German one", "de_DE", 1, "1 Eintrag gefunden");
        Row("German more, grouped", "de_DE", 1500, "1.500 Einträge gefunden");
        Row("French two", "fr_FR", 2, "2 éléments trouvés");
    }
    void found() {
        SpeakLanguage(Fetch("Locale"), Catalogues);
        QCOMPARE(FindBarTexts::Found(Fetch<int>("Count")), Fetch("Expected"));
    }
};

QTEST_GUILESS_MAIN(TestRunnerLanguage)
#include "test_runner_language.moc"
