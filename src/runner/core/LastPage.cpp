#include "LastPage.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"

#include <QDir>
#include <QMutex>
#include <QThreadPool>

namespace {
constexpr qint64 MaxBytes = 65536;

// One writer at a time, and only the newest wish is written.
QThreadPool& Writer() {
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return pool;
}
QMutex Lock;
QString Wanted;
QString Written;
} // namespace

namespace {
QString Folder() {
    return SystemPaths::Join(SystemPaths::StateFolder(), QStringLiteral("quintor"));
}
} // namespace

QString LastPage::File() {
    return SystemPaths::Join(Folder(), QStringLiteral("last-page"));
}

QString LastPage::Read() {
    const auto bytes = FileSystem::ReadRegularFile(File(), MaxBytes);
    if (!bytes || !QByteArrayView(*bytes).isValidUtf8())
        return {};
    const QString page = QString::fromUtf8(*bytes).section(QLatin1Char('\n'), 0, 0);
    return QDir::isAbsolutePath(page) ? page : QString();
}

void LastPage::Remember(const QString& Page) {
    if (!QDir::isAbsolutePath(Page) || Page.contains(QLatin1Char('\n')))
        return;
    {
        QMutexLocker locked(&Lock);
        if (Page == Wanted)
            return;
        Wanted = Page;
    }
    Writer().start([] {
        QString page;
        {
            QMutexLocker locked(&Lock);
            if (Wanted == Written)
                return;
            page = Written = Wanted;
        }
        try {
            QDir().mkpath(Folder());
            WriteFileAtomically(File(), page.toUtf8() + '\n');
        } catch (const AppError&) {
            // Not kept this time: --toggle then shows the page kept before.
        }
    });
}

void LastPage::Flush() {
    Writer().waitForDone();
}
