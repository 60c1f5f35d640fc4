#include "components/platform/BrowserEngine.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPalette>
#include <QtGlobal>
#include <unistd.h>

namespace {
const char FlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
const char AccessibilityVariable[] = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";
const QByteArray DarkFlag = QByteArrayLiteral("--force-dark-mode");
} // namespace

void BrowserEngine::PrepareEnvironment() {
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // Without it the engine shows a screen reader an empty document. A user who set it,
    // to anything, has decided.
    if (!qEnvironmentVariableIsSet(AccessibilityVariable))
        qputenv(AccessibilityVariable, QByteArray("1"));
}

void BrowserEngine::FollowDesktopColourScheme() {
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    QByteArray flags = qgetenv(FlagsVariable);
    if (!dark || flags.split(' ').contains(DarkFlag))
        return;
    flags += (flags.isEmpty() ? "" : " ") + DarkFlag;
    qputenv(FlagsVariable, flags);
}
