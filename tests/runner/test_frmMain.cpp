#include "RunnerPages.h"
#include "RunnerTestMain.h"
#include "ScriptedUserDialogs.h"
#include "frmMain.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

using namespace RunnerPages;

// The runner's window: start-up, the info block applied, layout and close protection.
class TestFrmMain : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    ScriptedUserDialogs Dialogs;
    RecordingLaunchPort Port;

    QString PageWith(const QString& Name, const QStringList& Info) {
        const QString path = Dir.filePath(Name);
        return WritePage(path, Page(Name, {}, Info)) ? path : QString();
    }

    std::unique_ptr<frmMain> Shown() {
        auto window = std::make_unique<frmMain>(Dialogs, Port);
        window->show();
        return window;
    }

private slots:
    void startUp_data() {
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("CurFile");
        const QString spaced = Dir.filePath(QStringLiteral("My Page.htm"));
        QTest::newRow("no argument") << QStringList() << "";
        QTest::newRow("missing file") << QStringList{"/no/such.htm"} << "";
        QTest::newRow("quoted, with a blank")
            << QStringList{"\"" + spaced.section(' ', 0, 0), spaced.section(' ', 1) + "\""}
            << spaced;
        QTest::newRow("quotes inside") << QStringList{QString(spaced).replace("My", "M\"y\"")}
                                       << Dir.filePath(QStringLiteral("My Page.htm"));
    }
    void startUp() {
        QFETCH(QStringList, Arguments);
        QFETCH(QString, CurFile);
        QVERIFY(!PageWith(QStringLiteral("My Page.htm"), {"Height=300", "Width=400"}).isEmpty());
        auto window = Shown();
        window->Form_Load(Arguments);
        QCOMPARE(window->CurFile(), CurFile);
        QVERIFY(!window->Start);
        QVERIFY(window->APath.endsWith('/'));
        if (CurFile.isEmpty()) {
            QCOMPARE(window->size(), QSize(455, 421));
            QVERIFY(!window->txtEC->isHidden());
            QTRY_COMPARE(window->windowTitle(), QStringLiteral("Welcome! - Quintor"));
        } else {
            QCOMPARE(window->frameGeometry().size(), QSize(400, 300));
        }
    }

    void layoutFollowsTheBox() {
        auto window = Shown();
        window->ProcInfo(PageWith(QStringLiteral("box.htm"), {}));
        const int client = window->height();
        const int status = window->stat->height();
        QCOMPARE(window->stat->geometry().bottom(), client - 1);
        QCOMPARE(window->txtEC->geometry().bottom(), window->stat->y() - 1);
        QCOMPARE(window->WB->height(), client - status - window->txtEC->height());
        QCOMPARE(window->WB->width(), window->width());

        window->ProcInfo(PageWith(QStringLiteral("nobox.htm"), {"Extra commands=False"}));
        QVERIFY(window->txtEC->isHidden());
        QVERIFY(!window->txtEC->isEnabled());
        QCOMPARE(window->WB->height(), client - status);

        window->ProcInfo(PageWith(QStringLiteral("box again.htm"), {"Extra commands=false"}));
        QVERIFY(!window->txtEC->isHidden() && window->txtEC->isEnabled());
    }

    void closeProtection() {
        auto window = Shown();
        window->ProcInfo(PageWith(QStringLiteral("locked.htm"), {"Closable=False"}));
        QVERIFY(!window->ReadyToClose);
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        // Read twice: the same window.
        window->ProcInfo(Dir.filePath(QStringLiteral("locked.htm")));
        QVERIFY(!window->close());

        window->ProcInfo(PageWith(QStringLiteral("open.htm"), {"Closable=false"}));
        QVERIFY(window->ReadyToClose);
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint)); // never given back
        QVERIFY(window->close());
    }

    void sizeAndMaximisedStart() {
        auto window = Shown();
        window->ProcInfo(PageWith(QStringLiteral("sized.htm"), {"Height=300", "Width=400"}));
        QCOMPARE(window->frameGeometry().size(), QSize(400, 300));
        // Missing or unusable sizes leave the window as it is.
        window->ProcInfo(PageWith(QStringLiteral("unsized.htm"), {"Height=abc"}));
        QCOMPARE(window->frameGeometry().size(), QSize(400, 300));

        window->ProcInfo(PageWith(QStringLiteral("max.htm"),
                                  {"Height=200", "Start maximised=True", "Width=250"}));
        QVERIFY(window->isMaximized());
        window->ToggleMaximise();
        QTRY_VERIFY(!window->isMaximized());
        // The height came before maximising, the width after it and was not applied.
        QTRY_COMPARE(window->frameGeometry().size(), QSize(400, 200));

        window->ProcInfo(PageWith(QStringLiteral("lower.htm"), {"Start maximised=true"}));
        QVERIFY(!window->isMaximized());
        window->Minimise();
        window->ToggleMaximise();
        QVERIFY(window->isMaximized() && !window->isMinimized());
    }

    void icon() {
        auto window = Shown();
        const QImage standard = window->windowIcon().pixmap(16).toImage();
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const QString iconFile = Dir.filePath(QStringLiteral("Icon1.png"));
        QVERIFY(red.save(iconFile));

        window->ProcInfo(PageWith(QStringLiteral("icon.htm"), {"Icon=" + iconFile}));
        QCOMPARE(window->windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
        window->ProcInfo(PageWith(QStringLiteral("badicon.htm"), {"Icon=/no/such.ico"}));
        QCOMPARE(window->windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
        window->ProcInfo(PageWith(QStringLiteral("noicon.htm"), {}));
        QCOMPARE(window->windowIcon().pixmap(16).toImage(), standard);
        QVERIFY(!standard.isNull());
    }

    void openDialog() {
        auto window = Shown();
        Dialogs.FileAnswers = {std::nullopt};
        window->OpenDialog();
        QCOMPARE(window->CurFile(), QString());
        const QString page = PageWith(QStringLiteral("chosen.htm"), {"Height=260", "Width=300"});
        Dialogs.FileAnswers = {page};
        window->OpenDialog();
        QCOMPARE(window->CurFile(), page);
        QCOMPARE(window->frameGeometry().size(), QSize(300, 260));
        const FileDialogRequest request = Dialogs.FileRequests.last();
        QCOMPARE(request.Title, QStringLiteral("Open a Quintor File"));
        QCOMPARE(request.Filter,
                 QStringLiteral("HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*"));
        QVERIFY(request.MustExist);
        Dialogs.FileAnswers = {std::nullopt};
        window->OpenDialog();
        QCOMPARE(Dialogs.FileRequests.last().FileName, page); // starts where it left off
        QCOMPARE(window->CurFile(), page);
    }
};

RUNNER_TEST_MAIN(TestFrmMain)

#include "test_frmMain.moc"
