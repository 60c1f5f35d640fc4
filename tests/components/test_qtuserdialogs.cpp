// The user-dialogs port on Qt's own dialogs, driven as a user would.
#include "components/dialogs/QtUserDialogs.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// Runs Action on the modal dialog the port is about to show, once it is up; then closes it.
template <typename Dialog> void WhenShown(std::function<void(Dialog&)> Action, bool Accept) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            Action(*dialog);
            Accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        }
    });
    poll->start(10);
}

QStringList Listed(QFileDialog& Dialog) { // what the dialog lists in its folder
    auto* view = Dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    return names.sort(), names;
}

} // namespace

class TestQtUserDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QtUserDialogs Port;

private slots:
    // A text the user typed (a title, a path) is shown as typed, never read as markup.
    void textsShownAsTyped() {
        const QString text = "The file '<b>Bold</b> &amp; x'  has changed.";
        QStringList shown;
        WhenShown<QDialog>(
            [&](QDialog& Box) {
                for (QLabel* label : Box.findChildren<QLabel*>())
                    if (!label->text().isEmpty())
                        shown << QString::number(label->textFormat()) + label->text();
            },
            false);
        static_cast<UserDialogs&>(Port).MsgBox(text, MsgButtons::YesNo, MsgIcon::None, "T");
        QCOMPARE(shown, QStringList(QString::number(Qt::PlainText) + text));
    }

    // OK without a change gives back what the dialog was opened on; with "Font" empty it
    // opens on the family the page's default stands for, and "Font" and the size stay unset.
    void fontDialogRoundTrip() {
        for (const FontChoice& initial :
             {FontChoice{"", 0, false, true, true, false, true, Qt::darkGreen},
              FontChoice{"DejaVu Sans Mono", 13, true, false, false, false, true, Qt::darkGreen}}) {
            WhenShown<QFontDialog>([](QFontDialog&) {}, true);
            QCOMPARE(FontLine(Port.FontDialog(initial).value_or(FontChoice{"(cancelled)"})),
                     FontLine(initial));
        }
    }

    // A save dialog adds the chosen entry's extension to a name typed without one.
    void saveAddsTheChosenExtension() {
        FileDialogRequest request;
        request.Filter = "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*";
        request.Save = true;
        for (const auto& [entry, saved] : {std::pair{0, "mypage.qtf"}, {1, "mypage"}}) {
            WhenShown<QFileDialog>(
                [&, entry = entry](QFileDialog& Files) {
                    Files.setDirectory(Dir.path());
                    Files.selectNameFilter(Files.nameFilters().value(entry)); // as a user picks it
                    emit Files.filterSelected(Files.nameFilters().value(entry));
                    Files.findChild<QLineEdit*>("fileNameEdit")->setText("mypage");
                },
                true);
            QCOMPARE(Port.FileDialog(request), std::optional(Dir.filePath(saved)));
        }
    }

    // Programs carry no extension: an entry of executable files (and desktop entries) lists
    // them and the folders.
    void programsEntryListsExecutables() {
        for (const char* name : {"bin/tool", "bin/notes.txt", "bin/app.desktop", "bin/sub/x"})
            QVERIFY(TestFiles::Write(Dir.filePath(name), "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(Dir.filePath("bin/tool"), QFile::ExeOwner));
        FileDialogRequest request;
        request.Filter = "Programs|" + ExecutableFilesPattern + ";*.desktop|All Files (*.*)|*.*";
        QString listed;
        WhenShown<QFileDialog>(
            [&](QFileDialog& Files) {
                Files.setDirectory(Dir.filePath("bin"));
                QTRY_COMPARE_WITH_TIMEOUT(Listed(Files).size(), 3, 5000);
                listed = Listed(Files).join(' ');
            },
            false);
        Port.FileDialog(request);
        QCOMPARE(listed, QString("app.desktop sub tool"));
    }
};

QTEST_MAIN(TestQtUserDialogs)
#include "test_qtuserdialogs.moc"
