// The pack reader on arbitrary bytes: it either refuses them as damaged (321) or returns
// a directory that lies inside the bytes, whose entries decoded together are no longer
// than the bytes themselves (entries sharing data would multiply a small file).
#include "components/AppError.h"
#include "components/PackStore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    try {
        const QByteArray bytes =
            QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
        quint64 decoded = 0;
        for (const PackStore::Entry& e : PackStore::ParseDirectory(bytes)) {
            if (quint64(e.Offset) + e.Length > Size || e.Name.size() != 8)
                std::abort();
            decoded += QString::fromUtf8(bytes.constData() + e.Offset, e.Length).size();
        }
        if (decoded > Size)
            std::abort();
    } catch (const AppError& e) {
        if (e.Number != ErrNo::BadFileFormat)
            std::abort();
    }
    return 0;
}
