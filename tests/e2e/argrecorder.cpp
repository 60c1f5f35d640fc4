// A program for end-to-end tests: writes its working folder and then the arguments it was
// started with, a line each, to the file named by $QUINTOR_ARGS_FILE, in one piece.
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QByteArray text = QDir::currentPath().toUtf8() + '\n';
    for (const QString& a : app.arguments().mid(1))
        text += a.toUtf8() + '\n';
    QSaveFile out(qEnvironmentVariable("QUINTOR_ARGS_FILE"));
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.commit() ? 0 : 1;
}
