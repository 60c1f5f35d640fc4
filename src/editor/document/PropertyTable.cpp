#include "PropertyTable.h"

#include <QHash>

namespace {
const PropertyTable::Definition Table[PropertyTable::Count] = {
    {"P_BACK_C", "Background colour", ""},
    {"P_BACK_P", "Background picture", ""},
    {"P_CLOSE", "Closable", "True"},
    {"P_COLUMN", "Columns", "5"},
    {"P_EC", "Extra commands", "True"},
    {"P_FONT", "Font", ""},
    {"P_FONT_B", "Font bold", "False"},
    {"P_FONT_I", "Font italic", "False"},
    {"P_FONT_Z", "Font size", ""},
    {"P_FONT_S", "Font strikethrough", "False"},
    {"P_FONT_U", "Font underline", "False"},
    {"P_FOOTER", "Footer HTML", ""},
    {"P_HEADER", "Header HTML", ""},
    {"P_HEIGHT", "Height", "412"},
    {"P_ICON", "Icon", ""},
    {"P_ICON_Z", "Icon size", "32"},
    {"P_SHOW_E", "Show exit command", "False"},
    {"P_SHOW_D", "Show edit command", "False"},
    {"P_SHOW_X", "Show maximise command", "False"},
    {"P_SHOW_N", "Show minimise command", "False"},
    {"P_SHOW_O", "Show open command", "False"},
    {"P_MAX", "Start maximised", "False"},
    {"P_TABL_B", "Table border", "False"},
    {"P_TEXT_C", "Text colour", ""},
    {"P_TITLE", "Title", ""}, // "New File " + NextNew, built at call time
    {"P_WIDTH", "Width", "492"},
    {"P_LINK_C", "Link colour", ""},
    {"P_LINK_V", "Link visited colour", ""},
    {"P_LINK_A", "Link active colour", ""},
    {"P_LINK_H", "Link hover colour", ""},
    {"P_CSS", "Style sheet", ""},
    {"P_MIN", "Minimise on use", "False"},
    {"P_ICON_A", "Icons above", "True"},
    {"P_TABL_C", "Table colour", ""},
    {"P_HTMFLE", "(HTML File)", ""},
    {"P_SHOW_R", "Show refresh command", "False"},
};
} // namespace

const PropertyTable::Definition* PropertyTable::At(int Pos) {
    if (Pos < 1 || Pos > Count)
        return nullptr;
    return &Table[Pos - 1];
}

int PropertyTable::PositionOfName(const QString& Name) {
    static const QHash<QString, int> positions = [] {
        QHash<QString, int> h;
        for (int i = 0; i < Count; ++i)
            h.insert(QString::fromLatin1(Table[i].Name), i + 1);
        return h;
    }();
    return positions.value(Name, 0);
}
