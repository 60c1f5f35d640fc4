#include "components/platform/BrowserEngine.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPalette>
#include <QtGlobal>
#include <unistd.h>

namespace {
const char FlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
const QByteArray DarkFlag = QByteArrayLiteral("--force-dark-mode");
} // namespace

void BrowserEngine::PrepareEnvironment() {
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
}

void BrowserEngine::FollowDesktopColourScheme() {
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    QByteArray flags = qgetenv(FlagsVariable);
    if (!dark || flags.split(' ').contains(DarkFlag))
        return;
    flags += (flags.isEmpty() ? "" : " ") + DarkFlag;
    qputenv(FlagsVariable, flags);
}
