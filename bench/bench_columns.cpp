// Whole-column operations on 10,000 item rows shown in a list view, and an import of
// a file of 10,000 rows: each should feel instant.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "items/ColumnOps.h"
#include "items/ColumnReplace.h"
#include "items/ImportItems.h"

#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

namespace {

constexpr int Rows = 10000;

QVector<LauncherItem> MakeRows() {
    QVector<LauncherItem> rows;
    rows.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        LauncherItem item;
        item[cellDescription] = QStringLiteral("Program %1").arg(r);
        item[cellCommand] = QStringLiteral("C:\\Program Files\\Vendor\\App%1.exe").arg(r);
        item[cellParameters] = QStringLiteral("--Open \"File %1\"").arg(r);
        item[cellStartIn] = QStringLiteral("C:\\Work\\Folder%1").arg(r % 100);
        item[cellIcon] = QStringLiteral("C:\\Icons\\I%1.ico").arg(r % 50);
        item[cellRun] = QStringLiteral("Normal Window");
        item[cellComments] = QStringLiteral("Comment %1").arg(r);
        if (r % 100 == 0)
            item[cellDescription] = QStringLiteral("SECTION:S%1;Columns:5").arg(r);
        rows.append(item);
    }
    return rows;
}

} // namespace

class BenchColumns : public QObject {
    Q_OBJECT

private slots:
    void replaceAllCaseFolded() {
        LauncherDocument doc;
        QTreeView view;
        view.setModel(&doc.Items);
        view.show();
        doc.Items.ReplaceAll(MakeRows());
        // Once: the first run changes every cell, which is the costly case.
        QBENCHMARK_ONCE {
            ColumnReplace::ReplaceAll(doc.Items, {QStringLiteral("c:\\program files"),
                                                  QStringLiteral("D:\\Apps"),
                                                  false,
                                                  {0, 1, 2, 3, 4, 6}});
        }
    }
    void swapDescriptionAndCommand() {
        LauncherDocument doc;
        QTreeView view;
        view.setModel(&doc.Items);
        view.show();
        doc.Items.ReplaceAll(MakeRows());
        QBENCHMARK {
            ColumnOps::Apply(doc.Items, ColumnOps::opSwap, 0, 1);
        }
    }
    void importFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("big.qtf"));
        {
            LauncherDocument source;
            source.Items.ReplaceAll(MakeRows());
            LauncherFile::SaveFile(source, file);
        }
        ScriptedUserDialogs dialogs;
        QBENCHMARK {
            LauncherDocument doc;
            ImportItems::Import(doc, dialogs, file, QStringLiteral("Imported"));
        }
    }
};

QTEST_MAIN(BenchColumns)
#include "bench_columns.moc"
