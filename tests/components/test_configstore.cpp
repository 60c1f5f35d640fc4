#include "components/ConfigStore.h"

#include <QtTest>

class TestConfigStore : public QObject {
    Q_OBJECT

private slots:
    void loadText() {
        ConfigStore store;
        store.SetValue("Stale", "from an earlier page");
        store.LoadText(
            "\r\n\nW=492\r\nExec=a=b=c\nA=1\rB=\njunk\n=x\nA=2\nT=Caf\xc3\xa9\r\nIcon=/a.ico\r");
        QStringList values;
        for (const char* key : {"W", "Exec", "A", "B", "T", "Icon", "Stale", "junk", "", "icon"})
            values << store.GetValue(key);
        QCOMPARE(values, QStringList({"492", "a=b=c", "2", "", "Caf\xc3\xa9", "/a.ico",
                                      "[NOT FOUND]", "[NOT FOUND]", "[NOT FOUND]", "[NOT FOUND]"}));
    }

    // List values through a save and a load: each comes back exactly, no line break in one
    // starts a key of its own, and the loaded store's index answers for them.
    void listValuesSavedAndLoaded() {
        QTemporaryDir dir;
        const QStringList values = QString("/bin/A|/bin/b|/bin/A||C:\\x.exe|ends in \\|cr\rlf\r\n|"
                                           "\\n is not a break|\xe6\x97\xa5=|/bin/x\nIcon1=/home/u")
                                       .split('|');
        ConfigStore store, loaded;
        for (const QString& exe : values) {
            store.IncrementCount("Icons");
            store.SetListValue("Icons", "EXE", exe);
        }
        store.SaveToFile(dir.filePath("Icons.txt"));
        loaded.LoadFile(dir.filePath("Icons.txt"));
        QStringList got = {loaded.GetValue("Icon1")};
        for (int i = 1; i <= values.size(); ++i)
            got << loaded.GetValue("EXE" + QString::number(i));
        QCOMPARE(got, QStringList(ConfigStore::NotFound) + values);
        const auto find = [&](const QString& Value, bool IgnoreCase) {
            return loaded.FindListValue("Icons", "EXE", Value, IgnoreCase);
        };
        const QVector<int> before = {find("/bin/A", false), find("/BIN/B", false),
                                     find("/BIN/B", true)};
        loaded.SetValue("EXE1", "/bin/c"); // the index follows a changed value
        QCOMPARE(before + QVector<int>({find("/bin/A", false), find("/bin/C", true)}),
                 QVector<int>({1, 0, 2, 3, 1}));
        // a count from a damaged file: counting on from the largest number must not wrap
        loaded.SetValue("Icons", "2147483647");
        loaded.IncrementCount("Icons");
        QCOMPARE(loaded.GetValue("Icons"), QString("2147483648"));
    }
};

QTEST_GUILESS_MAIN(TestConfigStore)
#include "test_configstore.moc"
