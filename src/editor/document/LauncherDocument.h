#pragma once

#include "components/platform/FileLock.h"
#include "document/EditHistory.h"
#include "document/ItemRows.h"
#include "document/PropertyRows.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

// The editor's one launcher document: the item rows, the 36 page properties, the full
// header and footer HTML, and the state that ties the document to its file.
class LauncherDocument : public QObject {
    Q_OBJECT
public:
    static const QString ProgramTitle; // "Quintor Editor"

    explicit LauncherDocument(QObject* Parent = nullptr);

    EditHistory History; // every change of the rows and properties, for Undo and Redo
    ItemRows Items;      // the item list (lvItems shows it)
    PropertyRows Props;  // the property list (lvProp shows it)

    QString CurFile;    // launcher file the document belongs to; empty for a new one
    qint32 NextNew = 1; // new documents since start-up
    FileLock CO;        // holds CurFile open and locked while it is the document's
    bool EIcon = false; // item and section dialogs: False = add, True = edit
    QString HeaderHTML;
    QString FooterHTML;
    QString APath; // the editor's own folder, ending in the separator

    // SubItem 1 = display name, 2 = default, 3 = key; empty text outside the table.
    QString GetProp(int Pos, int SubItem) const;
    // All 36 rows back to their defaults; header and footer emptied. A change like any other
    // (each property it changes is recorded): whoever starts a document from scratch (New,
    // start-up) pauses the history and starts a new one.
    void Propulate();
    QString ReadProp(const QString& PropName, bool NoConv = false) const;
    void WriteProp(const QString& PropName, const QString& SubItem);
    // Cell SItem (0..6) of row Pos made ready for the page: commas become "&comma;"
    // (not in Comments), then the text is made page-safe.
    QString GetLV(int Pos, int SItem) const;

    static QString ColHexToNum(const QString& ColHex);
    static QString ColNumToHex(const QString& ColNum);
    // The Setting preview of a header or footer text.
    static QString HtmlPreview(const QString& Text);

    // Whether the document differs from its file: whether the history stands elsewhere
    // than at the point where the file was opened or saved. Every change of the item rows
    // or of the properties (the header and footer among them) is a step of the history;
    // loading, saving and New set the point. A command that counts as a change although
    // it changed nothing (OK in the font dialog, an import of nothing) says so with
    // SetChanged(true).
    bool Changed() const { return !History.IsClean(); }
    void SetChanged(bool Value);

    // What Undo or Redo went over: the rows it touched (where they are now; a removed
    // row leaves the position it had) and the properties, by display name.
    struct Touched {
        QList<int> Rows;
        QStringList Properties;
    };
    // Take back the last step, or do again the last one taken back. Empty when there
    // was nothing to do.
    std::optional<Touched> Undo();
    std::optional<Touched> Redo();

    QString Caption() const { return WindowCaption; }
    void SetCaption(const QString& Caption);
    // "<Title> (<CurFile>) - Quintor Editor", or "<Title> - Quintor Editor" without a file.
    QString FileCaption(const QString& Title) const;

signals:
    void CaptionChanged(const QString& Caption);
    // Changed() became Value.
    void ModificationChanged(bool Value);
    // Propulate ran: no property row is selected and the edit-property command is off.
    void PropertiesReset();

private:
    void Apply(const DocumentChange& Change, bool Forward, Touched& Where);
    std::optional<Touched> Finish(bool Done, Touched Where);
    void FollowHistory();

    QString WindowCaption;
    bool LastChanged = false;
};
