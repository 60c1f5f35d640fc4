#include "ConfigStore.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/platform/FileSystem.h"

#include <QFileInfo>

const QString ConfigStore::NotFound = QStringLiteral("[NOT FOUND]");

namespace {

// An icon list of 10,000 programs is about 2 MB; a larger file is no list of ours.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// A value holding a line break (an icon source path may) would otherwise come back
// as several lines, one of which could pose as another key, such as a file to delete.
QString Escape(const QString& Value) {
    QString out;
    out.reserve(Value.size());
    for (const QChar c : Value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}

QString Unescape(QStringView Value) {
    QString out;
    out.reserve(Value.size());
    for (qsizetype i = 0; i < Value.size(); ++i) {
        const QChar c = Value[i];
        if (c != QLatin1Char('\\') || i + 1 == Value.size()) {
            out += c;
            continue;
        }
        const QChar next = Value[++i];
        out += next == QLatin1Char('r')   ? QChar(u'\r')
               : next == QLatin1Char('n') ? QChar(u'\n')
                                          : next;
    }
    return out;
}

} // namespace

void ConfigStore::ClearAll() {
    Keys.clear();
    Values.clear();
    ByValue.clear();
    ByFoldedValue.clear();
}

void ConfigStore::LoadFile(const QString& Path) {
    if (!QFileInfo::exists(Path))
        throw AppError(ConfigStore::tr("File not found"), ErrNo::FileNotFound);
    if (!FileSystem::IsRegularFile(Path))
        throw AppError(ConfigStore::tr("Path/File access error: the path is not a file"),
                       ErrNo::PathFileAccess);
    if (QFileInfo(Path).size() > MaxFileBytes)
        throw AppError(ConfigStore::tr("Path/File access error: the file is too large"),
                       ErrNo::PathFileAccess);
    const std::optional<QByteArray> bytes = FileSystem::ReadRegularFile(Path, MaxFileBytes);
    if (!bytes)
        throw AppError(ConfigStore::tr("Permission denied"), ErrNo::PermissionDenied);
    Load(QString::fromUtf8(*bytes), true);
}

void ConfigStore::LoadText(const QString& Text) {
    Load(Text, false);
}

void ConfigStore::Load(const QString& Text, bool Escaped) {
    ClearAll();
    qsizetype start = 0;
    const qsizetype size = Text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && Text[end] != QLatin1Char('\r') && Text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(Text).mid(start, end - start);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            SetValue(line.left(eq).toString(),
                     Escaped ? Unescape(line.mid(eq + 1)) : line.mid(eq + 1).toString());
        // A line ends in CR LF, LF or a lone CR.
        if (end < size && Text[end] == QLatin1Char('\r') && end + 1 < size &&
            Text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
}

QString ConfigStore::GetValue(const QString& Key) const {
    return Values.value(Key, NotFound);
}

void ConfigStore::SetValue(const QString& Key, const QString& Value) {
    auto it = Values.find(Key);
    if (it == Values.end()) {
        Keys.append(Key);
        Values.insert(Key, Value);
    } else {
        Unindex(Key, it.value());
        it.value() = Value;
    }
    Index(Key, Value);
}

void ConfigStore::IncrementCount(const QString& CountKey) {
    // Wide enough that a count read from a damaged file cannot overflow.
    SetValue(CountKey, QString::number(qint64(Values.value(CountKey).toInt()) + 1));
}

void ConfigStore::SetListValue(const QString& CountKey, const QString& Prefix,
                               const QString& Value) {
    SetValue(Prefix + QString::number(Values.value(CountKey).toInt()), Value);
}

int ConfigStore::FindListValue(const QString& CountKey, const QString& Prefix, const QString& Value,
                               bool IgnoreCase) const {
    const int n = Values.value(CountKey).toInt();
    const QStringList candidates =
        IgnoreCase ? ByFoldedValue.value(Value.toCaseFolded()) : ByValue.value(Value);
    int best = 0;
    for (const QString& key : candidates) {
        if (!key.startsWith(Prefix))
            continue;
        const QString digits = key.mid(Prefix.size());
        bool ok = false;
        const int k = digits.toInt(&ok);
        if (ok && k >= 1 && k <= n && QString::number(k) == digits && (best == 0 || k < best))
            best = k;
    }
    return best;
}

void ConfigStore::SaveToFile(const QString& Path) const {
    QByteArray text;
    for (const QString& key : Keys)
        text +=
            (key + QLatin1Char('=') + Escape(Values.value(key)) + QStringLiteral("\r\n")).toUtf8();
    WriteFileAtomically(Path, text);
}

void ConfigStore::Index(const QString& Key, const QString& Value) {
    ByValue[Value].append(Key);
    ByFoldedValue[Value.toCaseFolded()].append(Key);
}

void ConfigStore::Unindex(const QString& Key, const QString& Value) {
    ByValue[Value].removeOne(Key);
    ByFoldedValue[Value.toCaseFolded()].removeOne(Key);
}
