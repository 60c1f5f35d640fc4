#include "QtUserDialogs.h"

#include "FileFilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

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

} // namespace

MsgAnswer QtUserDialogs::MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon,
                                const QString& Title, std::optional<MsgAnswer> DefaultButton) {
    QMessageBox box(ToQt(Icon), Title, Text, ToQt(Buttons), Owner);
    if (DefaultButton)
        box.setDefaultButton(ToQt(*DefaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::OK;
    default: break;
    }
    // The window's close box answers like the button that cancels.
    return Buttons == MsgButtons::YesNo ? MsgAnswer::No
           : Buttons == MsgButtons::OK  ? MsgAnswer::OK
                                        : MsgAnswer::Cancel;
}

std::optional<QString> QtUserDialogs::InputBox(const QString& Prompt, const QString& Title,
                                               const QString& Default) {
    bool ok = false;
    QString answer = QInputDialog::getText(Owner, Title, Prompt, QLineEdit::Normal, Default, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<QString> QtUserDialogs::FileDialog(const FileDialogRequest& Request) {
    QFileDialog dialog(Owner, Request.Title);
    dialog.setNameFilters(FilterToQt(Request.Filter));
    dialog.setAcceptMode(Request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Request.Save || !Request.MustExist ? QFileDialog::AnyFile
                                                          : QFileDialog::ExistingFile);
    if (!Request.ConfirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!Request.FileName.isEmpty())
        dialog.selectFile(Request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<FontChoice> QtUserDialogs::FontDialog(const FontChoice& Initial) {
    QFont font(Initial.Name.isEmpty() ? QApplication::font().family() : Initial.Name);
    if (Initial.HasSize && Initial.Size > 0)
        font.setPointSizeF(Initial.Size);
    font.setBold(Initial.Bold);
    font.setItalic(Initial.Italic);
    font.setStrikeOut(Initial.Strikethrough);
    font.setUnderline(Initial.Underline);
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, Owner);
    if (!ok)
        return std::nullopt;
    FontChoice result;
    result.Name = chosen.family();
    result.Size = chosen.pointSizeF();
    result.HasSize = result.Size > 0;
    result.Bold = chosen.bold();
    result.Italic = chosen.italic();
    result.Strikethrough = chosen.strikeOut();
    result.Underline = chosen.underline();
    // Qt's font dialog has no colour; the colour the user had stays.
    result.Colour = Initial.Colour;
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

int QtUserDialogs::ShowModal(QDialog& Window) { return Window.exec(); }
