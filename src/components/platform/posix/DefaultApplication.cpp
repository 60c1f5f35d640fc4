#include "DefaultApplication.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool OpenWithDefaultApplication(const QString& Target) {
    if (Target.isEmpty())
        return false;
    // A path that exists is a local file, even when it looks like "name:rest".
    const QUrl url = QFileInfo::exists(Target) ? QUrl::fromLocalFile(QFileInfo(Target).absoluteFilePath())
                                               : QUrl(Target, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}
