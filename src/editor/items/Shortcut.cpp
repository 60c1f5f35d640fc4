#include "Shortcut.h"

#include "components/ProgramCommandLine.h"
#include "components/Tolvik.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherDocument.h"

#include <QFileInfo>

QString Shortcut::CleanFileName(const QString& Title) {
    static const struct {
        QLatin1String From;
        QString To;
    } replacements[] = {
        {QLatin1String("\\"), QStringLiteral("_")},     {QLatin1String("/"), QStringLiteral("_")},
        {QLatin1String("<"), QStringLiteral("(")},      {QLatin1String(">"), QStringLiteral(")")},
        {QLatin1String("*"), QStringLiteral("x")},      {QLatin1String("\""), QStringLiteral("''")},
        {QLatin1String("?"), QStringLiteral("!")},      {QLatin1String(":"), QStringLiteral(";")},
        {QLatin1String("|"), QStringLiteral("\u00A6")},
    };
    QString name = Title.trimmed();
    for (const auto& r : replacements)
        name.replace(r.From, r.To);
    // A cut between the halves of a surrogate pair would leave half a character.
    int length = 250;
    if (name.size() > length && name[length - 1].isHighSurrogate())
        --length;
    return name.left(length);
}

QString Shortcut::FileNameFor(const QString& Title) {
    const QString name = CleanFileName(Title);
    return name.isEmpty() || name.startsWith(QLatin1Char('.')) ? QStringLiteral("Quintor") : name;
}

ShortcutLink Shortcut::LinkFor(const LauncherDocument& Doc) {
    // Raw values: these are paths and plain texts for the desktop, not page text, so
    // the page escaping would only break a path or a name holding "&" or a quote.
    const QString title = Doc.ReadProp(QStringLiteral("Title"), true);
    const QString icon = Doc.ReadProp(QStringLiteral("Icon"), true);
    // A blank title leaves nothing to show under the icon; the runner's own stands in.
    const QString shown = title.trimmed().isEmpty() ? QStringLiteral("Quintor") : title.trimmed();
    ShortcutLink link;
    link.FileName = FileNameFor(title);
    link.Title = shown;
    link.Description = title;
    link.Program =
        SystemPaths::Join(Doc.APath, SystemPaths::ProgramFile(QStringLiteral("quintor2")));
    link.Arguments =
        ProgramCommandLine::FileArguments(Doc.ReadProp(QStringLiteral("(HTML File)"), true));
    if (Tolvik::FileExists(icon))
        link.Icon = QFileInfo(icon).absoluteFilePath();
    return link;
}

QString Shortcut::Create(const LauncherDocument& Doc, const QString& DesktopFolder) {
    return DesktopShortcut::Create(DesktopFolder, LinkFor(Doc));
}
