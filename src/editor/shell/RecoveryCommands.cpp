#include "RecoveryCommands.h"

#include "components/AppError.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "document/RecoveryStore.h"

#include <QCoreApplication>

namespace {

enum Choice { Restore = 0, Discard = 1 };

QString Title() {
    return QCoreApplication::translate("RecoveryCommands", "Restore Unsaved Changes");
}

QString Question(const QString& File) {
    if (File.isEmpty())
        return QCoreApplication::translate(
                   "RecoveryCommands",
                   "%1 was closed before the changes to a new document were saved.")
            .arg(LauncherDocument::ProgramTitle);
    return QCoreApplication::translate("RecoveryCommands",
                                       "%1 was closed before the changes to '%2' were saved.")
        .arg(LauncherDocument::ProgramTitle, File);
}

// When the file can be read, the copy goes over it as one step, so that Undo leads back
// to the file as it was saved.
bool OverItsFile(LauncherDocument& Doc, const RecoveryStore::Orphan& Copy, const QString& File) {
    if (!PackStore::PackFileExists(File))
        return false;
    try {
        LauncherFile::OpenFile(Doc, File, false);
    } catch (const AppError&) {
        return false; // damaged since, or held by another program: the copy alone
    }
    LauncherFile::ReadCopy(
        Doc, Copy.CopyPath,
        QCoreApplication::translate("RecoveryCommands", "Restore unsaved changes"));
    return true;
}

// The copy becomes the document, belonging to the user's file as it did before: that
// file is locked as Open locks it, and Save writes it.
void RestoreInto(LauncherDocument& Doc, const RecoveryStore::Orphan& Copy, const QString& File) {
    if (!OverItsFile(Doc, Copy, File)) {
        LauncherFile::ReadCopy(Doc, Copy.CopyPath);
        Doc.CO.Release();
        Doc.CurFile = File;
        FileLock lock;
        if (PackStore::PackFileExists(File) && lock.Take(File))
            Doc.CO = std::move(lock);
    }
    Doc.SetCaption(Doc.FileCaption(Doc.ReadProp(QStringLiteral("Title"), true)));
}

} // namespace

bool RecoveryCommands::OfferCopies(LauncherDocument& Doc, UserDialogs& Dialogs,
                                   RecoveryStore& Store) {
    std::vector<RecoveryStore::Orphan> copies = Store.ClaimOrphans();
    for (RecoveryStore::Orphan& copy : copies) {
        QString file;
        try {
            file = RecoveryStore::FileOf(copy);
            // Read once before asking: a copy that cannot be restored is not offered.
            LauncherDocument check;
            LauncherFile::ReadCopy(check, copy.CopyPath);
        } catch (const AppError& error) {
            const QString kept = Store.SetAside(copy);
            Dialogs.MsgBox(QCoreApplication::translate("RecoveryCommands",
                                                       "The unsaved changes kept in '%1' could "
                                                       "not be read - %2, %3. The copy was left "
                                                       "where it is.")
                               .arg(kept, error.Description, QString::number(error.Number)),
                           MsgButtons::OK, MsgIcon::Exclamation, Title());
            continue;
        }
        const int answer =
            Dialogs.Choose(Question(file), MsgIcon::Question, Title(),
                           {QCoreApplication::translate("RecoveryCommands", "Restore"),
                            QCoreApplication::translate("RecoveryCommands", "Discard")},
                           Restore);
        if (answer == Discard) {
            Store.Discard(copy);
        } else if (answer == Restore) {
            try {
                RestoreInto(Doc, copy, file);
            } catch (const AppError&) {
                continue; // changed since it was read: it stays for the next start
            }
            Store.Adopt(copy);
            return true;
        }
    }
    return false;
}
