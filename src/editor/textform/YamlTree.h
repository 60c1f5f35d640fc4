#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A YAML document read into plain nodes that remember their line, refusing what a
// launcher file has no use for: anchors, aliases, tags, several documents, a document
// nested deeper than MaxDepth, a key given twice, a key that is not a text.
struct YamlNode {
    enum class Kind { Scalar, Sequence, Mapping };
    Kind Type = Kind::Scalar;
    int Line = 0;                // 1-based
    QString Text;                // a scalar's text; empty for a null ("key:" with nothing after it)
    std::vector<YamlNode> Items; // a sequence's items
    std::vector<std::pair<YamlNode, YamlNode>> Fields; // a mapping's keys and values, in order

    static constexpr int MaxDepth = 16;
};

namespace YamlTree {
// The one document of Utf8 (a text already known to be valid UTF-8). Throws AppError
// 321 whose description begins "Line <n>: "; an empty text is refused too.
YamlNode Parse(const QByteArray& Utf8);

// The line of the first byte of Bytes that is not UTF-8, or 0 when every byte is.
int FirstInvalidUtf8Line(const QByteArray& Bytes);
} // namespace YamlTree
