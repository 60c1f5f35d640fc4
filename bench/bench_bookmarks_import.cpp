// Import of an exported bookmarks file of 10,000 bookmarks in 100 folders (some nested),
// a quarter of them with an icon, 500 distinct pictures among those: the time the import
// command takes in the dialog, from the click to the result message, with the icon folder
// empty (every picture written) and again with it filled (every picture already there).
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/LauncherDocument.h"
#include "items/ImportItems.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

namespace {
constexpr int BookmarkCount = 10000;
constexpr int FolderCount = 100;
constexpr int PictureCount = 500;

QString DataIcon(int K) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(K * 7919 % 0xFFFFFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(bytes.toBase64());
}

QByteArray BookmarksFile() {
    QString text = QStringLiteral("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                                  "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                                  "charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n"
                                  "<H1>Bookmarks</H1>\n<DL><p>\n");
    const int perFolder = BookmarkCount / FolderCount;
    for (int f = 0; f < FolderCount; ++f) {
        // Every other folder lies inside the one before it.
        const bool nested = f % 2 == 1;
        text += QStringLiteral("    <DT><H3 ADD_DATE=\"1\">Folder %1 &amp; Co</H3>\n    <DL><p>\n")
                    .arg(f);
        for (int b = 0; b < perFolder; ++b) {
            const int n = f * perFolder + b;
            text +=
                QStringLiteral("        <DT><A HREF=\"https://site%1.example.org/page?id=%2&amp;"
                               "lang=en\" ADD_DATE=\"1700000000\"")
                    .arg(n % 977)
                    .arg(n);
            if (n % 4 == 0)
                text +=
                    QStringLiteral(" ICON=\"") + DataIcon(n / 4 % PictureCount) + QLatin1Char('"');
            text += QStringLiteral(">Page %1 &#8211; &quot;title&quot;</A>\n").arg(n);
            if (n % 10 == 0)
                text += QStringLiteral("<DD>What page %1 is about\n").arg(n);
        }
        if (!nested)
            continue;
        text += QStringLiteral("    </DL><p>\n    </DL><p>\n");
    }
    text += QStringLiteral("</DL><p>\n");
    return text.toUtf8();
}

qint64 Median(QVector<qint64> Times) {
    std::sort(Times.begin(), Times.end());
    return Times[Times.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the busy pointer of the dialog's command
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bookmarks.html"));
    const QByteArray bytes = BookmarksFile();
    TestFiles::Write(path, bytes);
    const QString icons = data.filePath(QStringLiteral("quintor/icons"));

    QTextStream out(stdout);
    out << "file: " << bytes.size() / 1024 << " KiB, " << BookmarkCount << " bookmarks\n";
    constexpr int Repeats = 7;
    QVector<qint64> empty, filled;
    int rows = 0;
    for (int r = 0; r < Repeats; ++r) {
        for (const bool fresh : {true, false}) {
            if (fresh)
                QDir(icons).removeRecursively();
            LauncherDocument doc;
            ScriptedUserDialogs dialogs;
            QElapsedTimer timer;
            timer.start();
            ImportItems::Import(doc, dialogs, path, QString());
            (fresh ? empty : filled) << timer.nsecsElapsed() / 1000;
            rows = doc.Items.Count();
            if (r == 0 && fresh)
                out << "message: " << dialogs.LastMessage().Text << "\n";
        }
    }
    out << "rows: " << rows << ", icon files: " << QDir(icons).entryList(QDir::Files).size()
        << "\n";
    out << "import, icon folder empty:  median " << Median(empty) / 1000.0 << " ms\n";
    out << "import, icon folder filled: median " << Median(filled) / 1000.0 << " ms\n";
    return 0;
}
