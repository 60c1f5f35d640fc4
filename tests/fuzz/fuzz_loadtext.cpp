// The key/value reader on arbitrary text (an info block from any page): it never fails,
// every line's key is found, and no value keeps a line-break character.
#include "components/ConfigStore.h"

#include <QRegularExpression>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
    ConfigStore store;
    store.LoadText(text);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineEnd)) {
        const QString value = store.GetValue(line.section(QLatin1Char('='), 0, 0));
        if (line.indexOf(QLatin1Char('=')) > 0 &&
            (value == ConfigStore::NotFound || value.contains(QLatin1Char('\r')) ||
             value.contains(QLatin1Char('\n'))))
            std::abort();
    }
    return 0;
}
