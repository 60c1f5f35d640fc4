// A program for end-to-end tests: writes the arguments it was started with and its
// working folder to the file named by $QUINTOR_ARGS_FILE (one per line, UTF-8;
// the first line is the working folder), then exits.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString target = qEnvironmentVariable("QUINTOR_ARGS_FILE");
    if (target.isEmpty())
        return 2;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return 3;
    QByteArray text = QDir::currentPath().toUtf8() + '\n';
    const QStringList args = app.arguments().mid(1);
    for (const QString& a : args)
        text += a.toUtf8() + '\n';
    out.write(text);
    return out.commit() ? 0 : 4;
}
