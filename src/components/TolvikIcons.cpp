#include "components/Tolvik.h"
#include "components/platform/IconSource.h"

namespace {
constexpr int LargeIconSize = 32;
constexpr int SmallIconSize = 16;
} // namespace

int Tolvik::PathCheck(const QString& Path) {
    return IconSource::IsIconLocation(Path) ? 1 : 0;
}

QImage Tolvik::LargeIcon(const QString& Path) {
    return IconSource::IconFor(Path, LargeIconSize);
}

QImage Tolvik::SmallIcon(const QString& Path) {
    return IconSource::IconFor(Path, SmallIconSize);
}

QImage Tolvik::IconOfSize(const QString& Path, int Size) {
    const QImage picture = IconSource::PictureFor(Path, Size);
    return picture.isNull() ? IconSource::IconFor(Path, Size) : picture;
}
