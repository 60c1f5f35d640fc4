#include "QtUserDialogs.h"

#include "components/dialogs/FileFilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <climits>
#include <cstdlib>

namespace {

// clang-format off
QMessageBox::Icon ToQt(MsgIcon Icon) {
    switch (Icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQt(MsgAnswer Answer) {
    switch (Answer) {
    case MsgAnswer::OK: return QMessageBox::Ok;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ToQt(MsgButtons Buttons) {
    switch (Buttons) {
    case MsgButtons::OK: return QMessageBox::Ok;
    case MsgButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}
// clang-format on

// Leaves out of a file dialog what the chosen filter entry does not take, where that is
// more than a name pattern can say: the executable files of an entry of programs.
class EntryFilesProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void Choose(const FilterEntry& Entry) {
        Chosen = Entry;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int Row, const QModelIndex& Parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || !Chosen.Executables)
            return true;
        const QFileInfo info = files->fileInfo(files->index(Row, 0, Parent));
        return info.isDir() || Chosen.Takes(info.fileName(), info.isExecutable());
    }

private:
    FilterEntry Chosen;
};

// The entry of a name filter the dialog shows.
FilterEntry EntryOf(const QList<FilterEntry>& Entries, const QString& QtFilter) {
    for (const FilterEntry& entry : Entries)
        if (entry.QtFilter() == QtFilter)
            return entry;
    return {};
}

// The dialog's Qt name filters, and what choosing one of them does.
void ApplyFilter(QFileDialog& Dialog, const QList<FilterEntry>& Entries, bool Save) {
    QStringList filters;
    bool executables = false;
    for (const FilterEntry& entry : Entries) {
        filters << entry.QtFilter();
        executables = executables || entry.Executables;
    }
    EntryFilesProxy* proxy = nullptr;
    if (executables) {
        // Only Qt's own dialog takes a proxy; the patterns Qt shows for such an entry
        // ("*") would tell the user nothing.
        Dialog.setOption(QFileDialog::DontUseNativeDialog);
        Dialog.setOption(QFileDialog::HideNameFilterDetails);
        proxy = new EntryFilesProxy(&Dialog);
        Dialog.setProxyModel(proxy);
    }
    Dialog.setNameFilters(filters);
    const auto choose = [&Dialog, Entries, proxy, Save](const QString& Filter) {
        const FilterEntry entry = EntryOf(Entries, Filter);
        if (proxy)
            proxy->Choose(entry);
        if (Save)
            Dialog.setDefaultSuffix(entry.Extension());
    };
    QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog, choose);
    choose(filters.value(0));
}

// The style of Family nearest to bold or regular weight with the slant asked for; of
// equals the plainest name ("Bold" before "Condensed Bold"). Styles are named
// differently by each family ("Book", "Oblique"), and a dialog left to guess from the
// flags alone opens some families on a style the page did not have.
QString StyleFor(const QString& Family, bool Bold, bool Italic) {
    const int wanted = Bold ? QFont::Bold : QFont::Normal;
    QString best;
    std::pair<int, qsizetype> bestScore{INT_MAX, 0};
    for (const QString& style : QFontDatabase::styles(Family)) {
        const QFont font = QFontDatabase::font(Family, style, 12);
        const std::pair<int, qsizetype> score{std::abs(font.weight() - wanted), style.size()};
        if ((font.style() != QFont::StyleNormal) == Italic && score < bestScore) {
            best = style;
            bestScore = score;
        }
    }
    return best;
}

// The words of the label that names Field, without its access key; empty when none does.
QString LabelOf(const QWidget& Dialog, const QWidget* Field) {
    for (const QLabel* label : Dialog.findChildren<QLabel*>())
        if (label->buddy() == Field)
            return QString(label->text()).remove(QLatin1Char('&'));
    return {};
}

// Qt's font dialog names its size box through a label, but a list does not read the label
// that points at it (family, style), and the boxes above those lists have none. Each
// box and the list below it (made in the same order) share their label's words.
void NameFontDialogParts(QFontDialog& Dialog) {
    const QList<QLineEdit*> boxes = Dialog.findChildren<QLineEdit*>();
    const QList<QListView*> lists = Dialog.findChildren<QListView*>();
    for (qsizetype i = 0; i < boxes.size() && i < lists.size(); ++i) {
        QString name = LabelOf(Dialog, lists[i]);
        if (name.isEmpty())
            name = LabelOf(Dialog, boxes[i]);
        for (QWidget* part : {static_cast<QWidget*>(boxes[i]), static_cast<QWidget*>(lists[i])})
            if (part->accessibleName().isEmpty())
                part->setAccessibleName(name);
    }
}

} // namespace

MsgAnswer QtUserDialogs::MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon,
                                const QString& Title, std::optional<MsgAnswer> DefaultButton) {
    QMessageBox box(ToQt(Icon), Title, Text, ToQt(Buttons), Owner);
    // A title or path the user typed is shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (DefaultButton)
        box.setDefaultButton(ToQt(*DefaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::OK;
    default:
        break;
    }
    // The window's close box answers like the button that cancels.
    return Buttons == MsgButtons::YesNo ? MsgAnswer::No
           : Buttons == MsgButtons::OK  ? MsgAnswer::OK
                                        : MsgAnswer::Cancel;
}

int QtUserDialogs::Choose(const QString& Text, MsgIcon Icon, const QString& Title,
                          const QStringList& Buttons, int DefaultButton) {
    QMessageBox box(ToQt(Icon), Title, Text, QMessageBox::NoButton, Owner);
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton*> buttons;
    for (const QString& caption : Buttons)
        buttons << box.addButton(caption, QMessageBox::AcceptRole);
    if (DefaultButton >= 0 && DefaultButton < buttons.size())
        box.setDefaultButton(buttons[DefaultButton]);
    box.exec();
    return static_cast<int>(buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

std::optional<QString> QtUserDialogs::InputBox(const QString& Prompt, const QString& Title,
                                               const QString& Default) {
    QInputDialog dialog(Owner);
    dialog.setWindowTitle(Title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(Prompt);
    dialog.setTextValue(Default);
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtUserDialogs::FileDialog(const FileDialogRequest& Request) {
    QFileDialog dialog(Owner, Request.Title);
    const QList<FilterEntry> entries = ParseFilter(Request.Filter);
    ApplyFilter(dialog, entries, Request.Save);
    dialog.setAcceptMode(Request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Request.Save || !Request.MustExist ? QFileDialog::AnyFile
                                                          : QFileDialog::ExistingFile);
    if (!Request.ConfirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!Request.FileName.isEmpty())
        dialog.selectFile(Request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    if (!Request.Save)
        return chosen;
    // A native dialog may not have added it; Qt's own did, and then this adds nothing.
    return WithExtension(chosen, EntryOf(entries, dialog.selectedNameFilter()).Extension());
}

std::optional<FontChoice> QtUserDialogs::FontDialog(const FontChoice& Initial) {
    QFont font = Initial.Name.isEmpty() ? QApplication::font() : QFont(Initial.Name);
    // An alias ("Sans Serif") lists no styles in the dialog, so its bold and italic
    // would be lost: the dialog opens on the family the alias stands for.
    font.setFamily(QFontInfo(font).family());
    if (Initial.HasSize && Initial.Size > 0)
        font.setPointSizeF(Initial.Size);
    font.setBold(Initial.Bold);
    font.setItalic(Initial.Italic);
    font.setStyleName(StyleFor(font.family(), Initial.Bold, Initial.Italic));
    font.setStrikeOut(Initial.Strikethrough);
    font.setUnderline(Initial.Underline);
    QFontDialog dialog(font, Owner);
    NameFontDialogParts(dialog);
    // As the dialog shows it: its sizes are whole points.
    const QFont opened = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    // The family and size the dialog merely opened on are not the user's choice.
    FontChoice result = Initial;
    if (chosen.family() != opened.family())
        result.Name = chosen.family();
    if (chosen.pointSizeF() != opened.pointSizeF()) {
        result.Size = chosen.pointSizeF();
        result.HasSize = result.Size > 0;
    }
    result.Bold = chosen.bold();
    result.Italic = chosen.italic();
    result.Strikethrough = chosen.strikeOut();
    result.Underline = chosen.underline();
    // Qt's font dialog has no colour: the one the user had stays, with the rest of Initial.
    return result;
}

std::optional<QColor> QtUserDialogs::ColourDialog(const QColor& Initial) {
    QColor chosen = QColorDialog::getColor(Initial, Owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtUserDialogs::BrowseForFolder(const QString& Prompt) {
    QString caption = Prompt;
    caption.remove(QLatin1Char('&'));
    QString folder = QFileDialog::getExistingDirectory(Owner, caption);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

int QtUserDialogs::ShowModal(QDialog& Window) {
    return Window.exec();
}
