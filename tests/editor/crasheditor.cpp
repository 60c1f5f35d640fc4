// An editor for the crash test: opens the launcher file it is given, changes it as a user
// would, waits until its recovery copy is on the disk, writes the document it holds to
// the second path and says "ready"; then it runs until it is killed.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/LauncherFile.h"
#include "document/RecoveryStore.h"
#include "shell/frmQTE.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3)
        return 2;
    ScriptedUserDialogs dialogs;
    frmQTE window(&dialogs);
    window.Form_Load({args[1]});
    LauncherDocument& doc = window.Doc();
    window.SelectRow(1);
    window.mnuEditCopy_Click();
    doc.Items.setData(doc.Items.index(0, 0), QStringLiteral("Unsaved name"), Qt::EditRole);
    dialogs.InputAnswers << QStringLiteral("Unsaved title");
    window.lvProp_ItemClick(doc.Props.Find(QStringLiteral("Title")));

    QElapsedTimer waited;
    waited.start();
    while (QDir(RecoveryStore::DefaultFolder())
               .entryList({QStringLiteral("*.qtf")}, QDir::Files)
               .isEmpty()) {
        if (waited.elapsed() > 30000)
            return 3;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    LauncherFile::WriteCopy(doc, args[2]);
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
