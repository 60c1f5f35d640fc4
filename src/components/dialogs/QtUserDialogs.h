#pragma once

#include "components/UserDialogs.h"

class QWidget;

// The user-dialogs port on Qt's own dialogs, owned by one window.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* Owner = nullptr) : Owner(Owner) {}
    void SetOwner(QWidget* NewOwner) { Owner = NewOwner; }

    MsgAnswer MsgBox(const QString& Text, MsgButtons Buttons, MsgIcon Icon, const QString& Title,
                     std::optional<MsgAnswer> DefaultButton) override;
    int Choose(const QString& Text, MsgIcon Icon, const QString& Title, const QStringList& Buttons,
               int DefaultButton) override;
    std::optional<QString> InputBox(const QString& Prompt, const QString& Title,
                                    const QString& Default) override;
    std::optional<QString> FileDialog(const FileDialogRequest& Request) override;
    std::optional<FontChoice> FontDialog(const FontChoice& Initial) override;
    std::optional<QColor> ColourDialog(const QColor& Initial) override;
    std::optional<QString> BrowseForFolder(const QString& Prompt) override;
    int ShowModal(QDialog& Window) override;

private:
    QWidget* Owner;
};
