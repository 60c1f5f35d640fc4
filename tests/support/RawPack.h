#pragma once

#include <QByteArray>
#include <QVector>
#include <optional>

// A pack file read and written byte by byte, independently of PackStore, so that
// tests check the layout itself rather than the store agreeing with itself.
namespace RawPack {
struct Entry {
    QByteArray Name; // without the NUL padding
    QByteArray Data;
    quint32 Offset = 0;
    quint32 Length = 0;
};
// "QTFP", u32 count, count x (u32 offset, u32 length, 8-byte name), data; little-endian.
QByteArray Build(const QVector<Entry>& Entries);
// Empty optional when the bytes do not hold a sound pack.
std::optional<QVector<Entry>> Parse(const QByteArray& Bytes);
} // namespace RawPack
