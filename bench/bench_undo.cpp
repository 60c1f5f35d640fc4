// Undo and redo on a document of 10,000 rows (100 sections of 99 items), shown in the
// editor's item list: one item's delete, and a Replace that changed every row. Prints
// the medians and worst times and the memory each step holds in the history.
#include "document/LauncherDocument.h"
#include "items/ColumnReplace.h"
#include "items/ItemListOps.h"
#include "shell/ItemListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

QVector<LauncherItem> Rows() {
    QVector<LauncherItem> rows;
    for (int s = 0; s < 100; ++s) {
        LauncherItem section;
        section[cellDescription] =
            QStringLiteral("SECTION:S%1;Columns:5;Icon size:32;Icons above:True;Table border:False")
                .arg(s);
        rows << section;
        for (int i = 0; i < 99; ++i) {
            LauncherItem item;
            item[cellDescription] = QStringLiteral("Item %1.%2").arg(s).arg(i);
            item[cellCommand] = QStringLiteral("/usr/bin/program-%1").arg(i);
            item[cellParameters] = QStringLiteral("--option value %1").arg(i);
            item[cellStartIn] = QStringLiteral("/home/user/work");
            item[cellRun] = QStringLiteral("Normal Window");
            item[cellComments] = QStringLiteral("A comment for item %1").arg(i);
            rows << item;
        }
    }
    return rows;
}

struct Times {
    QVector<qint64> Undo, Redo, UndoModel;
};

// Undo and redo the last step Repeats times; each time includes the view catching up.
Times Measure(LauncherDocument& Doc, int Repeats) {
    Times times;
    for (int r = 0; r < Repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        Doc.Undo();
        times.UndoModel << timer.nsecsElapsed();
        QCoreApplication::processEvents();
        times.Undo << timer.nsecsElapsed();
        timer.restart();
        Doc.Redo();
        QCoreApplication::processEvents();
        times.Redo << timer.nsecsElapsed();
    }
    return times;
}

// What the view alone costs: its whole list laid out again and repainted, as after any
// row added or removed by any command.
double RelayoutMs(QTreeView& View, int Repeats) {
    QVector<qint64> times;
    for (int r = 0; r < Repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        View.doItemsLayout();
        View.viewport()->update();
        QCoreApplication::processEvents();
        times << timer.nsecsElapsed();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] / 1e6;
}

void Report(QTextStream& Out, const char* Name, Times T, qint64 Bytes) {
    for (QVector<qint64>* list : {&T.Undo, &T.Redo, &T.UndoModel})
        std::sort(list->begin(), list->end());
    const auto ms = [](qint64 Ns) { return Ns / 1e6; };
    Out << Name << ": undo median " << ms(T.Undo[T.Undo.size() / 2]) << " ms, worst "
        << ms(T.Undo.last()) << " ms; redo median " << ms(T.Redo[T.Redo.size() / 2])
        << " ms, worst " << ms(T.Redo.last()) << " ms; the step holds " << Bytes / 1024.0
        << " KiB (undo without the view catching up: median "
        << ms(T.UndoModel[T.UndoModel.size() / 2]) << " ms)\n";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    // The editor's item list, and for comparison a plain list view without section rows
    // spanning the columns.
    for (const bool editorList : {true, false}) {
        LauncherDocument doc;
        {
            const EditHistory::Pause quiet = doc.History.Suspend();
            doc.Items.ReplaceAll(Rows());
        }
        doc.History.Clear();
        std::unique_ptr<QTreeView> view(editorList ? new ItemListView(doc.Items) : new QTreeView);
        if (!editorList) {
            view->setUniformRowHeights(true);
            view->setModel(&doc.Items);
        }
        view->resize(900, 600);
        view->show();
        QCoreApplication::processEvents();
        out << (editorList ? "the editor's item list" : "a plain tree view") << ", rows "
            << doc.Items.Count() << "\n";
        out << "  the view laid out and repainted whole (after any row added or removed): "
               "median "
            << RelayoutMs(*view, 100) << " ms\n";

        {
            const EditHistory::Step step = doc.History.Begin(QStringLiteral("Delete item"));
            ItemListOps::DeleteRow(doc.Items, 5002, {5002});
        }
        Report(out, "  delete of one item", Measure(doc, 100), doc.History.Bytes());
        doc.History.Clear();

        // Every Command of every item row changes.
        {
            const EditHistory::Step step = doc.History.Begin(QStringLiteral("Replace"));
            ReplaceRequest request;
            request.Find = QStringLiteral("/usr/bin/");
            request.Replacement = QStringLiteral("/opt/tools/bin/");
            request.MatchCase = true;
            request.Cells = {cellCommand};
            ColumnReplace::ReplaceAll(doc.Items, request);
        }
        Report(out, "  Replace over all 9,900 item rows", Measure(doc, 30), doc.History.Bytes());
    }
    return 0;
}
