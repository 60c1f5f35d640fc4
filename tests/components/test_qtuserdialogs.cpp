// The user-dialogs port on Qt's own dialogs, driven as a user would: what each dialog
// shows and what it answers.
#include "FileFilter.h"
#include "QtUserDialogs.h"
#include "TestFiles.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// Runs Action on the modal dialog the port is about to show, once it is up.
void WhenShown(std::function<void(QWidget&)> Action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, Action] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            Action(*dialog);
        }
    });
    poll->start(10);
}

// The names a file dialog lists in its folder, once it has read them.
QStringList Listed(QFileDialog& Dialog) {
    auto* view = Dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
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
        WhenShown([&](QWidget& Box) {
            auto* label = Box.findChild<QLabel*>("qt_msgbox_label");
            shown << QString::number(label->textFormat()) + label->text();
            static_cast<QDialog&>(Box).reject();
        });
        static_cast<UserDialogs&>(Port).MsgBox(text, MsgButtons::YesNoCancel, MsgIcon::Question,
                                               "Quintor Editor");
        WhenShown([&](QWidget& Prompt) {
            for (QLabel* label : Prompt.findChildren<QLabel*>())
                shown << QString::number(label->textFormat()) + label->text();
            static_cast<QDialog&>(Prompt).reject();
        });
        QCOMPARE(Port.InputBox(text, "Title", "x"), std::nullopt);
        const QString plain = QString::number(Qt::PlainText);
        QCOMPARE(shown, (QStringList{plain + text, plain + text}));
    }

    // Opened on "Font" empty (the page's default family) with bold, italic and a size: OK
    // without a change gives them all back, and "Font" and the size stay unset.
    void fontDialogRoundTrip_data() {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<double>("Size"); // 0: none
        QTest::addColumn<bool>("Bold");
        QTest::addColumn<bool>("Italic");
        QTest::addColumn<bool>("PickOtherFamily");
        QTest::addRow("Font empty, bold italic") << "" << 0.0 << true << true << false;
        QTest::addRow("Font empty, size 13") << "" << 13.0 << false << true << false;
        QTest::addRow("a family, plain") << "DejaVu Sans Mono" << 10.5 << false << false << false;
        QTest::addRow("another family picked") << "" << 0.0 << true << false << true;
    }
    void fontDialogRoundTrip() {
        QFETCH(QString, Name);
        QFETCH(double, Size);
        QFETCH(bool, Bold);
        QFETCH(bool, Italic);
        QFETCH(bool, PickOtherFamily);
        FontChoice initial;
        initial.Name = Name;
        initial.Size = Size;
        initial.HasSize = Size > 0;
        initial.Bold = Bold;
        initial.Italic = Italic;
        initial.Underline = true;
        initial.Colour = Qt::darkGreen;
        QString other;
        WhenShown([&](QWidget& Dialog) {
            auto& fonts = static_cast<QFontDialog&>(Dialog);
            if (PickOtherFamily) {
                const QString opened = fonts.currentFont().family();
                for (const QString& family : QFontDatabase::families())
                    if (family != opened && QFontDatabase::isSmoothlyScalable(family) &&
                        other.isEmpty())
                        other = family;
                QFont font = fonts.currentFont();
                font.setFamily(other);
                fonts.setCurrentFont(font);
            }
            fonts.accept();
        });
        const std::optional<FontChoice> chosen = Port.FontDialog(initial);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->Name, PickOtherFamily ? other : Name);
        QCOMPARE(chosen->HasSize, initial.HasSize);
        QCOMPARE(chosen->Size, Size);
        QCOMPARE(chosen->Bold, Bold);
        QCOMPARE(chosen->Italic, Italic);
        QVERIFY(chosen->Underline && !chosen->Strikethrough && chosen->Colour == initial.Colour);
    }

    // A save dialog adds the chosen entry's extension to a name typed without one.
    void saveAddsTheChosenExtension_data() {
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<int>("Entry");
        QTest::addColumn<QString>("Saved");
        QTest::addRow("no extension") << "mypage" << 0 << "mypage.qtf";
        QTest::addRow("own extension") << "my.page" << 0 << "my.page";
        QTest::addRow("All files chosen") << "mypage" << 1 << "mypage";
        QTest::addRow("second pattern") << "page.html" << 2 << "page.html";
        QTest::addRow("first pattern added") << "page" << 2 << "page.htm";
    }
    void saveAddsTheChosenExtension() {
        QFETCH(QString, Typed);
        QFETCH(int, Entry);
        QFETCH(QString, Saved);
        FileDialogRequest request;
        request.Title = "Save";
        request.Filter = "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*|HTML Document "
                         "(*.htm;*.html)|*.htm;*.html";
        request.Save = true;
        WhenShown([&](QWidget& Dialog) {
            auto& files = static_cast<QFileDialog&>(Dialog);
            files.setDirectory(Dir.path());
            files.selectNameFilter(files.nameFilters().value(Entry));
            emit files.filterSelected(files.nameFilters().value(Entry)); // as a user's pick
            files.findChild<QLineEdit*>("fileNameEdit")->setText(Typed); // typed, as a user does
            static_cast<QDialog&>(files).accept();
        });
        QCOMPARE(Port.FileDialog(request), std::optional(Dir.filePath(Saved)));
    }

    // Programs carry no extension: the first entry of a command's filter lists the
    // executable files (and desktop entries) of a folder, "All Files" everything.
    void programsEntryListsExecutables() {
        const QString folder = Dir.filePath("bin");
        for (const char* name : {"bin/tool", "bin/notes.txt", "bin/app.desktop", "bin/sub/x"})
            QVERIFY(TestFiles::Write(Dir.filePath(name), "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(folder + "/tool", QFile::ReadOwner | QFile::ExeOwner));
        FileDialogRequest request;
        request.Filter = "Programs|" + ExecutableFilesPattern + ";*.desktop|All Files (*.*)|*.*";
        QStringList programs, all;
        WhenShown([&](QWidget& Dialog) {
            auto& files = static_cast<QFileDialog&>(Dialog);
            files.setDirectory(folder);
            QTRY_COMPARE_WITH_TIMEOUT(Listed(files).size(), 3, 5000);
            programs = Listed(files);
            files.selectNameFilter(files.nameFilters().value(1));
            emit files.filterSelected(files.nameFilters().value(1));
            QTRY_COMPARE_WITH_TIMEOUT(Listed(files).size(), 4, 5000);
            all = Listed(files);
            files.reject();
        });
        QCOMPARE(Port.FileDialog(request), std::nullopt);
        QCOMPARE(programs, (QStringList{"app.desktop", "sub", "tool"}));
        QCOMPARE(all, (QStringList{"app.desktop", "notes.txt", "sub", "tool"}));
    }
};

QTEST_MAIN(TestQtUserDialogs)
#include "test_qtuserdialogs.moc"
