// Every catalogue is complete in every language we ship: a text added to the code without
// its translations, a translation that drops a placeholder or an access key, or a plural
// without all its forms fails here, before a user sees English in the middle of German.
#include "components/UiLanguage.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString SourceDir() {
    return qEnvironmentVariable("QUINTOR_SOURCE_DIR");
}

struct Message {
    QString Context;
    QString Source;
    QString Type;
    QStringList Translations; // one, or one per plural form
};

QList<Message> ReadMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("TS") || name == QLatin1String("context")) {
            continue;
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            Message message;
            message.Context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.Source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.Type = xml.attributes().value(QLatin1String("type")).toString();
                    bool plural = false;
                    QString text;
                    while (xml.readNext() != QXmlStreamReader::EndElement ||
                           xml.name() != QLatin1String("translation")) {
                        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                            plural = true;
                            message.Translations << xml.readElementText();
                        } else if (xml.isCharacters()) {
                            text += xml.text();
                        }
                        if (xml.atEnd())
                            break;
                    }
                    if (!plural)
                        message.Translations << text;
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        } else {
            xml.skipCurrentElement();
        }
    }
    return messages;
}

// Placeholders a translation must keep: %1..%99 and %n, each as often as the source.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|n)"));
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

// An access key: "&" before a letter or digit, "&&" being a literal ampersand.
bool HasAccessKey(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("(^|[^&])(&&)*&[^&\\s]"));
    return pattern.match(text).hasMatch();
}

QStringList Problems(const QList<Message>& messages) {
    QStringList problems;
    for (const Message& message : messages) {
        const QString where = message.Context + QStringLiteral(": \"") + message.Source + '"';
        if (message.Type == QLatin1String("vanished") || message.Type == QLatin1String("obsolete"))
            continue;
        if (message.Type == QLatin1String("unfinished")) {
            problems << where + QStringLiteral(" is not translated");
            continue;
        }
        for (const QString& translation : message.Translations) {
            if (translation.isEmpty())
                problems << where + QStringLiteral(" has an empty translation");
            else if (Placeholders(translation) != Placeholders(message.Source) &&
                     !(message.Source.contains(QLatin1String("%n")) &&
                       Placeholders(translation).join(',').remove(QStringLiteral("%n")) ==
                           Placeholders(message.Source).join(',').remove(QStringLiteral("%n"))))
                problems << where + QStringLiteral(" changes its placeholders: ") + translation;
            else if (HasAccessKey(translation) != HasAccessKey(message.Source))
                problems << where + QStringLiteral(" gains or loses its access key: ") +
                                translation;
        }
    }
    return problems;
}

// Catalogue name and the source folders its texts come from, as the build knows them.
QList<QPair<QString, QStringList>> Catalogues() {
    QList<QPair<QString, QStringList>> catalogues;
    for (const QString& entry : QStringLiteral(QUINTOR_CATALOGUES).split('|', Qt::SkipEmptyParts)) {
        const auto parts = entry.split('=');
        catalogues.append({parts.value(0), parts.value(1).split(',', Qt::SkipEmptyParts)});
    }
    return catalogues;
}

const QStringList ShippedLanguages = {QStringLiteral("de"), QStringLiteral("fr")};

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QStringList>("dirs");
        QTest::addColumn<QString>("language");
        for (const auto& [name, dirs] : Catalogues()) {
            for (const QString& language : ShippedLanguages)
                QTest::newRow(qPrintable(name + '_' + language)) << name << dirs << language;
        }
    }

    // The shipped file, brought up to date with the code as the update target would: a
    // text the code gained since shows up as not translated.
    void everyTextIsTranslated() {
        QFETCH(QString, catalogue);
        QFETCH(QStringList, dirs);
        QFETCH(QString, language);
        const QString shipped =
            SourceDir() + QStringLiteral("/translations/%1_%2.ts").arg(catalogue, language);
        QVERIFY2(QFile::exists(shipped), qPrintable(shipped));
        QTemporaryDir scratch;
        const QString scanned = scratch.filePath(QFileInfo(shipped).fileName());
        QVERIFY(QFile::copy(shipped, scanned));
        QFile::setPermissions(scanned, QFile::ReadOwner | QFile::WriteOwner);

        QProcess lupdate;
        lupdate.setWorkingDirectory(SourceDir());
        lupdate.start(QStringLiteral(QUINTOR_LUPDATE),
                      QStringLiteral(QUINTOR_LUPDATE_OPTIONS).split('|') + dirs +
                          QStringList{QStringLiteral("-ts"), scanned});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        const QList<Message> messages = ReadMessages(scanned);
        const QStringList problems = Problems(messages);
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 of %2 texts in %3:\n")
                                                    .arg(problems.size())
                                                    .arg(messages.size())
                                                    .arg(QFileInfo(shipped).fileName()) +
                                                problems.mid(0, 40).join('\n')));
    }

    void theCheckSeesWhatIsWrong_data() {
        QTest::addColumn<QString>("ts");
        QTest::addColumn<int>("problems");
        const QString head = QStringLiteral("<TS version=\"2.1\" language=\"de_DE\"><context>"
                                            "<name>X</name><message><source>");
        QTest::newRow("finished") << head + "Open %1</source><translation>%1 öffnen"
                                            "</translation></message></context></TS>"
                                  << 0;
        QTest::newRow("unfinished") << head + "Open</source><translation type=\"unfinished\">"
                                              "</translation></message></context></TS>"
                                    << 1;
        QTest::newRow("placeholder lost") << head + "Open %1</source><translation>Öffnen"
                                                    "</translation></message></context></TS>"
                                          << 1;
        QTest::newRow("access key lost") << head + "&amp;Open</source><translation>Öffnen"
                                                   "</translation></message></context></TS>"
                                         << 1;
        QTest::newRow("ampersand is no key") << head + "A &amp;&amp; B</source><translation>"
                                                       "A &amp;&amp; B</translation></message>"
                                                       "</context></TS>"
                                             << 0;
        QTest::newRow("plural form empty")
            << head + "%n items</source><translation><numerusform>%n Eintrag</numerusform>"
                      "<numerusform></numerusform></translation></message></context></TS>"
            << 1;
        QTest::newRow("singular without its count")
            << head + "%n items</source><translation><numerusform>ein Eintrag</numerusform>"
                      "<numerusform>%n Einträge</numerusform></translation></message>"
                      "</context></TS>"
            << 0;
    }

    void theCheckSeesWhatIsWrong() {
        QFETCH(QString, ts);
        QFETCH(int, problems);
        QTemporaryDir scratch;
        QFile file(scratch.filePath(QStringLiteral("x.ts")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ts.toUtf8());
        file.close();
        const QStringList found = Problems(ReadMessages(file.fileName()));
        QVERIFY2(found.size() == problems, qPrintable(found.join('\n')));
    }

    void theLocaleChoosesTheCatalogues_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("found");
        QTest::newRow("C") << "C" << false;
        QTest::newRow("English") << "en_US" << false;
        QTest::newRow("German") << "de_DE" << true;
        QTest::newRow("Austrian German") << "de_AT" << true;
        QTest::newRow("French") << "fr_FR" << true;
        QTest::newRow("Canadian French") << "fr_CA" << true;
        QTest::newRow("no catalogue") << "fi_FI" << false;
    }

    void theLocaleChoosesTheCatalogues() {
        QFETCH(QString, locale);
        QFETCH(bool, found);
        QLocale::setDefault(QLocale(locale));
        const QStringList all = {QStringLiteral("components"), QStringLiteral("qtedit2"),
                                 QStringLiteral("quintor2")};
        const QStringList installed = UiLanguage::Install(all);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(installed, found ? all : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
