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
    QStringList files = QString("bin/qtedit2 bin/quintor2 share/mime/packages/quintor.xml "
                                "share/doc/quintor/copyright share/doc/quintor/changelog.gz "
                                "share/man/man1/qtedit2.1.gz share/man/man1/quintor2.1.gz")
                            .split(' ');
    for (const char* sheet : {"dark", "light", "system", "theme"})
        files << QString("share/quintor/themes/%1.css").arg(sheet);
    for (const QString& id : {EditorId(), RunnerId()})
        files << "share/applications/" + id + ".desktop"
              << "share/metainfo/" + id + ".metainfo.xml";
    for (const char* icon :
         {"apps/qtedit2", "apps/quintor2", "mimetypes/application-x-quintor-launcher"}) {
        for (int size : {16, 32, 48, 64, 128, 256})
            files << QString("share/icons/hicolor/%1x%1/%2.png").arg(size).arg(icon);
        files << QString("share/icons/hicolor/scalable/%1.svg").arg(icon);
    }
    return files.sort(), files;
}

// The files under Root, relative to it, sorted.
inline QStringList Found(const QString& Root) {
    QStringList files;
    for (QDirIterator it(Root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << QDir(Root).relativeFilePath(it.next());
    return files.sort(), files;
}

} // namespace InstalledFiles
