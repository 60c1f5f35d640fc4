#pragma once

// A desktop of the test's own: data folders, application entries, an icon theme and
// programs, so that no test depends on what the machine has installed.
#include "support/TestFiles.h"

#include <QImage>

namespace DesktopFixture {

inline QString Home(const QString& Root) {
    return Root + "/home";
}
inline QString System(const QString& Root) {
    return Root + "/system";
}

// Call before anything reads the data folders (GLib keeps them from its first look):
// from initMain, before the application object exists.
inline void Use(const QString& Root) {
    qputenv("XDG_DATA_HOME", Home(Root).toUtf8());
    qputenv("XDG_DATA_DIRS", System(Root).toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "TestDesk");
}

// An application entry: Type=Application and these lines, under DataFolder.
inline bool Entry(const QString& DataFolder, const QString& Name, const QString& Lines) {
    return TestFiles::Write(DataFolder + "/applications/" + Name + ".desktop",
                            ("[Desktop Entry]\nType=Application\n" + Lines + '\n').toUtf8());
}

// A square picture of one colour, in the format its extension names.
inline bool Picture(const QString& Path, int Side, Qt::GlobalColor Colour = Qt::red) {
    QDir().mkpath(QFileInfo(Path).absolutePath());
    if (Path.endsWith(".svg")) // themes find it by name: its drawing does not matter
        return TestFiles::Write(Path, "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    QImage image(Side, Side, QImage::Format_ARGB32);
    image.fill(Colour);
    return image.save(Path);
}

// A theme under DataFolder/icons: index.theme with these lines after its head.
inline bool Theme(const QString& DataFolder, const QString& Name, const QString& Lines) {
    return TestFiles::Write(DataFolder + "/icons/" + Name + "/index.theme",
                            ("[Icon Theme]\nName=" + Name + '\n' + Lines + '\n').toUtf8());
}

} // namespace DesktopFixture
