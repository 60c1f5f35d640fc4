#include "LauncherFile.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/BusyCursor.h"
#include "components/NameInMessage.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "components/platform/FileLock.h"
#include "document/LauncherContent.h"
#include "document/LauncherDocument.h"
#include "document/PropertyTable.h"
#include "textform/LauncherText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const char* const CellEntries[LauncherItem::CellCount] = {"DESC", "COMMAND", "PARAM",   "STARTIN",
                                                          "ICON", "RUN",     "COMMENTS"};

QString EntryName(const PackStore& Pack, int Index) {
    QString name = Pack.PackGetField(3, Index).toString();
    name.remove(QChar(0));
    return name;
}

// The entries' texts, each decoded once. An item reads the six entries after its "DESC"
// and the load visits them again, so a file of nothing but "DESC" entries would
// otherwise decode every entry seven times and hold each text seven times over. The
// load only moves forward, so the last seven entries are all there is to remember.
class EntryTexts {
public:
    EntryTexts(const PackStore& Pack, const QString& FLE) : Pack(Pack), FLE(FLE) {}

    QString operator()(int Index) {
        Slot& slot = Slots[Index % LauncherItem::CellCount];
        if (slot.Index != Index) {
            slot.Text = Pack.PackReadData(FLE, Pack.PackGetField(1, Index),
                                          Pack.PackGetField(2, Index), false);
            slot.Index = Index;
        }
        return slot.Text;
    }

private:
    struct Slot {
        int Index = 0;
        QString Text;
    };
    const PackStore& Pack;
    const QString& FLE;
    Slot Slots[LauncherItem::CellCount];
};

LauncherContent ReadContent(const QString& FLE, bool Imprt) {
    PackStore pack;
    pack.PackOpen(FLE);
    EntryTexts entryData(pack, FLE);
    const int count = pack.PackGetField(1, 0).toInt();
    LauncherContent content;
    content.Items.reserve(count / LauncherItem::CellCount);
    int p = 0; // the property search moves forward over the whole load
    for (int i = 1; i <= count; ++i) {
        const QString name = EntryName(pack, i);
        if (name.startsWith(QLatin1String("P_"))) {
            if (Imprt)
                continue;
            // A key out of table order, repeated or unknown has no place: skip it,
            // leaving the search where it was.
            int q = p + 1;
            while (q <= PropertyTable::Count && QLatin1String(PropertyTable::At(q)->Key) != name)
                ++q;
            if (q > PropertyTable::Count)
                continue;
            p = q;
            content.Properties.append(
                {QString::fromLatin1(PropertyTable::At(p)->Name), entryData(i)});
        } else if (name == QLatin1String("DESC")) {
            if (i + LauncherItem::CellCount - 1 > count)
                throw AppError(
                    QCoreApplication::translate("LauncherFile",
                                                "The file is damaged: its last item is incomplete"),
                    ErrNo::BadFileFormat);
            LauncherItem item;
            for (int c = 0; c < LauncherItem::CellCount; ++c)
                item[c] = entryData(i + c);
            content.Items.append(std::move(item));
        }
    }
    return content;
}

// Our own exclusive lock refuses our own reader too, so it is let go while the held
// file itself is read and taken again afterwards, however the read ends. Any other
// file is read while the document's file stays locked.
class LockPause {
public:
    LockPause(LauncherDocument& Doc, const QString& FLE) : Doc(Doc), Paused(Doc.CO.Covers(FLE)) {
        if (Paused)
            Doc.CO.Release();
    }
    ~LockPause() {
        if (Paused && !Doc.CO.Held() && !Doc.CurFile.isEmpty())
            Doc.CO.Take(Doc.CurFile);
    }

private:
    LauncherDocument& Doc;
    bool Paused;
};

// The document's rows and properties become those read, in a history of their own.
void PutContent(LauncherDocument& Doc, LauncherContent Content) {
    Doc.Items.ReplaceAll(std::move(Content.Items));
    if (Content.OthersDefault)
        Doc.Propulate();
    for (const auto& [name, value] : Content.Properties)
        Doc.WriteProp(name, value);
}

void TakeContent(LauncherDocument& Doc, LauncherContent Content, bool Clean) {
    {
        const EditHistory::Pause quiet = Doc.History.Suspend();
        PutContent(Doc, std::move(Content));
    }
    Doc.History.Clear(Clean);
}

PackStore PackOf(const LauncherDocument& Doc) {
    PackStore pack;
    qint32 n = 0;
    for (const LauncherItem& item : Doc.Items.All()) {
        for (int c = 0; c < LauncherItem::CellCount; ++c) {
            ++n;
            pack.PackSetField(QString::fromLatin1(CellEntries[c]), 3, n);
            pack.PackSetField(item[c], 5, n);
        }
    }
    for (int pos = 1; pos <= PropertyTable::Count; ++pos) {
        ++n;
        pack.PackSetField(Doc.GetProp(pos, 3), 3, n);
        pack.PackSetField(Doc.ReadProp(Doc.GetProp(pos, 1), true), 5, n);
    }
    pack.PackSetField(n, 1, 0);
    return pack;
}

// Moves the document's lock to FLE: the new lock is taken before the old one goes.
void LockOn(LauncherDocument& Doc, const QString& FLE) {
    FileLock lock;
    lock.Take(FLE);
    Doc.CO = std::move(lock);
}

} // namespace

// Translated when asked for: the user's language is known only once the program runs.
namespace {
QString AllFilesEntry() {
    return QStringLiteral("|") + QCoreApplication::translate("LauncherFile", "All files") +
           QStringLiteral(" (*.*)|*.*");
}
} // namespace

QString LauncherFile::FileFilter() {
    return QCoreApplication::translate("LauncherFile", "Quintor File") +
           QStringLiteral(" (*.qtf;*.yaml;*.yml)|*.qtf;*.yaml;*.yml");
}

QString LauncherFile::OpenFilter() {
    return FileFilter() + AllFilesEntry();
}

QString LauncherFile::SaveFilter() {
    return QCoreApplication::translate("LauncherFile", "Quintor File") +
           QStringLiteral(" (*.qtf)|*.qtf") + AllFilesEntry();
}

QString LauncherFile::ProposedSaveName(const LauncherDocument& Doc) {
    if (!LauncherText::IsTextFile(Doc.CurFile))
        return {};
    const QFileInfo text(Doc.CurFile);
    return text.dir().filePath(text.completeBaseName() + QStringLiteral(".qtf"));
}

bool LauncherFile::SaveNeedsName(const LauncherDocument& Doc) {
    return LauncherText::IsTextFile(Doc.CurFile) || !PackStore::PackFileExists(Doc.CurFile);
}

void LauncherFile::OpenFile(LauncherDocument& Doc, const QString& FLE, bool Imprt) {
    const bool text = LauncherText::IsTextFile(FLE);
    LockPause pause(Doc, FLE);
    BusyCursor busy;
    LauncherContent content = text ? LauncherText::Read(FLE) : ReadContent(FLE, Imprt);
    if (Imprt) {
        Doc.Items.AppendAll(content.Items);
        return;
    }
    TakeContent(Doc, std::move(content), true);
    Doc.CurFile = FLE;
    Doc.SetCaption(Doc.FileCaption(Doc.ReadProp(QStringLiteral("Title"), true)));
    // A text file is edited by other programs and kept in version control: the editor
    // never writes it back, so it does not hold it either.
    if (text)
        Doc.CO.Release();
    else
        LockOn(Doc, FLE);
}

void LauncherFile::SaveFile(LauncherDocument& Doc, const QString& FLE) {
    RefuseSpecialTarget(FLE);
    BusyCursor busy;
    if (LauncherText::IsTextFile(FLE)) {
        WriteFileAtomically(FLE, LauncherText::Write(Doc));
        Doc.CurFile = FLE;
        Doc.SetCaption(Doc.FileCaption(Doc.ReadProp(QStringLiteral("Title"), true)));
        Doc.SetChanged(false);
        Doc.CO.Release();
        return;
    }
    // The rename would go past another program's lock unnoticed: a file that another
    // program holds is not replaced behind its back.
    FileLock target;
    if (!Doc.CO.Covers(FLE) && PackStore::PackFileExists(FLE) && !target.Take(FLE) &&
        target.LastErrorWasConflict())
        throw AppError(
            QCoreApplication::translate("LauncherFile",
                                        "Permission denied: the file is in use by another program"),
            ErrNo::PermissionDenied);
    PackOf(Doc).PackWrite(FLE);
    Doc.CurFile = FLE;
    Doc.SetCaption(Doc.FileCaption(Doc.ReadProp(QStringLiteral("Title"), true)));
    Doc.SetChanged(false);
    // The save renamed a new file into place: the old lock covers the old file only.
    target.Release();
    LockOn(Doc, FLE);
}

bool LauncherFile::ChangeFile(LauncherDocument& Doc, UserDialogs& Dialogs,
                              const std::function<void()>& SaveCommand) {
    const QString suffix =
        Doc.CurFile.isEmpty()
            ? QString()
            : QStringLiteral("('") + NameInMessage(Doc.CurFile) + QStringLiteral("')");
    if (!Doc.Changed())
        return true;
    // %2 is the file's path in parentheses, or nothing for a document never saved.
    const QString question =
        QCoreApplication::translate(
            "LauncherFile", "The file '%1' %2 has changed.  Do you want to save the changes?")
            .arg(NameInMessage(Doc.ReadProp(QStringLiteral("Title"), true)), suffix);
    switch (Dialogs.MsgBox(question, MsgButtons::YesNoCancel, MsgIcon::Question,
                           LauncherDocument::ProgramTitle)) {
    case MsgAnswer::Yes:
        SaveCommand();
        return !Doc.Changed();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void LauncherFile::WriteCopy(const LauncherDocument& Doc, const QString& Path) {
    RefuseSpecialTarget(Path);
    PackOf(Doc).PackWrite(Path);
}

void LauncherFile::ReadCopy(LauncherDocument& Doc, const QString& Path, const QString& StepName) {
    LauncherContent content = ReadContent(Path, false);
    if (StepName.isEmpty()) {
        TakeContent(Doc, std::move(content), false);
        return;
    }
    const EditHistory::Step step = Doc.History.Begin(StepName);
    PutContent(Doc, std::move(content));
    // A copy that happens to equal the document is still the user's unsaved work.
    Doc.History.MarkChanged();
}
