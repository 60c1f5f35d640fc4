#pragma once

#include <QBuffer>
#include <QDataStream>
#include <QVector>

// A pack file built byte by byte, independently of PackStore, so that tests check the layout
// itself: "QTFP", u32 count, count x (u32 offset, u32 length, 8-byte name), data;
// little-endian.
namespace RawPack {
struct Entry {
    QByteArray Name; // without the NUL padding
    QByteArray Data{};
};

// Shared: every entry names the first one's data, which the file holds once (a damaged file).
inline QByteArray Build(const QVector<Entry>& Entries, bool Shared = false) {
    QByteArray out("QTFP"), data;
    QDataStream s(&out, QIODevice::Append);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(Entries.size());
    for (const Entry& e : Entries) {
        s << quint32(8 + 16 * Entries.size() + (Shared ? 0 : data.size()))
          << quint32(e.Data.size());
        s.writeRawData(e.Name.leftJustified(8, '\0', true).constData(), 8);
        if (!Shared || data.isEmpty())
            data += e.Data;
    }
    return out + data;
}

// Entry I as the directory of a sound file describes it.
inline Entry Record(const QByteArray& Bytes, int I) {
    QDataStream s(Bytes.mid(8 + 16 * I, 8));
    s.setByteOrder(QDataStream::LittleEndian);
    quint32 offset = 0, length = 0;
    s >> offset >> length;
    return {QByteArray(Bytes.mid(16 + 16 * I, 8).constData()), Bytes.mid(offset, length)};
}
} // namespace RawPack
