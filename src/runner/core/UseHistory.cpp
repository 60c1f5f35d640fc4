#include "UseHistory.h"

#include <QByteArrayView>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

// The file: a first line that says what it is, then for each page a line "page PATH"
// followed by a line "LAST WEIGHT LINK" for each of its items. Texts are UTF-8 with "%",
// line breaks and other control characters percent-encoded, so that every line is one.
namespace {
const QByteArray Signature = QByteArrayLiteral("quintor history 1\n");
const QByteArray PagePrefix = QByteArrayLiteral("page ");
// Beyond these a number is no weight or time of ours.
constexpr double MaxWeight = 1e9;
constexpr qint64 MaxTime = 100000000000LL;

double Decay(qint64 Seconds) {
    return std::exp2(-double(std::max<qint64>(Seconds, 0)) / double(UseHistory::HalfLifeSecs));
}

QByteArray Encode(const QString& Text) {
    const QByteArray bytes = Text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || u == '%')
            out += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

QString Decode(QByteArrayView Text) {
    if (!Text.contains('%'))
        return QString::fromUtf8(Text);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(Text.toByteArray()));
}

// The number that starts at At, at most Max, up to the blank after it; At moves past the
// blank. Nothing for anything but digits there.
std::optional<qint64> Digits(QByteArrayView Line, qsizetype& At, qint64 Max) {
    const qsizetype first = At;
    qint64 value = 0;
    for (; At < Line.size() && Line[At] >= '0' && Line[At] <= '9'; ++At) {
        value = value * 10 + (Line[At] - '0');
        if (value > Max)
            return std::nullopt;
    }
    if (At == first || At >= Line.size() || Line[At] != ' ')
        return std::nullopt;
    ++At;
    return value;
}

// A weight as ToText writes it, up to the blank after it: decimals read by hand, anything
// with an exponent (a weight long decayed) by the general reader.
std::optional<double> WeightAt(QByteArrayView Line, qsizetype& At) {
    const qsizetype blank = Line.indexOf(' ', At);
    if (blank < 0)
        return std::nullopt;
    const QByteArrayView text = Line.sliced(At, blank - At);
    At = blank + 1;
    const qsizetype point = text.indexOf('.');
    qsizetype digits = 0;
    qint64 whole = 0;
    double scale = 1;
    bool plain = !text.isEmpty() && text.size() <= 15; // exact in a double
    for (qsizetype i = 0; plain && i < text.size(); ++i) {
        if (i == point) {
            plain = i > 0 && i + 1 < text.size();
            continue;
        }
        plain = text[i] >= '0' && text[i] <= '9';
        whole = whole * 10 + (text[i] - '0');
        ++digits;
        if (point >= 0 && i > point)
            scale *= 10;
    }
    bool ok = plain && digits > 0;
    const double weight = ok ? double(whole) / scale : text.toDouble(&ok);
    if (!ok || !(weight > 0) || !(weight <= MaxWeight))
        return std::nullopt;
    return weight;
}
} // namespace

void UseHistory::Record(const QString& Page, const QString& Link, qint64 Now) {
    Use& use = Pages[Page][Link];
    use.Weight = use.Weight * Decay(Now - use.Last) + 1;
    use.Last = std::max(use.Last, Now);
}

QHash<QString, double> UseHistory::Weights(const QString& Page, qint64 Now) const {
    QHash<QString, double> weights;
    const auto page = Pages.constFind(Page);
    if (page == Pages.constEnd())
        return weights;
    for (auto use = page->cbegin(); use != page->cend(); ++use)
        weights.insert(use.key(), use->Weight * Decay(Now - use->Last));
    return weights;
}

qsizetype UseHistory::Count() const {
    qsizetype count = 0;
    for (const auto& page : Pages)
        count += page.size();
    return count;
}

QString UseHistory::PageKey(const QString& Path) {
    const QFileInfo file(Path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

QByteArray UseHistory::ToText(qsizetype Limit) const {
    struct Line {
        qsizetype Page;
        qint64 Last;
        QByteArray Text;
    };
    std::vector<QByteArray> pageLines;
    std::vector<Line> lines;
    lines.reserve(size_t(Count()));
    for (auto page = Pages.cbegin(); page != Pages.cend(); ++page) {
        const auto index = qsizetype(pageLines.size());
        pageLines.push_back(PagePrefix + Encode(page.key()) + '\n');
        for (auto use = page->cbegin(); use != page->cend(); ++use)
            lines.push_back({index, use->Last,
                             QByteArray::number(use->Last) + ' ' +
                                 QByteArray::number(use->Weight, 'g', 6) + ' ' + Encode(use.key()) +
                                 '\n'});
    }
    // The newest uses are kept, as many as fit; from the first that does not, none older.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& A, const Line& B) { return A.Last > B.Last; });
    // A use too big for any history is left out on its own.
    std::vector<bool> pageKept(pageLines.size());
    const qsizetype all = Limit - Signature.size();
    qsizetype room = all;
    size_t kept = 0;
    for (const Line& line : lines) {
        const qsizetype pageCost = pageLines[size_t(line.Page)].size();
        if (line.Text.size() + pageCost > all)
            continue;
        const qsizetype cost = line.Text.size() + (pageKept[size_t(line.Page)] ? 0 : pageCost);
        if (cost > room)
            break;
        room -= cost;
        pageKept[size_t(line.Page)] = true;
        lines[kept++] = line;
    }
    lines.resize(kept);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& A, const Line& B) { return A.Page < B.Page; });
    QByteArray text = Signature;
    text.reserve(Limit - room);
    qsizetype page = -1;
    for (const Line& line : lines) {
        if (line.Page != page)
            text += pageLines[size_t(page = line.Page)];
        text += line.Text;
    }
    return text;
}

UseHistory UseHistory::FromText(const QByteArray& Text) {
    UseHistory history;
    if (!history.Read(Text))
        return {};
    return history;
}

bool UseHistory::Read(const QByteArray& Text) {
    if (!Text.startsWith(Signature) || !Text.endsWith('\n') || !QByteArrayView(Text).isValidUtf8())
        return false;
    QHash<QString, Use>* page = nullptr;
    qsizetype at = Signature.size();
    while (at < Text.size()) {
        const qsizetype end = Text.indexOf('\n', at);
        const QByteArrayView line = QByteArrayView(Text).sliced(at, end - at);
        at = end + 1;
        if (line.startsWith(PagePrefix)) {
            page = &Pages[Decode(line.sliced(PagePrefix.size()))];
            continue;
        }
        // The numbers are read by hand: the general readers cost most of a start's read.
        qsizetype next = 0;
        const std::optional<qint64> last = Digits(line, next, MaxTime);
        const std::optional<double> weight = WeightAt(line, next);
        if (!page || !last || !weight || next >= line.size())
            return false;
        page->insert(Decode(line.sliced(next)), Use{*last, *weight});
    }
    return true;
}
