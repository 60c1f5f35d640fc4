#include "components/platform/FileKinds.h"

#include "components/UserDialogs.h"

// Programs here carry no extension: they are the executable files, and the desktop
// entries that name them.
QString FileKinds::ProgramsFilter() {
    return QStringLiteral("Programs and Desktop Entries|") + ExecutableFilesPattern +
           QStringLiteral(";*.desktop|Programs|") + ExecutableFilesPattern +
           QStringLiteral("|Desktop Entries (*.desktop)|*.desktop|");
}

QString FileKinds::IconsFilter() {
    return QStringLiteral(
               "All Icons (*.png;*.svg;*.xpm;*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif)|"
               "*.png;*.svg;*.xpm;*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif|") +
           IconFilesFilter() +
           QStringLiteral("Bitmap Image (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif|"
                          "JPEG Images (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|");
}

QString FileKinds::IconFilesFilter() {
    return QStringLiteral("Icon (*.png;*.svg;*.xpm;*.ico)|*.png;*.svg;*.xpm;*.ico|");
}
