#include "AppError.h"
#include "ConfigStore.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestConfigStore : public QObject {
    Q_OBJECT

private slots:
    void loadText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("CR LF") << "Width=492\r\nHeight=412\r\n"
                               << "Height"
                               << "412";
        QTest::newRow("LF") << "Width=492\nHeight=412\n"
                            << "Width"
                            << "492";
        QTest::newRow("last line lone CR") << "Width=492\r\nIcon=/p/a.ico\r"
                                           << "Icon"
                                           << "/p/a.ico";
        QTest::newRow("lone CR between lines") << "A=1\rB=2"
                                               << "B"
                                               << "2";
        QTest::newRow("no line end") << "Closable=False"
                                     << "Closable"
                                     << "False";
        QTest::newRow("equals in value") << "Exec=a=b=c\r\n"
                                         << "Exec"
                                         << "a=b=c";
        QTest::newRow("empty value") << "Icon=\r\n"
                                     << "Icon"
                                     << "";
        QTest::newRow("blank lines") << "\r\n\r\n\nA=1\r\n\r\n"
                                     << "A"
                                     << "1";
        QTest::newRow("later line wins") << "A=1\nA=2\n"
                                         << "A"
                                         << "2";
        QTest::newRow("line without equals") << "junk\nA=1"
                                             << "junk"
                                             << "[NOT FOUND]";
        QTest::newRow("empty key ignored") << "=x\nA=1"
                                           << ""
                                           << "[NOT FOUND]";
        QTest::newRow("missing key") << "A=1"
                                     << "B"
                                     << "[NOT FOUND]";
        QTest::newRow("key case matters") << "Icon=a"
                                          << "icon"
                                          << "[NOT FOUND]";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Titel=Caf\xc3\xa9\r\n") << "Titel"
                                   << QString::fromUtf8("Caf\xc3\xa9");
    }

    void loadText() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        ConfigStore store;
        store.SetValue("Stale", "from an earlier page");
        store.LoadText(text);
        QCOMPARE(store.GetValue(key), value);
        QCOMPARE(store.GetValue("Stale"), ConfigStore::NotFound);
    }

    void listValues() {
        ConfigStore store;
        for (const QString exe : {"/bin/A", "/bin/b", "/bin/A"}) {
            store.IncrementCount("Icons");
            store.SetListValue("Icons", "EXE", exe);
            store.SetListValue("Icons", "Icon", exe + ".ico");
        }
        QCOMPARE(store.GetValue("Icons"), QString("3"));
        QCOMPARE(store.GetValue("EXE2"), QString("/bin/b"));
        QCOMPARE(store.FindListValue("Icons", "EXE", "/bin/A", false), 1); // the smallest k
        QCOMPARE(store.FindListValue("Icons", "EXE", "/BIN/B", false), 0);
        QCOMPARE(store.FindListValue("Icons", "EXE", "/BIN/B", true), 2);
        QCOMPARE(store.FindListValue("Icons", "EXE", "/bin/A.ico", false), 0); // other prefix
        QCOMPARE(store.FindListValue("Icons", "Icon", "/bin/A.ico", false), 1);
        QCOMPARE(store.FindListValue("Other", "EXE", "/bin/A", false), 0); // count 0
        // a value changed away is no longer found under its old text
        store.SetValue("EXE1", "/bin/c");
        QCOMPARE(store.FindListValue("Icons", "EXE", "/bin/A", false), 3);
        QCOMPARE(store.FindListValue("Icons", "EXE", "/bin/C", true), 1);
        // keys beyond the count are not in the list
        store.SetValue("EXE7", "/bin/z");
        QCOMPARE(store.FindListValue("Icons", "EXE", "/bin/z", false), 0);
        // a count from a damaged file: counting on from the largest number must not wrap
        store.SetValue("Icons", "2147483647");
        store.IncrementCount("Icons");
        QCOMPARE(store.GetValue("Icons"), QString("2147483648"));
        store.ClearAll();
        QCOMPARE(store.GetValue("Icons"), ConfigStore::NotFound);
        QCOMPARE(store.FindListValue("Icons", "EXE", "/bin/b", true), 0);
    }

    void saveAndLoadFileKeepEveryValue() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Icons.txt");
        ConfigStore store;
        const QStringList values = {"plain",
                                    "",
                                    "C:\\Program Files\\x.exe",
                                    "ends in backslash\\",
                                    "line\nbreak",
                                    "cr\rlf\r\n",
                                    "\\n is not a break",
                                    QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac"),
                                    "a=b"};
        for (int i = 0; i < values.size(); ++i)
            store.SetValue(QStringLiteral("K%1").arg(i), values[i]);
        // a value that looks like more lines must not become keys of its own
        store.SetValue("EXE1", "/bin/x\r\nIcon1=/home/user/precious");
        store.SaveToFile(path);
        ConfigStore loaded;
        loaded.LoadFile(path);
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(loaded.GetValue(QStringLiteral("K%1").arg(i)), values[i]);
        QCOMPARE(loaded.GetValue("Icon1"), ConfigStore::NotFound);
        QCOMPARE(loaded.GetValue("EXE1"), store.GetValue("EXE1"));
    }

    void loadFileErrors() {
        ConfigStore store;
        try {
            store.LoadFile(QStringLiteral("/nonexistent/Icons.txt"));
            QFAIL("no error");
        } catch (const AppError& e) {
            QCOMPARE(e.Number, 53);
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigStore)
#include "test_configstore.moc"
