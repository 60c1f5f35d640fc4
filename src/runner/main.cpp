#include "BrowserPage.h"
#include "LaunchPort.h"
#include "QtUserDialogs.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    BrowserPage::RegisterSchemes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintor"));

    QtUserDialogs dialogs;
    SystemLaunchPort launch;
    frmMain window(dialogs, launch);
    dialogs.SetOwner(&window);
    window.show();
    window.Form_Load(app.arguments().mid(1));
    return app.exec();
}
