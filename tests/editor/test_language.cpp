// The editor in the user's language: its window, its messages and its command line in
// German and French, access keys that stay apart in each language, and the names a user
// gave kept whole inside a translated message, even when they look like placeholders.
#include "batch/BatchCommand.h"
#include "build/PageBuild.h"
#include "components/AppError.h"
#include "components/UiLanguage.h"
#include "document/LauncherDocument.h"
#include "properties/PropertyRules.h"
#include "shell/frmQTE.h"
#include "support/DialogLines.h"
#include "support/SpokenLanguage.h"
#include "support/TestFiles.h"
#include "textform/LauncherText.h"

#include <QtTest>
#include <QtWidgets>

using Compose = std::function<QString()>;
Q_DECLARE_METATYPE(Compose)

namespace {

void UseLanguage(const QString& Name) {
    SpeakLanguage(Name, {QStringLiteral("components"), QStringLiteral("qtedit2")});
}

QString ErrorOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const AppError& e) {
        return e.Description;
    }
    return QStringLiteral("(no error)");
}

QStringList Captions(const QList<QAction*>& Actions) {
    QStringList captions;
    for (const QAction* a : Actions)
        if (!a->isSeparator())
            captions << a->text();
    return captions;
}

struct Editor {
    ScriptedUserDialogs Dialogs;
    frmQTE Window{&Dialogs};
    Editor() { Window.Form_Load({}); }
    QAction* Action(const char* Name) { return Window.findChild<QAction*>(QLatin1String(Name)); }
};

// The letters after "&" in Captions that more than one of them uses.
QStringList Clashes(const QStringList& Captions) {
    QHash<QString, QStringList> users;
    for (const QString& caption : Captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            users[key.toString()] << caption;
    }
    QStringList clashes;
    for (auto at = users.cbegin(); at != users.cend(); ++at)
        if (at->size() > 1)
            clashes << at.key() + ": " + at->join(", ");
    return clashes;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir Folder;

private slots:
    void cleanup() { UseLanguage(QStringLiteral("C")); }

    void windowSpeaksGerman() {
        UseLanguage(QStringLiteral("de_DE"));
        Editor editor;
        QCOMPARE(Captions(editor.Window.menuBar()->actions()).join('|'),
                 "&Datei|&Bearbeiten|&Hilfe");
        QCOMPARE(editor.Action("mnuFileSaveAs")->text(), "Speichern &unter...");
        QCOMPARE(editor.Action("mnuFileNew")->toolTip(), "Neu (Strg+N)");
        auto* tabs = editor.Window.findChild<QTabWidget*>("tabMain");
        QCOMPARE(tabs->tabText(0) + '|' + tabs->tabText(3), "&Symbole|&Vorschau");
        LauncherDocument& doc = editor.Window.Doc();
        QCOMPARE(doc.Items.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 "Beschreibung");
        QCOMPARE(doc.Props.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Wert");

        // A property edited: its prompt, and the step the Undo command then offers.
        editor.Dialogs.InputAnswers << QStringLiteral("Meine %1 Seite");
        editor.Window.lvProp_ItemClick(doc.Props.Find(QStringLiteral("Title")));
        QCOMPARE(editor.Dialogs.Prompts.last().Prompt, "Geben Sie den Fenstertitel ein:");
        QCOMPARE(editor.Action("mnuEditUndo")->text(),
                 "Rückgän&gig: Eigenschaft „Title“ bearbeiten");
        QCOMPARE(editor.Action("mnuEditUndo")->toolTip(),
                 "Rückgängig: Eigenschaft „Title“ bearbeiten (Strg+Z)");

        editor.Dialogs.MsgAnswers << MsgAnswer::No;
        editor.Window.mnuEditReset_Click();
        QCOMPARE(MessageLine(editor.Dialogs.Messages.last()),
                 "Question YesNo Eigenschaften zurücksetzen: Möchten Sie die Eigenschaften "
                 "wirklich zurücksetzen?");
    }

    // A file whose name looks like the message's own placeholders.
    void failureNamesTheFileAsItIs() {
        UseLanguage(QStringLiteral("de_DE"));
        const QString path = Folder.filePath(QStringLiteral("%2 und %1.qtf"));
        QVERIFY(TestFiles::Write(path, "QTFP\xff\xff\xff\xff"));
        Editor editor;
        editor.Dialogs.FileAnswers << path;
        editor.Window.mnuFileOpen_Click();
        const QString line = MessageLine(editor.Dialogs.Messages.last());
        QVERIFY2(line.startsWith("Critical OK Fehler beim Öffnen: Beim Öffnen der Datei „" + path +
                                 "“ ist ein Fehler aufgetreten - "),
                 qPrintable(line));
        QVERIFY2(line.endsWith(", 321"), qPrintable(line));
    }

    void composedMessagesKeepUserData_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Compose>("compose");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number") << "de_DE" << Compose([] {
            return *PropertyRules::NumberRefusal("%2", 1, 10, false);
        }) << "„%2“ ist keine Zahl, bitte versuchen Sie es noch einmal";
        QTest::newRow("text file key")
            << "de_DE" << Compose([] {
                   return ErrorOf([] { LauncherText::Parse("properties:\n  \"%2\": x\n"); });
               })
            << "Zeile 2: unbekannte Eigenschaft „%2“ (die Schlüssel sind P_TITLE, P_COLUMN und "
               "die übrigen einer Starterdatei)";
        QTest::newRow("text file value") << "fr_FR" << Compose([] {
            return ErrorOf(
                [] { LauncherText::Parse("sections:\n  - name: S\n    columns: \"%1%2\"\n"); });
        }) << "Ligne 3 : « columns » doit être un nombre de 1 à 100, pas « %1%2 »";
        QTest::newRow("page folder") << "de_DE" << Compose([] {
            return ErrorOf([] {
                LauncherDocument doc;
                PageBuild::WritePage(doc, "/no/such/%1/%2/page.htm");
            });
        }) << "Pfad nicht gefunden: der Ordner „/no/such/%1/%2“ existiert nicht";
        QTest::newRow("command line") << "fr_FR" << Compose([] {
            return BatchCommand::Parse({"--build", "a.qtf", "%1"}).Error;
        }) << "--build prend un seul fichier de lanceur, pas aussi « %1 »";
    }

    void composedMessagesKeepUserData() {
        QFETCH(QString, language);
        QFETCH(Compose, compose);
        QFETCH(QString, expected);
        UseLanguage(language);
        QCOMPARE(compose(), expected);
    }

    // Within one menu, and among the menu bar and the tabs, each access key leads to one place.
    void accessKeysStayApart_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de_DE";
        QTest::newRow("French") << "fr_FR";
    }

    void accessKeysStayApart() {
        QFETCH(QString, language);
        UseLanguage(language);
        Editor editor;
        QStringList top = Captions(editor.Window.menuBar()->actions());
        auto* tabs = editor.Window.findChild<QTabWidget*>("tabMain");
        for (int i = 0; i < tabs->count(); ++i)
            top << tabs->tabText(i);
        QCOMPARE(Clashes(top), QStringList());
        for (const QAction* menu : editor.Window.menuBar()->actions())
            QCOMPARE(Clashes(Captions(menu->menu()->actions())), QStringList());
    }

    // --help is answered before any window exists, the wrong line of a command without a
    // window before a file is read: both in the language of the environment.
    void commandLineSpeaksTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected"); // a line of the output, standard error after it
        QTest::newRow("help, German")
            << "de_DE.UTF-8" << QStringList{"--help"}
            << "Pflegt eine Starterdatei und erstellt daraus eine Startseite.";
        QTest::newRow("help, French")
            << "fr_FR.UTF-8" << QStringList{"--help"}
            << "Tient à jour un fichier de lanceur et en génère une page de lancement.";
        QTest::newRow("help, C") << "C.UTF-8" << QStringList{"--help"}
                                 << "Keeps a launcher file and builds it into a launcher page.";
        QTest::newRow("wrong line, German")
            << "de_DE.UTF-8" << QStringList{"--build"}
            << "Quintor Editor: --build braucht eine Starterdatei (.qtf oder .yaml) (siehe "
               "qtedit2 --help)";
    }

    void commandLineSpeaksTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANG", language);
        environment.insert("LC_ALL", language);
        editor.setProcessEnvironment(environment);
        editor.start(TestFiles::BinDir() + "/qtedit2", arguments);
        QVERIFY(editor.waitForFinished(60000));
        const QString output =
            QString::fromUtf8(editor.readAllStandardOutput() + editor.readAllStandardError());
        QVERIFY2(output.split('\n').contains(expected), qPrintable(output));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
