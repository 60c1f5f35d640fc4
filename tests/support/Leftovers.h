#pragma once

// What a test starts detached (a launched item, a document's application, a program with a
// window) is no child of the test, outlives it and keeps the test's output open: ctest
// then waits for it to end, up to the test's time limit, long after the test is over. So
// a test marks its environment, which everything it starts inherits, and at its end ends
// every process that carries the mark.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdlib>
#include <sys/types.h>
#include <unistd.h>

namespace Leftovers {
inline QByteArray Mark() {
    return "QUINTOR_TEST_RUN=" + QByteArray::number(::getpid());
}

// Call before anything is started.
inline void MarkEnvironment() {
    qputenv("QUINTOR_TEST_RUN", QByteArray::number(::getpid()));
}

// Ends every other process that carries this process's mark; answers how many.
inline int EndAll() {
    const QByteArray mark = Mark() + '\0';
    int ended = 0;
    const QStringList processes = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : processes) {
        bool number = false;
        const pid_t pid = name.toInt(&number);
        if (!number || pid == ::getpid())
            continue;
        QFile environ("/proc/" + name + "/environ");
        if (!environ.open(QIODevice::ReadOnly))
            continue;
        if (('\0' + environ.readAll()).contains('\0' + mark) && ::kill(pid, SIGKILL) == 0)
            ++ended;
    }
    return ended;
}
} // namespace Leftovers
