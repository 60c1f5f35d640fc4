#include "InfoBlock.h"

#include "components/ConfigStore.h"
#include "components/platform/FileSystem.h"
#include <cmath>

namespace {
const QString StartMarker = QStringLiteral("<!-- Quintor info:\r\n");
const QString EndMarker = QStringLiteral("\r\n-->");

// Larger than any screen; a window system refuses such sizes anyway.
constexpr int MaxPixels = 32767;

// A page of 10,000 items is about 4 MB. A larger file is no page the editor wrote, and
// reading it would hold three times its size while its block is looked for.
constexpr qint64 MaxPageBytes = 64 * 1024 * 1024;
} // namespace

QString InfoBlock::BlockText(const QString& PageText) {
    QString text = PageText;
    const qsizetype start = text.indexOf(StartMarker);
    if (start >= 0)
        text.remove(0, start);
    text.remove(StartMarker);
    const qsizetype end = text.indexOf(EndMarker);
    if (end < 0)
        return QString();
    // Up to and including the end marker's carriage return.
    return text.left(end + 1);
}

QString InfoBlock::ReadBlock(const QString& Path) {
    const std::optional<QByteArray> page = FileSystem::ReadRegularFile(Path, MaxPageBytes);
    return page ? BlockText(QString::fromUtf8(*page)) : QString();
}

std::optional<int> InfoBlock::ParsePixels(const QString& Value) {
    QString text = Value.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const long long pixels = std::llround(number);
    if (pixels <= 0 || pixels > MaxPixels)
        return std::nullopt;
    return static_cast<int>(pixels);
}

InfoBlock::Settings InfoBlock::Read(const ConfigStore& CF) {
    Settings s;
    s.Closable = CF.GetValue(QStringLiteral("Closable")) != QLatin1String("False");
    s.ExtraCommands = CF.GetValue(QStringLiteral("Extra commands")) != QLatin1String("False");
    s.Height = ParsePixels(CF.GetValue(QStringLiteral("Height")));
    s.Width = ParsePixels(CF.GetValue(QStringLiteral("Width")));
    const QString icon = CF.GetValue(QStringLiteral("Icon"));
    if (icon != ConfigStore::NotFound)
        s.IconPath = icon;
    s.StartMaximised = CF.GetValue(QStringLiteral("Start maximised")) == QLatin1String("True");
    return s;
}
