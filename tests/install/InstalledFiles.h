#pragma once

#include <QDirIterator>
#include <QStringList>

namespace InstalledFiles {

inline QString EditorId() {
    return qEnvironmentVariable("QUINTOR_EDITOR_ID");
}
inline QString RunnerId() {
    return qEnvironmentVariable("QUINTOR_RUNNER_ID");
}

// Every file an install puts under its prefix, relative to it, sorted.
inline QStringList Expected() {
    QStringList files{"bin/qtedit2",
                      "bin/quintor2",
                      "share/applications/" + EditorId() + ".desktop",
                      "share/applications/" + RunnerId() + ".desktop",
                      "share/metainfo/" + EditorId() + ".metainfo.xml",
                      "share/metainfo/" + RunnerId() + ".metainfo.xml",
                      "share/mime/packages/quintor.xml",
                      "share/man/man1/qtedit2.1.gz",
                      "share/man/man1/quintor2.1.gz",
                      "share/doc/quintor/copyright",
                      "share/doc/quintor/changelog.gz"};
    const std::pair<const char*, const char*> icons[] = {
        {"apps", "qtedit2"}, {"apps", "quintor2"}, {"mimetypes", "application-x-quintor-launcher"}};
    for (const auto& [context, name] : icons) {
        for (int size : {16, 32, 48, 64, 128, 256})
            files << QString("share/icons/hicolor/%1x%1/%2/%3.png").arg(size).arg(context, name);
        files << QString("share/icons/hicolor/scalable/%1/%2.svg").arg(context, name);
    }
    files.sort();
    return files;
}

// The files under Root, relative to it, sorted.
inline QStringList Found(const QString& Root) {
    QStringList files;
    QDirIterator it(Root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(Root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace InstalledFiles
