// The key/value reader on arbitrary text (an info block from any page): every line's key is
// found, and no value keeps a line-break character.
#include "components/ConfigStore.h"

#include <QRegularExpression>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
    ConfigStore store;
    store.LoadText(text);
    static const QRegularExpression lineEnd("\r\n|\r|\n");
    for (const QString& line : text.split(lineEnd)) {
        const QString value = store.GetValue(line.section('=', 0, 0));
        if (line.indexOf('=') > 0 &&
            (value == ConfigStore::NotFound || value.contains('\r') || value.contains('\n')))
            std::abort();
    }
    return 0;
}
