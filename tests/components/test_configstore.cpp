#include "ConfigStore.h"
#include "DataRow.h"
#include "ErrorOf.h"

#include <QtTest>

class TestConfigStore : public QObject {
    Q_OBJECT

private slots:
    void loadText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        DataRow("CR LF, blank lines", "\r\n\nWidth=492\r\nHeight=412\r\n", "Height", "412");
        DataRow("last line lone CR", "Width=492\r\nIcon=/p/a.ico\r", "Icon", "/p/a.ico");
        DataRow("lone CR between lines", "A=1\rB=2", "B", "2");
        DataRow("equals in value", "Exec=a=b=c\n", "Exec", "a=b=c");
        DataRow("later line wins", "A=1\nA=2\n", "A", "2");
        DataRow("line without equals", "junk\nA=1", "junk", "[NOT FOUND]");
        DataRow("key case matters", "Icon=a", "icon", "[NOT FOUND]");
        DataRow("non-ASCII", "Titel=Caf\xc3\xa9\r\n", "Titel", "Caf\xc3\xa9");
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
        }
        store.SetValue("EXE7", "/bin/z"); // beyond the count: not in the list
        const auto find = [&](const QString& Value, bool IgnoreCase) {
            return store.FindListValue("Icons", "EXE", Value, IgnoreCase);
        };
        QCOMPARE(QVector<int>({find("/bin/A", false), find("/BIN/B", false), find("/BIN/B", true),
                               find("/bin/z", false)}),
                 QVector<int>({1, 0, 2, 0}));
        store.SetValue("EXE1", "/bin/c"); // the index follows a changed value
        QCOMPARE(QVector<int>({find("/bin/A", false), find("/bin/C", true)}), QVector<int>({3, 1}));
        // a count from a damaged file: counting on from the largest number must not wrap
        store.SetValue("Icons", "2147483647");
        store.IncrementCount("Icons");
        QCOMPARE(store.GetValue("Icons"), QString("2147483648"));
        store.ClearAll();
        QCOMPARE(find("/bin/b", true), 0);
    }

    void saveAndLoadFileKeepEveryValue() {
        QTemporaryDir dir;
        const QStringList values = {"",
                                    "C:\\Program Files\\x.exe",
                                    "ends in \\",
                                    "cr\rlf\r\n",
                                    "\\n is not a break",
                                    "\xe6\x97\xa5=",
                                    "/bin/x\nIcon1=/home/user/precious"};
        ConfigStore store, loaded;
        for (int i = 0; i < values.size(); ++i)
            store.SetValue("K" + QString::number(i), values[i]);
        store.SaveToFile(dir.filePath("Icons.txt"));
        loaded.LoadFile(dir.filePath("Icons.txt"));
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(loaded.GetValue("K" + QString::number(i)), values[i]);
        QCOMPARE(loaded.GetValue("Icon1"), ConfigStore::NotFound); // no key smuggled in
        QCOMPARE(ErrorOf([&] { loaded.LoadFile(dir.filePath("missing")); }), ErrNo::FileNotFound);
    }
};

QTEST_GUILESS_MAIN(TestConfigStore)
#include "test_configstore.moc"
