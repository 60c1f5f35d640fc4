#include "CodeFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace {
bool IsFixedPitch(const QFont& Font) {
    return QFontInfo(Font).fixedPitch();
}
} // namespace

QFont CodeFont() {
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    if (IsFixedPitch(courier))
        return courier;
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (IsFixedPitch(system))
        return system;
    for (const QString& family : QFontDatabase::families()) {
        QFont candidate(family);
        candidate.setPointSizeF(system.pointSizeF());
        if (QFontDatabase::isFixedPitch(family) && IsFixedPitch(candidate))
            return candidate;
    }
    return system;
}
