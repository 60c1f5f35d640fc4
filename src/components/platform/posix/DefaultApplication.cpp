#include "components/platform/DefaultApplication.h"

#include "components/platform/Launcher.h"
#include "components/platform/posix/NativePath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {

// Owns one GLib object reference.
template <typename T> struct Ref {
    T* Object;
    explicit Ref(T* Taken) : Object(Taken) {}
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref() {
        if (Object)
            g_object_unref(Object);
    }
};

QString TakeMessage(GError* Error) {
    const QString text = Error ? QString::fromUtf8(Error->message) : QString();
    g_clear_error(&Error);
    return text;
}

void RememberPid(GAppLaunchContext*, GAppInfo*, GVariant* PlatformData, gpointer Pid) {
    gint32 pid = 0;
    if (g_variant_lookup(PlatformData, "pid", "i", &pid))
        *static_cast<qint64*>(Pid) = pid;
}

// The environment the started program gets, and a way to learn its process.
struct LaunchContext {
    Ref<GAppLaunchContext> Context{g_app_launch_context_new()};
    qint64 Pid = 0;

    explicit LaunchContext(int ShowCommand) {
        g_app_launch_context_setenv(Context.Object, Launcher::ShowCommandVariable,
                                    QByteArray::number(ShowCommand).constData());
        g_signal_connect(Context.Object, "launched", G_CALLBACK(RememberPid), &Pid);
    }
};

DefaultApplication::Result Launch(GAppInfo* App, GList* Files, GList* Uris, int ShowCommand) {
    LaunchContext context(ShowCommand);
    GError* error = nullptr;
    const gboolean started =
        Files ? g_app_info_launch(App, Files, context.Context.Object, &error)
              : g_app_info_launch_uris(App, Uris, context.Context.Object, &error);
    if (!started)
        return {false, TakeMessage(error), 0};
    return {true, QString(), context.Pid};
}

DefaultApplication::Result OpenFile(const QString& Path, int ShowCommand) {
    const std::optional<QByteArray> native = NativePath(Path);
    if (!native)
        return {false, QCoreApplication::translate("DefaultApplication", "No such file"), 0};
    Ref<GFile> file(g_file_new_for_path(native->constData()));
    GError* error = nullptr;
    Ref<GFileInfo> info(g_file_query_info(file.Object, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                          G_FILE_QUERY_INFO_NONE, nullptr, &error));
    if (!info.Object)
        return {false, TakeMessage(error), 0};
    const char* type = g_file_info_get_content_type(info.Object);
    Ref<GAppInfo> app(type ? g_app_info_get_default_for_type(type, FALSE) : nullptr);
    if (!app.Object) {
        gchar* description = type ? g_content_type_get_description(type) : nullptr;
        const QString reason =
            description
                ? QCoreApplication::translate("DefaultApplication",
                                              "No application is set to open %1 files")
                      .arg(QString::fromUtf8(description).toLower())
                : QCoreApplication::translate("DefaultApplication",
                                              "No application is set to open this kind of file");
        g_free(description);
        return {false, reason, 0};
    }
    GList files{file.Object, nullptr, nullptr};
    return Launch(app.Object, &files, nullptr, ShowCommand);
}

DefaultApplication::Result OpenAddress(const QUrl& Address, int ShowCommand) {
    const QByteArray scheme = Address.scheme().toLatin1();
    Ref<GAppInfo> app(g_app_info_get_default_for_uri_scheme(scheme.constData()));
    if (!app.Object)
        return {false,
                QCoreApplication::translate("DefaultApplication",
                                            "No application is set to open %1: addresses")
                    .arg(QString::fromLatin1(scheme)),
                0};
    QByteArray uri = Address.toEncoded();
    GList uris{uri.data(), nullptr, nullptr};
    return Launch(app.Object, nullptr, &uris, ShowCommand);
}

} // namespace

DefaultApplication::Result DefaultApplication::Open(const QString& Target, int ShowCommand) {
    if (Target.isEmpty())
        return {false, QCoreApplication::translate("DefaultApplication", "Nothing was named"), 0};
    // A path that exists is a local file, even when it looks like "name:rest".
    if (QFileInfo::exists(Target))
        return OpenFile(QFileInfo(Target).absoluteFilePath(), ShowCommand);
    const QUrl url(Target, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return {false,
                QCoreApplication::translate("DefaultApplication",
                                            "It is neither a file nor an address"),
                0};
    if (url.isLocalFile())
        return OpenFile(url.toLocalFile(), ShowCommand);
    return OpenAddress(url, ShowCommand);
}

DefaultApplication::Result DefaultApplication::OpenPage(const QString& Path) {
    const std::optional<QByteArray> native = NativePath(QFileInfo(Path).absoluteFilePath());
    if (!native || !QFileInfo(Path).isFile())
        return {false, QStringLiteral("No such file"), 0};
    GError* error = nullptr;
    gchar* uri = g_filename_to_uri(native->constData(), nullptr, &error);
    if (!uri)
        return {false, TakeMessage(error), 0};
    LaunchContext context(Launcher::Show::Normal);
    const gboolean started = g_app_info_launch_default_for_uri(uri, context.Context.Object, &error);
    g_free(uri);
    if (!started)
        return {false, TakeMessage(error), 0};
    return {true, QString(), context.Pid};
}

bool OpenWithDefaultApplication(const QString& Target) {
    return DefaultApplication::Open(Target, Launcher::Show::Normal).Started;
}
