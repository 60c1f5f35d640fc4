#include "BrowserEngine.h"

#include <QByteArray>
#include <QtGlobal>
#include <unistd.h>

void BrowserEngine::PrepareEnvironment() {
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
}
