#pragma once

// A document whose every page property is away from its default, with values the
// property editor could have stored.
#include "document/LauncherDocument.h"

#include <QList>
#include <QPair>

namespace EveryProperty {

inline void Set(LauncherDocument& Doc) {
    const QList<QPair<QString, QString>> values = {
        {"Background colour", "#1A2B3C"},
        {"Background picture", "file:///srv/bg one.png"},
        {"Closable", "False"},
        {"Columns", "3"},
        {"Extra commands", "False"},
        {"Font", "DejaVu Sans"},
        {"Font bold", "True"},
        {"Font italic", "True"},
        {"Font size", "10.5"},
        {"Font strikethrough", "True"},
        {"Font underline", "True"},
        {"Footer HTML", "<p>foot</p>\r\n<i>x</i>"},
        {"Header HTML", "<div>\n  head: #1\n</div>\n"},
        {"Height", "300"},
        {"Icon", "/srv/x.ico"},
        {"Icon size", "48"},
        {"Show exit command", "True"},
        {"Show edit command", "True"},
        {"Show maximise command", "True"},
        {"Show minimise command", "True"},
        {"Show open command", "True"},
        {"Start maximised", "True"},
        {"Table border", "True"},
        {"Text colour", "#ffeedd"},
        {"Title", QString::fromUtf8("Caf\xc3\xa9 tools: #1")},
        {"Width", "640"},
        {"Link colour", "#000001"},
        {"Link visited colour", "#000002"},
        {"Link active colour", "#000003"},
        {"Link hover colour", "#000004"},
        {"Style sheet", "file:///srv/a.css"},
        {"Minimise on use", "True"},
        {"Icons above", "False"},
        {"Table colour", "#ABCDEF"},
        {"Show refresh command", "True"}};
    for (const auto& [name, value] : values)
        Doc.WriteProp(name, value);
}

} // namespace EveryProperty
