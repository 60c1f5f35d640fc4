#include "RawPack.h"

namespace {
quint32 GetU32(const QByteArray& Bytes, qint64 At) {
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.constData() + At);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24);
}
void AddU32(QByteArray& Bytes, quint32 Value) {
    for (int i = 0; i < 4; ++i)
        Bytes.append(char((Value >> (8 * i)) & 0xFF));
}
} // namespace

QByteArray RawPack::Build(const QVector<Entry>& Entries) {
    QByteArray out("QTFP");
    AddU32(out, quint32(Entries.size()));
    quint32 offset = quint32(8 + 16 * Entries.size());
    for (const Entry& e : Entries) {
        AddU32(out, offset);
        AddU32(out, quint32(e.Data.size()));
        out.append(e.Name.leftJustified(8, '\0', true));
        offset += quint32(e.Data.size());
    }
    for (const Entry& e : Entries)
        out.append(e.Data);
    return out;
}

std::optional<QVector<RawPack::Entry>> RawPack::Parse(const QByteArray& Bytes) {
    if (Bytes.size() < 8 || !Bytes.startsWith("QTFP"))
        return std::nullopt;
    const quint64 count = GetU32(Bytes, 4);
    if (8 + 16 * count > quint64(Bytes.size()))
        return std::nullopt;
    QVector<Entry> entries;
    for (quint64 i = 0; i < count; ++i) {
        const qint64 at = qint64(8 + 16 * i);
        Entry e;
        e.Offset = GetU32(Bytes, at);
        e.Length = GetU32(Bytes, at + 4);
        e.Name = Bytes.mid(at + 8, 8);
        while (e.Name.endsWith('\0'))
            e.Name.chop(1);
        if (quint64(e.Offset) + e.Length > quint64(Bytes.size()))
            return std::nullopt;
        e.Data = Bytes.mid(e.Offset, e.Length);
        entries.append(e);
    }
    return entries;
}
