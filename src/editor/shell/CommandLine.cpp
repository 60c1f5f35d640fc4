#include "CommandLine.h"

QString EditorCommandLinePath(const QStringList& Arguments) {
    QString path = Arguments.join(QLatin1Char(' '));
    path.remove(QLatin1Char('"'));
    return path;
}
