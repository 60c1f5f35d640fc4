#pragma once

#include <QString>
#include <functional>

class LauncherDocument;
class UserDialogs;

// The launcher file (.qtf): a pack file holding, for each item row, seven entries
// "DESC", "COMMAND", "PARAM", "STARTIN", "ICON", "RUN", "COMMENTS", then the 36 page
// properties by key in table order. A path ending in ".yaml" or ".yml" names the text
// form instead (textform/LauncherText.h), which is read and written here the same way
// but never held locked.
namespace LauncherFile {

// The filter entry of both kinds of launcher file.
QString FileFilter();
// The open dialogs' filter: both kinds of launcher file, then all files.
QString OpenFilter();
// Save As's filter: the launcher file the editor writes, then all files.
QString SaveFilter();

// The name Save As proposes: for a document that came from a text file, that file's name
// with ".qtf" (the editor saves the binary form); otherwise none.
QString ProposedSaveName(const LauncherDocument& Doc);
// Whether Save must ask for a name: a new document, or one that came from a text file.
bool SaveNeedsName(const LauncherDocument& Doc);

// Loads the file at FLE. Imprt False: the document is replaced by the file;
// True: the file's item rows are appended and nothing else changes. The file is read
// completely before the document changes, so a failure (AppError) leaves the
// document, CurFile, Changed and the lock as they were.
void OpenFile(LauncherDocument& Doc, const QString& FLE, bool Imprt);

// Writes the whole document to FLE and makes FLE the document's file (AppError on
// failure; the old file and the document state are then left as they were). A device
// or FIFO at FLE is refused (75) and left as it is.
void SaveFile(LauncherDocument& Doc, const QString& FLE);

// Writes the document to Path as a launcher file, the same way and as safely as a save,
// and leaves the document as it is (no new CurFile, lock or Changed).
void WriteCopy(const LauncherDocument& Doc, const QString& Path);

// Replaces the rows and properties of Doc by those of the launcher file at Path: with a
// StepName as one step of the history, which Undo takes back; without one in a new
// history in which the document differs from its file. CurFile, the lock and the caption
// stay as they are. A damaged file (AppError) leaves Doc as it was.
void ReadCopy(LauncherDocument& Doc, const QString& Path, const QString& StepName = {});

// True when the current document may be discarded: nothing unsaved, saved now
// (SaveCommand ran and left Changed False), or the user chose not to save.
bool ChangeFile(LauncherDocument& Doc, UserDialogs& Dialogs,
                const std::function<void()>& SaveCommand);

} // namespace LauncherFile
