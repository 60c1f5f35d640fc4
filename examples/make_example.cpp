// Writes a launcher file from its readable source (see Tools.items for the form):
//   make_example <source.items> <target.qtf>
#include "components/AppError.h"
#include "document/ItemRows.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "items/Sections.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

struct ParseError {
    int Line;
    QString Text;
};

// Splits "Name = value" at the first "=".
bool SplitSetting(const QString& Text, QString& Name, QString& Value) {
    const int eq = Text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    Name = Text.left(eq).trimmed();
    Value = Text.mid(eq + 1).trimmed();
    return true;
}

bool SetSectionDetail(SectionDetails& Section, const QString& Name, const QString& Value) {
    if (Name == QLatin1String("Columns"))
        Section.Columns = Value;
    else if (Name == QLatin1String("Icon size"))
        Section.IconSize = Value;
    else if (Name == QLatin1String("Icons above"))
        Section.IconsAbove = Value == QLatin1String("True");
    else if (Name == QLatin1String("Table border"))
        Section.TableBorder = Value == QLatin1String("True");
    else
        return false;
    return true;
}

bool SetItemCell(LauncherItem& Item, const QString& Name, const QString& Value) {
    for (int cell = cellCommand; cell < LauncherItem::CellCount; ++cell)
        if (ItemRows::ColumnCaption(cell) == Name) {
            Item[cell] = Value;
            return true;
        }
    return false;
}

void Parse(QTextStream& In, LauncherDocument& Doc) {
    enum class Block { None, Section, Item } block = Block::None;
    SectionDetails section;
    LauncherItem item;
    auto finish = [&] {
        if (block == Block::Section)
            Doc.Items.Append(LauncherItem{{SectionRowText(section)}});
        else if (block == Block::Item)
            Doc.Items.Append(item);
        block = Block::None;
    };
    for (int number = 1; !In.atEnd(); ++number) {
        const QString raw = In.readLine();
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString name, value;
        if (raw.front().isSpace()) {
            const bool known =
                SplitSetting(line, name, value) &&
                ((block == Block::Section && SetSectionDetail(section, name, value)) ||
                 (block == Block::Item && SetItemCell(item, name, value)));
            if (!known)
                throw ParseError{number,
                                 QStringLiteral("not a detail of the section or item above")};
        } else if (line.startsWith(QLatin1String("property "))) {
            finish();
            if (!SplitSetting(line.mid(9), name, value) || Doc.Props.Find(name) == 0)
                throw ParseError{number, QStringLiteral("not a known property")};
            Doc.WriteProp(name, value);
        } else if (line.startsWith(QLatin1String("section "))) {
            finish();
            section = SectionDetails{};
            section.Name = line.mid(8).trimmed();
            block = Block::Section;
        } else if (line.startsWith(QLatin1String("item "))) {
            finish();
            item = LauncherItem{};
            item[cellDescription] = line.mid(5).trimmed();
            block = Block::Item;
        } else {
            throw ParseError{number, QStringLiteral("expected property, section or item")};
        }
    }
    finish();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_example <source.items> <target.qtf>\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make_example: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QTextStream in(&source);
    in.setEncoding(QStringConverter::Utf8);
    LauncherDocument doc;
    try {
        Parse(in, doc);
        LauncherFile::SaveFile(doc, args[2]);
    } catch (const ParseError& error) {
        std::fprintf(stderr, "%s:%d: %s\n", qPrintable(args[1]), error.Line,
                     qPrintable(error.Text));
        return 1;
    } catch (const AppError& error) {
        std::fprintf(stderr, "make_example: %s (%d)\n", qPrintable(error.Description),
                     error.Number);
        return 1;
    }
    return 0;
}
