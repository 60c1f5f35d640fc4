#include "YamlTree.h"

#include "components/AppError.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <sstream>
#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/yaml.h>

namespace {

AppError AtLine(int Line, const QString& What) {
    return AppError(
        QCoreApplication::translate("YamlTree", "Line %1: %2").arg(QString::number(Line), What),
        ErrNo::BadFileFormat);
}

// A text that begins with U+FEFF keeps it: the parser has dropped the stream's own mark.
QString TextOf(const std::string& Utf8) {
    const QByteArrayView bytes(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}

int LineOf(const YAML::Mark& Mark) {
    return Mark.line + 1;
}

// Builds the nodes from the parser's events. Every refusal is thrown from inside the
// event, so the parser stops at the first one.
class TreeBuilder : public YAML::EventHandler {
public:
    YamlNode Root;
    bool HasRoot = false;

    void OnDocumentStart(const YAML::Mark&) override {}
    void OnDocumentEnd() override {}

    void OnNull(const YAML::Mark& Mark, YAML::anchor_t Anchor) override {
        RefuseAnchor(Mark, Anchor);
        YamlNode node;
        node.Line = LineOf(Mark);
        Add(std::move(node));
    }
    void OnAlias(const YAML::Mark& Mark, YAML::anchor_t) override {
        throw AtLine(LineOf(Mark),
                     QCoreApplication::translate(
                         "YamlTree", "aliases (*name) are not used in a launcher file"));
    }
    void OnScalar(const YAML::Mark& Mark, const std::string& Tag, YAML::anchor_t Anchor,
                  const std::string& Value) override {
        RefuseAnchor(Mark, Anchor);
        RefuseTag(Mark, Tag);
        YamlNode node;
        node.Line = LineOf(Mark);
        node.Text = TextOf(Value);
        Add(std::move(node));
    }
    void OnSequenceStart(const YAML::Mark& Mark, const std::string& Tag, YAML::anchor_t Anchor,
                         YAML::EmitterStyle::value) override {
        Open(Mark, Tag, Anchor, YamlNode::Kind::Sequence);
    }
    void OnSequenceEnd() override { Close(); }
    void OnMapStart(const YAML::Mark& Mark, const std::string& Tag, YAML::anchor_t Anchor,
                    YAML::EmitterStyle::value) override {
        Open(Mark, Tag, Anchor, YamlNode::Kind::Mapping);
    }
    void OnMapEnd() override { Close(); }

private:
    struct Level {
        YamlNode Node;
        bool HasKey = false;
        YamlNode Key;
    };
    std::vector<Level> Stack;

    static void RefuseAnchor(const YAML::Mark& Mark, YAML::anchor_t Anchor) {
        if (Anchor != YAML::NullAnchor)
            throw AtLine(LineOf(Mark),
                         QCoreApplication::translate(
                             "YamlTree", "anchors (&name) are not used in a launcher file"));
    }
    // "?" marks a plain scalar, "!" a quoted one; anything else was written as a tag.
    static void RefuseTag(const YAML::Mark& Mark, const std::string& Tag) {
        if (!Tag.empty() && Tag != "?" && Tag != "!")
            throw AtLine(LineOf(Mark), QCoreApplication::translate(
                                           "YamlTree", "tags (%1) are not used in a launcher file")
                                           .arg(QString::fromStdString(Tag)));
    }

    void Open(const YAML::Mark& Mark, const std::string& Tag, YAML::anchor_t Anchor,
              YamlNode::Kind Type) {
        RefuseAnchor(Mark, Anchor);
        RefuseTag(Mark, Tag);
        if (static_cast<int>(Stack.size()) >= YamlNode::MaxDepth)
            throw AtLine(LineOf(Mark),
                         QCoreApplication::translate("YamlTree",
                                                     "the file is nested more than %1 levels deep")
                             .arg(YamlNode::MaxDepth));
        Level open;
        open.Node.Type = Type;
        open.Node.Line = LineOf(Mark);
        Stack.push_back(std::move(open));
    }

    void Close() {
        YamlNode done = std::move(Stack.back().Node);
        Stack.pop_back();
        Add(std::move(done));
    }

    void Add(YamlNode Node) {
        if (Stack.empty()) {
            Root = std::move(Node);
            HasRoot = true;
            return;
        }
        Level& parent = Stack.back();
        if (parent.Node.Type == YamlNode::Kind::Sequence) {
            parent.Node.Items.push_back(std::move(Node));
            return;
        }
        if (!parent.HasKey) {
            if (Node.Type != YamlNode::Kind::Scalar)
                throw AtLine(Node.Line,
                             QCoreApplication::translate("YamlTree", "a key must be a text"));
            for (const auto& field : parent.Node.Fields)
                if (field.first.Text == Node.Text)
                    throw AtLine(Node.Line, QCoreApplication::translate(
                                                "YamlTree", "the key '%1' is given twice")
                                                .arg(Node.Text));
            parent.Key = std::move(Node);
            parent.HasKey = true;
            return;
        }
        parent.Node.Fields.emplace_back(std::move(parent.Key), std::move(Node));
        parent.HasKey = false;
    }
};

} // namespace

YamlNode YamlTree::Parse(const QByteArray& Utf8) {
    std::istringstream stream(Utf8.toStdString());
    TreeBuilder builder;
    try {
        YAML::Parser parser(stream);
        if (!parser.HandleNextDocument(builder) || !builder.HasRoot)
            throw AtLine(
                1, QCoreApplication::translate("YamlTree", "the file holds no launcher document"));
        TreeBuilder next;
        if (parser.HandleNextDocument(next))
            throw AtLine(
                builder.Root.Line,
                QCoreApplication::translate(
                    "YamlTree", "a launcher file holds one document, this one holds several"));
    } catch (const YAML::Exception& e) {
        throw AtLine(LineOf(e.mark), QString::fromStdString(e.msg));
    }
    return std::move(builder.Root);
}

int YamlTree::FirstInvalidUtf8Line(const QByteArray& Bytes) {
    int line = 1;
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.constData());
    const qsizetype size = Bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            line += c == '\n';
            ++i;
            continue;
        }
        int more = 0;
        unsigned int code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return line;
        }
        if (i + more >= size)
            return line;
        for (int k = 1; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return line;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and code points past Unicode's end.
        const bool overlong = (more == 2 && code < 0x800) || (more == 3 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return line;
        i += more + 1;
    }
    return 0;
}
