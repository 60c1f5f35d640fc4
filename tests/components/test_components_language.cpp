// Shared texts in the user's language: a damaged file's description and the file dialogs'
// filters, whose patterns must survive every translation; in English exactly as before.
#include "components/AppError.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "components/dialogs/FileFilter.h"
#include "components/platform/FileKinds.h"
#include "support/DataRows.h"
#include "support/SpokenLanguage.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace DataRows;

namespace {
const QStringList Catalogues = {QStringLiteral("components")};

QString DescriptionOf(const QString& Path) {
    try {
        PackStore().PackOpen(Path);
    } catch (const AppError& e) {
        return e.Description + QStringLiteral(", ") + QString::number(e.Number);
    }
    return {};
}
} // namespace

class TestComponentsLanguage : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void cleanupTestCase() { SpeakLanguage(QStringLiteral("C"), Catalogues); }

    void damagedFile_data() {
        Columns<QString, QByteArray, QString>({"Locale", "Bytes", "Expected"});
        Row("German, foreign", "de_DE", QByteArray("PK\3\4 not ours"),
            "Ungültiges Dateiformat: die Datei ist keine Starterdatei (keine QTFP-Signatur), 321");
        Row("French, too short", "fr_FR", QByteArray("QT"),
            "Format de fichier non valide : le fichier est trop court pour être un fichier de "
            "lanceur, 321");
        Row("English, every digit of the count", "C", QByteArray("QTFP\xff\xff\xff\xff", 8),
            "Invalid file format: the directory of 4294967295 entries is longer than the "
            "file, 321");
    }
    void damagedFile() {
        SpeakLanguage(Fetch("Locale"), Catalogues);
        const QString path = Dir.filePath(QStringLiteral("damaged.qtf"));
        QVERIFY(TestFiles::Write(path, Fetch<QByteArray>("Bytes")));
        QCOMPARE(DescriptionOf(path), Fetch("Expected"));
    }

    // Translated labels, the same patterns as in English.
    void filters_data() {
        Texts({"Locale", "Kind", "Labels"});
        Row("German icons", "de_DE", "icons",
            "Alle Symbole|Symbol|Bitmap-Bild|GIF-Bild|JPEG-Bilder");
        Row("French programs", "fr_FR", "programs",
            "Programmes et entrées de bureau|Programmes|Entrées de bureau");
    }
    void filters() {
        const auto filter = [] {
            return Fetch("Kind") == "icons" ? FileKinds::IconsFilter()
                                            : FileKinds::ProgramsFilter();
        };
        SpeakLanguage(QStringLiteral("C"), Catalogues);
        const QList<FilterEntry> english = ParseFilter(filter());
        SpeakLanguage(Fetch("Locale"), Catalogues);
        const QList<FilterEntry> shown = ParseFilter(filter());
        QStringList labels;
        for (const FilterEntry& entry : shown)
            labels << entry.Label;
        QCOMPARE(labels.join('|'), Fetch("Labels"));
        QCOMPARE(shown.size(), english.size());
        for (qsizetype i = 0; i < shown.size(); ++i)
            QCOMPARE(shown[i].Patterns, english[i].Patterns);
    }

    // The English filters as they always were, byte for byte.
    void englishFiltersUnchanged() {
        SpeakLanguage(QStringLiteral("C"), Catalogues);
        QCOMPARE(FileKinds::IconsFilter(),
                 QStringLiteral(
                     "All Icons (*.png;*.svg;*.xpm;*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif)|"
                     "*.png;*.svg;*.xpm;*.ico;*.bmp;*.gif;*.jpg;*.jpeg;*.jpe;*.jfif|"
                     "Icon (*.png;*.svg;*.xpm;*.ico)|*.png;*.svg;*.xpm;*.ico|"
                     "Bitmap Image (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif|"
                     "JPEG Images (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|"));
        QCOMPARE(FileKinds::ProgramsFilter(),
                 "Programs and Desktop Entries|" + ExecutableFilesPattern + ";*.desktop|Programs|" +
                     ExecutableFilesPattern + "|Desktop Entries (*.desktop)|*.desktop|");
    }
};

QTEST_GUILESS_MAIN(TestComponentsLanguage)
#include "test_components_language.moc"
