#include "ConfigStore.h"
#include "ErrorOf.h"

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
        const QVector<int> before = {find("/bin/A", false), find("/BIN/B", false),
                                     find("/BIN/B", true), find("/bin/z", false)};
        store.SetValue("EXE1", "/bin/c"); // the index follows a changed value
        QCOMPARE(before + QVector<int>({find("/bin/A", false), find("/bin/C", true)}),
                 QVector<int>({1, 0, 2, 0, 3, 1}));
        // a count from a damaged file: counting on from the largest number must not wrap
        store.SetValue("Icons", "2147483647");
        store.IncrementCount("Icons");
        QCOMPARE(store.GetValue("Icons"), QString("2147483648"));
        store.ClearAll();
        QCOMPARE(find("/bin/b", true), 0);
    }

    void saveAndLoadFileKeepEveryValue() {
        QTemporaryDir dir;
        const QStringList values = QString("|C:\\x.exe|ends in \\|cr\rlf\r\n|\\n is not a break|"
                                           "\xe6\x97\xa5=|/bin/x\nIcon1=/home/user/precious")
                                       .split('|');
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
