#include "ItemLinkCheck.h"

#include "components/AppError.h"
#include "components/NameInMessage.h"
#include "components/platform/PathIndex.h"
#include "components/platform/ProgramFinder.h"
#include "core/ItemLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <optional>

namespace {

// "https://...", "mailto:..." and the like; one letter before a colon is not a scheme.
bool HasUrlScheme(const QString& Text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(Text).hasMatch();
}

std::optional<ItemLink> ItemOf(const QString& Href) {
    const QString link = Href.trimmed();
    if (link.left(3).compare(QLatin1String("qt:"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    try {
        return ItemLink::Decode(link.mid(3));
    } catch (const AppError&) {
        return std::nullopt; // its click reports what is wrong with it
    }
}

class Lookup {
public:
    explicit Lookup(const QVector<std::optional<ItemLink>>& Items) {
        QStringList paths;
        for (const auto& item : Items)
            if (item)
                paths << Local(item->Command) << item->StartIn;
        Paths.Prepare(paths);
    }

    // As the launch finds it: a bare name on the search path, else a path from our folder.
    bool CommandFound(const QString& Command) {
        const QString path = Local(Command);
        if (path.isEmpty())
            return false;
        if (!path.contains(QLatin1Char('/')) && Programs.Finds(path))
            return true;
        return Exists(path, false);
    }
    bool FolderFound(const QString& Folder) { return Exists(Folder, true); }

    // The local path of a command; the command itself when it is no address at all.
    static QString Local(const QString& Command) {
        if (!HasUrlScheme(Command))
            return Command.trimmed().isEmpty() ? QString() : Command;
        const QUrl url(Command, QUrl::TolerantMode);
        return url.isLocalFile() ? url.toLocalFile() : QString();
    }

private:
    bool Exists(const QString& Path, bool Folder) {
        if (!QDir::isAbsolutePath(Path)) {
            const QFileInfo info(Path);
            return Folder ? info.isDir() : info.exists();
        }
        const PathIndex::Kind kind = Paths.KindOf(Path);
        return Folder ? kind == PathIndex::Kind::Folder : kind != PathIndex::Kind::Nothing;
    }

    ProgramFinder Programs;
    PathIndex Paths;
};

bool IsAddress(const QString& Command) {
    return HasUrlScheme(Command) && !QUrl(Command, QUrl::TolerantMode).isLocalFile();
}

} // namespace

QStringList ItemLinkCheck::Check(const QStringList& Hrefs) {
    QVector<std::optional<ItemLink>> items;
    items.reserve(Hrefs.size());
    for (const QString& href : Hrefs)
        items.append(ItemOf(href));
    Lookup lookup(items);
    QStringList missing;
    missing.reserve(items.size());
    for (const auto& item : items) {
        QStringList lines;
        if (item && !IsAddress(item->Command)) {
            if (!lookup.CommandFound(item->Command))
                lines << QCoreApplication::translate("ItemLinkCheck",
                                                     "The command was not found: %1")
                             .arg(NameInMessage(item->Command));
            if (!item->StartIn.isEmpty() && !lookup.FolderFound(item->StartIn))
                lines << QCoreApplication::translate("ItemLinkCheck",
                                                     "The start-in folder does not exist: %1")
                             .arg(NameInMessage(item->StartIn));
        }
        missing.append(lines.join(QLatin1Char('\n')));
    }
    return missing;
}
