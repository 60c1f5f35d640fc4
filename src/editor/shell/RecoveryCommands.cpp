#include "RecoveryCommands.h"

#include "components/AppError.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "document/RecoveryStore.h"

namespace {

const QString Title = QStringLiteral("Restore Unsaved Changes");
enum Choice { Restore = 0, Discard = 1 };

QString Question(const QString& File) {
    const QString what = File.isEmpty() ? QStringLiteral("a new document")
                                        : QStringLiteral("'") + File + QStringLiteral("'");
    return LauncherDocument::ProgramTitle + QStringLiteral(" was closed before the changes to ") +
           what + QStringLiteral(" were saved.");
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
    LauncherFile::ReadCopy(Doc, Copy.CopyPath, QStringLiteral("Restore unsaved changes"));
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
            Dialogs.MsgBox(QStringLiteral("The unsaved changes kept in '") + kept +
                               QStringLiteral("' could not be read - ") + error.Description +
                               QStringLiteral(", ") + QString::number(error.Number) +
                               QStringLiteral(". The copy was left where it is."),
                           MsgButtons::OK, MsgIcon::Exclamation, Title);
            continue;
        }
        const int answer =
            Dialogs.Choose(Question(file), MsgIcon::Question, Title,
                           {QStringLiteral("Restore"), QStringLiteral("Discard")}, Restore);
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
