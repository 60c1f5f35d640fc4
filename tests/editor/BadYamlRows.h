#pragma once

// Launcher files in YAML that the editor refuses, one kind a row: the text, the line the
// message names and what it says is wrong.
#include "support/DataRows.h"

#include <QByteArray>

namespace BadYamlRows {
using namespace DataRows;

inline void Define() {
    Columns<QByteArray, int, QString>({"text", "line", "what"});
    Row("unknown top key", QByteArray("colours: 1\n"), 1, QString("unknown key 'colours'"));
    Row("unknown property", QByteArray("properties:\n  P_TITLE: a\n  P_NOPE: x\n"), 3,
        QString("unknown property 'P_NOPE'"));
    Row("display name as key", QByteArray("properties:\n  Title: a\n"), 2,
        QString("unknown property 'Title'"));
    Row("unknown item key", QByteArray("items:\n  - description: a\n    colour: red\n"), 3,
        QString("unknown key 'colour' in an item"));
    Row("unknown section key", QByteArray("sections:\n  - name: a\n    width: 3\n"), 3,
        QString("unknown key 'width' in a section"));
    Row("items not a list", QByteArray("items: 5\n"), 1, QString("'items' must be a list"));
    Row("item not a mapping", QByteArray("items:\n  - just text\n"), 2,
        QString("an item must be a mapping"));
    Row("text that is a list", QByteArray("properties:\n  P_TITLE: [a, b]\n"), 2,
        QString("'P_TITLE' must be a text, not a list"));
    Row("command that is a mapping", QByteArray("items:\n  - command: {a: b}\n"), 2,
        QString("'command' must be a text, not a mapping"));
    Row("file not a mapping", QByteArray("- a\n"), 1, QString("must be a mapping"));
    Row("run style", QByteArray("items:\n  - description: a\n    run: Fullscreen\n"), 3,
        QString("'Fullscreen' is not a run style"));
    Row("run word", QByteArray("items:\n  - run: maxfocus\n"), 2,
        QString("'maxfocus' is not a run style"));
    Row("boolean", QByteArray("properties:\n  P_CLOSE: maybe\n"), 2,
        QString("'P_CLOSE' must be True or False"));
    Row("columns zero", QByteArray("properties:\n  P_COLUMN: 0\n"), 2,
        QString("The number must be 1 or higher"));
    Row("columns huge", QByteArray("properties:\n  P_COLUMN: 99999999999999999999999\n"), 2,
        QString("The number must be 100 or lower"));
    Row("width not a number", QByteArray("properties:\n  P_WIDTH: wide\n"), 2,
        QString("is not a number"));
    Row("height empty", QByteArray("properties:\n  P_HEIGHT: \"\"\n"), 2,
        QString("is not a number"));
    Row("colour", QByteArray("properties:\n  P_BACK_C: \"#12345\"\n"), 2,
        QString("must be a colour"));
    Row("section columns", QByteArray("sections:\n  - name: a\n    columns: 1000\n"), 3,
        QString("'columns' must be a number from 1 to 100"));
    Row("section icon size", QByteArray("sections:\n  - icon-size: 8\n"), 2,
        QString("'icon-size' must be a number from 16 to 1024"));
    Row("section in the items", QByteArray("items:\n  - description: 'SECTION:x;Columns:2'\n"), 2,
        QString("may not begin with SECTION:"));
    Row("section row and details", QByteArray("sections:\n  - row: 'SECTION:x'\n    name: y\n"), 2,
        QString("either its 'row' or its name"));
    Row("anchor", QByteArray("properties: &p\n  P_TITLE: x\n"), 1, QString("anchors"));
    Row("alias", QByteArray("items:\n  - *a\n"), 2, QString("anchor"));
    Row("tag", QByteArray("properties:\n  P_TITLE: !!str x\n"), 2, QString("tags"));
    Row("local tag", QByteArray("items:\n  - !item {description: a}\n"), 2, QString("tags"));
    Row("two documents", QByteArray("items: []\n---\nitems: []\n"), 1, QString("holds several"));
    Row("empty file", QByteArray(""), 1, QString("holds no launcher document"));
    Row("key twice", QByteArray("properties:\n  P_TITLE: a\n  P_TITLE: b\n"), 3,
        QString("given twice"));
    Row("deep nesting", "items: " + QByteArray(5000, '[') + QByteArray(5000, ']') + "\n", 1,
        QString("nested more than"));
    Row("invalid UTF-8", QByteArray("properties:\n  P_TITLE: caf\xe9\n"), 2, QString("not UTF-8"));
    Row("overlong UTF-8", QByteArray("items: []\n# \xc0\xaf\n"), 2, QString("not UTF-8"));
    Row("syntax", QByteArray("items:\n  - [a\n"), 3, QString());
}

} // namespace BadYamlRows
