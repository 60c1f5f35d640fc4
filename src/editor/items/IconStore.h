#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Pictures that come inside other files (the icons of imported bookmarks), kept as PNG
// files in a folder of the user's own, each named by the hash of its bytes, so that a
// picture seen again, in this import or a later one, is the file already there.
class IconStore {
public:
    // Folder: where the files go; made, readable by the user alone, when first needed.
    explicit IconStore(QString Folder = DefaultFolder());

    // $XDG_DATA_HOME/quintor/icons.
    static QString DefaultFolder();

    // The file holding the picture in Bytes, written the first time; the empty text when
    // Bytes is not a picture. Throws AppError when the file cannot be written.
    QString Keep(const QByteArray& Bytes);

    int Written() const { return WrittenFiles; }

private:
    QString Folder;
    bool FolderMade = false;
    QHash<QByteArray, QString> Known; // the bytes as they came -> the file
    int WrittenFiles = 0;
};
