// The pack reader on arbitrary bytes: it either refuses them as damaged (321) or
// returns a directory that lies inside the bytes and survives a write and a read.
#include "AppError.h"
#include "PackStore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
    QVector<PackStore::Entry> entries;
    try {
        entries = PackStore::ParseDirectory(bytes);
    } catch (const AppError& e) {
        if (e.Number != ErrNo::BadFileFormat)
            std::abort();
        return 0;
    }
    for (PackStore::Entry& e : entries) {
        if (quint64(e.Offset) + e.Length > Size || e.Name.size() != 8)
            std::abort();
        e.Data = QString::fromUtf8(bytes.constData() + e.Offset, e.Length);
    }
    // What was read is written again and read back unchanged.
    const QByteArray again = PackStore::Serialize(entries);
    const QVector<PackStore::Entry> reread = PackStore::ParseDirectory(again);
    if (reread.size() != entries.size())
        std::abort();
    for (int i = 0; i < reread.size(); ++i) {
        const PackStore::Entry& e = reread[i];
        if (e.Name != entries[i].Name ||
            QString::fromUtf8(again.constData() + e.Offset, e.Length) != entries[i].Data)
            std::abort();
    }
    return 0;
}
