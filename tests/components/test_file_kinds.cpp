// The file dialogs' filters in the user's language: only their labels are translated, the
// patterns stay whatever the language; in English exactly as before.
#include "components/UserDialogs.h"
#include "components/dialogs/FileFilter.h"
#include "components/platform/FileKinds.h"
#include "support/DataRows.h"
#include "support/SpokenLanguage.h"

#include <QTest>

using namespace DataRows;

namespace {
const QStringList Catalogues = {QStringLiteral("components")};
} // namespace

class TestFileKinds : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { SpeakLanguage(QStringLiteral("C"), Catalogues); }

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

QTEST_GUILESS_MAIN(TestFileKinds)
#include "test_file_kinds.moc"
