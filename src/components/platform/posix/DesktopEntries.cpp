#include "components/platform/DesktopEntries.h"

#include <QStandardPaths>
#include <memory>

// GLib names a struct member "signals", which Qt's keyword macro would rewrite.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#pragma pop_macro("signals")

namespace {

struct GObjectUnref {
    void operator()(gpointer Object) const { g_object_unref(Object); }
};
using AppInfoPtr = std::unique_ptr<GDesktopAppInfo, GObjectUnref>;

QString Text(const char* Utf8) {
    return Utf8 ? QString::fromUtf8(Utf8) : QString();
}

// A string GLib handed over to its caller.
QString TakeText(char* Utf8) {
    const QString text = Text(Utf8);
    g_free(Utf8);
    return text;
}

QString KeyText(GDesktopAppInfo* Info, const char* Key) {
    return TakeText(g_desktop_app_info_get_string(Info, Key));
}

QStringList TextList(const char* const* Items) {
    QStringList list;
    for (; Items && *Items; ++Items)
        list.append(QString::fromUtf8(*Items));
    return list;
}

DesktopEntry EntryOf(GDesktopAppInfo* Info) {
    GAppInfo* app = G_APP_INFO(Info);
    DesktopEntry entry;
    entry.Id = Text(g_app_info_get_id(app));
    entry.File = QString::fromLocal8Bit(g_desktop_app_info_get_filename(Info));
    entry.Name = Text(g_app_info_get_name(app));
    entry.GenericName = Text(g_desktop_app_info_get_generic_name(Info));
    entry.Comment = Text(g_app_info_get_description(app));
    entry.Keywords = TextList(g_desktop_app_info_get_keywords(Info));
    entry.Exec = KeyText(Info, "Exec");
    entry.Path = KeyText(Info, "Path");
    entry.Icon = KeyText(Info, "Icon");
    entry.Terminal = g_desktop_app_info_get_boolean(Info, "Terminal");
    entry.Categories =
        Text(g_desktop_app_info_get_categories(Info)).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return entry;
}

template <typename Keep> QList<DesktopEntry> Installed(Keep KeepIt) {
    QList<DesktopEntry> entries;
    GList* all = g_app_info_get_all();
    for (GList* node = all; node; node = node->next) {
        auto* app = static_cast<GAppInfo*>(node->data);
        if (G_IS_DESKTOP_APP_INFO(app) && KeepIt(app))
            entries.append(EntryOf(G_DESKTOP_APP_INFO(app)));
    }
    g_list_free_full(all, g_object_unref);
    return entries;
}

// What a field code stands for when the entry is started without files: the words GLib
// would put in its place, quoted for the split that follows.
QString FieldCode(QChar Code, const DesktopEntry& Entry) {
    const auto quoted = [](const QString& Word) {
        return TakeText(g_shell_quote(Word.toUtf8().constData()));
    };
    switch (Code.unicode()) {
    case '%':
        return QStringLiteral("%");
    case 'i':
        return Entry.Icon.isEmpty() ? QString() : QStringLiteral("--icon ") + quoted(Entry.Icon);
    case 'c':
        return Entry.Name.isEmpty() ? QString() : quoted(Entry.Name);
    case 'k':
        return Entry.File.isEmpty() ? QString() : quoted(Entry.File);
    default: // files and addresses (none given) and the codes the desktop dropped long ago
        return {};
    }
}

QString ExpandFieldCodes(const DesktopEntry& Entry) {
    QString line;
    const QString& exec = Entry.Exec;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == QLatin1Char('%') && i + 1 < exec.size())
            line += FieldCode(exec[++i], Entry);
        else
            line += exec[i];
    }
    return line;
}

} // namespace

QList<DesktopEntry> DesktopEntries::Shown() {
    return Installed([](GAppInfo* App) { return g_app_info_should_show(App); });
}

QList<DesktopEntry> DesktopEntries::All() {
    return Installed([](GAppInfo*) { return true; });
}

std::optional<DesktopEntry> DesktopEntries::FromFile(const QString& Path) {
    const AppInfoPtr info(g_desktop_app_info_new_from_filename(Path.toLocal8Bit().constData()));
    if (!info || g_desktop_app_info_get_is_hidden(info.get()))
        return std::nullopt;
    return EntryOf(info.get());
}

std::optional<QStringList> DesktopEntries::ExecArguments(const DesktopEntry& Entry) {
    const QByteArray line = ExpandFieldCodes(Entry).toUtf8();
    gint count = 0;
    gchar** words = nullptr;
    if (!g_shell_parse_argv(line.constData(), &count, &words, nullptr))
        return std::nullopt;
    QStringList arguments = TextList(words);
    g_strfreev(words);
    return arguments;
}

QStringList DesktopEntries::TerminalPrefix() {
    // The terminals GLib itself tries, in its order, with the option each one wants.
    static const std::pair<const char*, const char*> terminals[] = {
        {"gnome-terminal", "--"}, {"kgx", "-e"},         {"mate-terminal", "-x"},
        {"xfce4-terminal", "-x"}, {"tilix", "-e"},       {"konsole", "-e"},
        {"nxterm", "-e"},         {"color-xterm", "-e"}, {"rxvt", "-e"},
        {"dtterm", "-e"},         {"xterm", "-e"}};
    for (const auto& [program, option] : terminals)
        if (!QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            return {QLatin1String(program), QLatin1String(option)};
    // Debian's choice of terminal, which every terminal package can stand for.
    return {QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")};
}
