// The main window's start-up, File commands and close, driven through the real window
// with scripted dialogs.
#include "EditorWindowFixture.h"
#include "FileLock.h"
#include "ScriptedUserDialogs.h"
#include "TestFiles.h"
#include "frmQTE.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace EditorWindowFixture;

namespace {
const QString Filter = QStringLiteral("Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*");
const QString NewQuestion =
    QStringLiteral("The file 'New File 1'  has changed.  Do you want to save the changes?");
} // namespace

class TestFrmQTEFile : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Path(const QString& Name) const { return Dir.filePath(Name); }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid());
        qputenv("TEMP", Dir.path().toLocal8Bit());
    }

    void startup_data() {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<int>("RowCount");
        QTest::addColumn<QString>("MessageStart");

        const QString spaced = Path(QStringLiteral("my tools.qtf"));
        WriteLauncherFile(spaced, QStringLiteral("SII"), QStringLiteral("My Tools"));
        const QString opened =
            QStringLiteral("My Tools (") + spaced + QStringLiteral(") - Quintor Editor");
        QTest::newRow("quoted path with a blank")
            << QStringList{'"' + spaced + '"'} << opened << 3 << "";
        QTest::newRow("path split at the blank")
            << QStringList{Path(QStringLiteral("my")), QStringLiteral("tools.qtf")} << opened << 3
            << "";
        QTest::newRow("quotes inside the path")
            << QStringList{Path(QStringLiteral("\"my tools\".qtf"))} << opened << 3 << "";
        QTest::newRow("no argument") << QStringList{} << "New File 1 - Quintor Editor" << 0 << "";
        QTest::newRow("names no file") << QStringList{Path(QStringLiteral("missing.qtf"))}
                                       << "New File 1 - Quintor Editor" << 0 << "";
        QTest::newRow("names a folder")
            << QStringList{Dir.path()} << "New File 1 - Quintor Editor" << 0 << "";

        const QString damaged = Path(QStringLiteral("damaged.qtf"));
        QVERIFY(TestFiles::Write(damaged, QByteArray("QTFP\xff\xff\xff\x7f", 8)));
        QTest::newRow("damaged file")
            << QStringList{damaged} << "New File 2 - Quintor Editor" << 0
            << "An error occurred when attempting to open the file '" + damaged + "' - ";
    }
    void startup() {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, Caption);
        QFETCH(int, RowCount);
        QFETCH(QString, MessageStart);

        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load(Arguments);
        QCOMPARE(window.windowTitle(), Caption);
        QCOMPARE(window.Doc().Items.Count(), RowCount);
        QVERIFY(window.isVisible());
        QVERIFY(!window.Doc().Changed);
        if (MessageStart.isEmpty()) {
            QVERIFY(dialogs.Messages.isEmpty());
        } else {
            QCOMPARE(dialogs.Messages.size(), 1);
            const auto message = dialogs.LastMessage();
            QVERIFY2(message.Text.startsWith(MessageStart), qPrintable(message.Text));
            QVERIFY(message.Text.endsWith(QStringLiteral(", 321")));
            QCOMPARE(message.Title, QStringLiteral("Open Error"));
            QCOMPARE(message.Icon, MsgIcon::Critical);
            QCOMPARE(window.Doc().ReadProp(QStringLiteral("Title"), true),
                     QStringLiteral("New File 2"));
            QVERIFY(window.Doc().CurFile.isEmpty());
        }
        if (RowCount > 0) {
            QCOMPARE(window.CurrentTab(), 0);
            QCOMPARE(window.SelectedRow(), 1);
            // The file is the document's now: nobody else may take it.
            FileLock other;
            QVERIFY(!other.Take(window.Doc().CurFile));
        }
    }

    void unsavedQuestion_data() {
        QTest::addColumn<bool>("FromFile");
        QTest::addColumn<QString>("Question");
        const QString saved = Path(QStringLiteral("question.qtf"));
        WriteLauncherFile(saved, QStringLiteral("I"), QStringLiteral("Tools"));
        QTest::newRow("new document") << false << NewQuestion;
        QTest::newRow("saved document")
            << true
            << "The file 'Tools' ('" + saved + "') has changed.  Do you want to save the changes?";
    }
    void unsavedQuestion() {
        QFETCH(bool, FromFile);
        QFETCH(QString, Question);
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load(FromFile ? QStringList{Path(QStringLiteral("question.qtf"))}
                                  : QStringList{});
        window.Doc().Changed = true;
        dialogs.MsgAnswers << MsgAnswer::Cancel;
        window.mnuFileNew_Click();
        QCOMPARE(dialogs.Messages.size(), 1);
        QCOMPARE(dialogs.LastMessage().Text, Question);
        QCOMPARE(dialogs.LastMessage().Title, QStringLiteral("Quintor Editor"));
        QCOMPARE(dialogs.LastMessage().Buttons, MsgButtons::YesNoCancel);
        QCOMPARE(dialogs.LastMessage().Icon, MsgIcon::Question);
    }

    // Yes saves first (a new document through Save As), No discards, Cancel abandons;
    // a Save As that is cancelled abandons the command too and keeps the changes.
    void unsavedAnswers_data() {
        QTest::addColumn<QString>("Command");
        QTest::addColumn<MsgAnswer>("Answer");
        QTest::addColumn<QString>("SaveAsName"); // empty: the Save As dialog is cancelled
        QTest::addColumn<bool>("GoesOn");
        for (const char* command : {"New", "Open", "Close"}) {
            const QString c = QLatin1String(command);
            QTest::addRow("%s, Yes, saved", command) << c << MsgAnswer::Yes << c + ".qtf" << true;
            QTest::addRow("%s, Yes, Save As cancelled", command)
                << c << MsgAnswer::Yes << "" << false;
            QTest::addRow("%s, No", command) << c << MsgAnswer::No << "" << true;
            QTest::addRow("%s, Cancel", command) << c << MsgAnswer::Cancel << "" << false;
        }
    }
    void unsavedAnswers() {
        QFETCH(QString, Command);
        QFETCH(MsgAnswer, Answer);
        QFETCH(QString, SaveAsName);
        QFETCH(bool, GoesOn);

        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        window.Doc().Items.ReplaceAll(Rows(QStringLiteral("II")));
        window.Doc().Changed = true;
        dialogs.MsgAnswers << Answer;
        if (Answer == MsgAnswer::Yes)
            dialogs.FileAnswers << (SaveAsName.isEmpty()
                                        ? std::nullopt
                                        : std::optional<QString>(Path(SaveAsName)));
        dialogs.FileAnswers << std::nullopt; // the Open dialog, when it comes, is cancelled

        bool wentOn = false;
        if (Command == QLatin1String("New")) {
            window.mnuFileNew_Click();
            wentOn = window.windowTitle() == QLatin1String("New File 2 - Quintor Editor");
            QCOMPARE(window.Doc().Items.Count(), wentOn ? 0 : 2);
        } else if (Command == QLatin1String("Open")) {
            window.mnuFileOpen_Click();
            wentOn = !dialogs.FileRequests.isEmpty() &&
                     dialogs.FileRequests.last().Title == QLatin1String("Open a Quintor File");
        } else {
            wentOn = window.close();
            QCOMPARE(window.isVisible(), !wentOn);
        }
        QCOMPARE(wentOn, GoesOn);
        if (Answer == MsgAnswer::Yes) {
            QCOMPARE(dialogs.FileRequests.first().Title, QStringLiteral("Save the Quintor File"));
            QCOMPARE(window.Doc().Changed, SaveAsName.isEmpty());
            if (!SaveAsName.isEmpty())
                QVERIFY(QFile::exists(Path(SaveAsName)));
        }
        if (Answer == MsgAnswer::Cancel)
            QVERIFY(window.Doc().Changed);
        QCOMPARE(dialogs.Messages.size(), 1); // the question, and no error
    }

    void closeRemovesPreviewEvenWhenCancelled_data() {
        QTest::addColumn<MsgAnswer>("Answer");
        QTest::newRow("close cancelled") << MsgAnswer::Cancel;
        QTest::newRow("changes discarded") << MsgAnswer::No;
    }
    void closeRemovesPreviewEvenWhenCancelled() {
        QFETCH(MsgAnswer, Answer);
        const QString preview = Path(QStringLiteral("QTE.htm"));
        QVERIFY(TestFiles::Write(preview, "<html></html>"));
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        window.Doc().Changed = true;
        dialogs.MsgAnswers << Answer;
        QCOMPARE(window.close(), Answer != MsgAnswer::Cancel);
        QVERIFY(!QFile::exists(preview));
    }

    void closeReleasesTheFile() {
        const QString file = Path(QStringLiteral("held.qtf"));
        WriteLauncherFile(file, QStringLiteral("I"), QStringLiteral("Held"));
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({file});
        FileLock other;
        QVERIFY(!other.Take(file));
        QVERIFY(window.close());
        QVERIFY(other.Take(file));
    }

    void openCommand() {
        const QString file = Path(QStringLiteral("open.qtf"));
        WriteLauncherFile(file, QStringLiteral("ISI"), QStringLiteral("Opened"));
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        window.ShowTab(1);
        dialogs.FileAnswers << file;
        window.mnuFileOpen_Click();

        const FileDialogRequest request = dialogs.FileRequests.value(0);
        QCOMPARE(request.Title, QStringLiteral("Open a Quintor File"));
        QCOMPARE(request.Filter, Filter);
        QVERIFY(request.FileName.isEmpty());
        QVERIFY(!request.Save);
        QVERIFY(request.MustExist);
        QCOMPARE(window.Doc().Items.Count(), 3);
        QCOMPARE(window.windowTitle(), "Opened (" + file + ") - Quintor Editor");
        QCOMPARE(window.CurrentTab(), 0);
        QVERIFY(!window.Doc().Changed);
        QVERIFY(dialogs.Messages.isEmpty());
    }

    void openErrorKeepsTheDocument() {
        const QString damaged = Path(QStringLiteral("short.qtf"));
        QVERIFY(TestFiles::Write(damaged, "QTF"));
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        window.Doc().Items.ReplaceAll(Rows(QStringLiteral("II")));
        dialogs.FileAnswers << damaged;
        window.mnuFileOpen_Click();
        QCOMPARE(dialogs.Messages.size(), 1);
        QVERIFY(dialogs.LastMessage().Text.startsWith(
            "An error occurred when attempting to open the file '" + damaged + "' - "));
        QCOMPARE(dialogs.LastMessage().Title, QStringLiteral("Open Error"));
        QCOMPARE(window.Doc().Items.Count(), 2);
        QCOMPARE(window.windowTitle(), QStringLiteral("New File 1 - Quintor Editor"));
    }

    void saveGoesToSaveAsUntilTheDocumentHasAFile() {
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        window.Doc().Items.ReplaceAll(Rows(QStringLiteral("SI")));
        window.Doc().Changed = true;
        const QString file = Path(QStringLiteral("saved.qtf"));
        dialogs.FileAnswers << file;
        window.mnuFileSave_Click();

        QCOMPARE(dialogs.FileRequests.size(), 1);
        const FileDialogRequest request = dialogs.FileRequests.first();
        QCOMPARE(request.Title, QStringLiteral("Save the Quintor File"));
        QCOMPARE(request.Filter, Filter);
        QVERIFY(request.Save);
        QVERIFY(request.ConfirmOverwrite);
        QVERIFY(!window.Doc().Changed);
        QCOMPARE(window.windowTitle(), "New File 1 (" + file + ") - Quintor Editor");

        // Now it has a file: Save writes there without asking.
        window.Doc().Items.ReplaceAll(Rows(QStringLiteral("SII")));
        window.Doc().Changed = true;
        window.mnuFileSave_Click();
        QCOMPARE(dialogs.FileRequests.size(), 1);
        QVERIFY(!window.Doc().Changed);
        QVERIFY(window.close());
        LauncherDocument reread;
        LauncherFile::OpenFile(reread, file, false);
        QCOMPARE(reread.Items.Count(), 3);
    }

    void saveAsError() {
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        window.Doc().Changed = true;
        const QString file = Path(QStringLiteral("no such folder/x.qtf"));
        dialogs.FileAnswers << file;
        window.mnuFileSaveAs_Click();
        QCOMPARE(dialogs.Messages.size(), 1);
        QVERIFY2(dialogs.LastMessage().Text.startsWith(
                     "An error occurred when attempting to save the file '" + file + "' - "),
                 qPrintable(dialogs.LastMessage().Text));
        QCOMPARE(dialogs.LastMessage().Title, QStringLiteral("Save Error"));
        QCOMPARE(dialogs.LastMessage().Icon, MsgIcon::Critical);
        QVERIFY(window.Doc().Changed);
        QVERIFY(window.Doc().CurFile.isEmpty());
    }

    void newResetsTheDocument() {
        const QString file = Path(QStringLiteral("before-new.qtf"));
        WriteLauncherFile(file, QStringLiteral("II"), QStringLiteral("Before"));
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({file});
        window.Doc().WriteProp(QStringLiteral("Header HTML"), QStringLiteral("<b>Head</b>"));
        window.ShowTab(2);
        window.mnuFileNew_Click();
        window.mnuFileNew_Click();

        QCOMPARE(window.windowTitle(), QStringLiteral("New File 3 - Quintor Editor"));
        QCOMPARE(window.Doc().ReadProp(QStringLiteral("Title"), true),
                 QStringLiteral("New File 3"));
        QVERIFY(window.Doc().ReadProp(QStringLiteral("Header HTML")).isEmpty());
        QCOMPARE(window.Doc().Items.Count(), 0);
        QVERIFY(window.Doc().CurFile.isEmpty());
        QCOMPARE(window.CurrentTab(), 0);
        FileLock other;
        QVERIFY(other.Take(file));
    }
};

QTEST_MAIN(TestFrmQTEFile)
#include "test_frmQTE_file.moc"
