#include "components/platform/FileKinds.h"

#include "components/UserDialogs.h"

#include <QCoreApplication>

namespace {
// A label in the user's language before patterns that stay as they are.
QString Kind(const char* Label, const QString& Patterns, bool ShowPatterns) {
    const QString label = QCoreApplication::translate("FileKinds", Label);
    return (ShowPatterns ? label + QStringLiteral(" (") + Patterns + QLatin1Char(')') : label) +
           QLatin1Char('|') + Patterns + QLatin1Char('|');
}

const QString IconPatterns = QStringLiteral("*.png;*.svg;*.xpm;*.ico");
} // namespace

// Programs here carry no extension: they are the executable files, and the desktop
// entries that name them.
QString FileKinds::ProgramsFilter() {
    return Kind(QT_TRANSLATE_NOOP("FileKinds", "Programs and Desktop Entries"),
                ExecutableFilesPattern + QStringLiteral(";*.desktop"), false) +
           Kind(QT_TRANSLATE_NOOP("FileKinds", "Programs"), ExecutableFilesPattern, false) +
           Kind(QT_TRANSLATE_NOOP("FileKinds", "Desktop Entries"), QStringLiteral("*.desktop"),
                true);
}

QString FileKinds::IconsFilter() {
    return Kind(QT_TRANSLATE_NOOP("FileKinds", "All Icons"),
                IconPatterns + QStringLiteral(";*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif"), true) +
           IconFilesFilter() +
           Kind(QT_TRANSLATE_NOOP("FileKinds", "Bitmap Image"), QStringLiteral("*.bmp"), true) +
           Kind(QT_TRANSLATE_NOOP("FileKinds", "GIF Image"), QStringLiteral("*.gif"), true) +
           Kind(QT_TRANSLATE_NOOP("FileKinds", "JPEG Images"),
                QStringLiteral("*.jpg;*.jpeg;*.jpe;*.jfif"), true);
}

QString FileKinds::IconFilesFilter() {
    return Kind(QT_TRANSLATE_NOOP("FileKinds", "Icon"), IconPatterns, true);
}
