#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVariant>
#include <QVector>

// The pack file: a counted sequence of named entries behind the signature "QTFP".
// Layout (little-endian): "QTFP"; u32 entry count; count records of
// (u32 data offset from file start, u32 data length, 8-byte NUL-padded ASCII name);
// then the data blocks. Names are ASCII, data UTF-8.
//
// Field numbers: header (index 0) field 1 = entry count; entry (index >= 1)
// fields 1, 2 = data offset and length, field 3 = name (NUL-padded to 8 bytes as
// stored), field 5 = data text.
//
// Failures throw AppError: 53 missing file, 70 file locked by another program,
// 75 other access errors, 321 damaged or foreign file, 61 disk full.
class PackStore {
    Q_DECLARE_TR_FUNCTIONS(PackStore)

public:
    static constexpr char Signature[] = "QTFP";

    struct Entry {
        QByteArray Name; // as stored, NUL-padded to 8 bytes
        quint32 Offset = 0;
        quint32 Length = 0;
        QString Data; // entry data to write (field 5)
    };

    // Reads the file's directory (and keeps its bytes) so that PackGetField and
    // PackReadData answer for it. Checks everything before it allocates; entries whose
    // data overlap make the file damaged, so all data together is never larger than
    // the file.
    void PackOpen(const QString& Path);
    QVariant PackGetField(qint32 Field, qint32 Index) const;
    // The data of one entry of the file opened last (read from the file itself when
    // Path names another file).
    QString PackReadData(const QString& Path, const QVariant& Offset, const QVariant& Length,
                         bool Flag) const;

    void PackSetField(const QVariant& Value, qint32 Field, qint32 Index);
    // Replaces the file at Path atomically: the old file stays whole when any write fails.
    void PackWrite(const QString& Path) const;

    static bool PackFileExists(const QString& Path);
    // A text file of at most 64 MB (a built page); a larger one is refused as 321.
    static QString PackReadTextFile(const QString& Path);

    // Byte-level form, for tests and tools: the directory parsed from the bytes of a
    // whole pack file (throws AppError 321 when damaged), and the bytes of a pack.
    static QVector<Entry> ParseDirectory(const QByteArray& Bytes);
    static QByteArray Serialize(const QVector<Entry>& Entries);

private:
    static QByteArray SerializeRange(const Entry* Entries, qsizetype Count);

    QString OpenedPath;
    QByteArray OpenedBytes;
    QVector<Entry> Opened;  // directory of the file opened last
    QVector<Entry> ToWrite; // entries 1..count set for writing (index 0 unused)
    qint32 WriteCount = 0;
};
