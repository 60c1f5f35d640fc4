#pragma once

#include "components/platform/FileLock.h"
#include "document/ItemRows.h"
#include "document/PropertyRows.h"

#include <QObject>
#include <QString>

// The editor's one launcher document: the item rows, the 36 page properties, the full
// header and footer HTML, and the state that ties the document to its file.
class LauncherDocument : public QObject {
    Q_OBJECT
public:
    static const QString ProgramTitle; // "Quintor Editor"

    explicit LauncherDocument(QObject* Parent = nullptr);

    ItemRows Items;     // the item list (lvItems shows it)
    PropertyRows Props; // the property list (lvProp shows it)

    QString CurFile;    // launcher file the document belongs to; empty for a new one
    qint32 NextNew = 1; // new documents since start-up
    FileLock CO;        // holds CurFile open and locked while it is the document's
    bool EIcon = false; // item and section dialogs: False = add, True = edit
    QString HeaderHTML;
    QString FooterHTML;
    QString APath; // the editor's own folder, ending in the separator

    // SubItem 1 = display name, 2 = default, 3 = key; empty text outside the table.
    QString GetProp(int Pos, int SubItem) const;
    // All 36 rows back to their defaults; header and footer emptied. A change like any other:
    // whoever starts a document from scratch (New, start-up) sets Changed back.
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

    // Whether the document differs from its file. Every change of its item rows or of its
    // properties (the header and footer among them) makes it so; loading, saving and New
    // set it back. A command that counts as a change although it changed no row (OK in
    // the font dialog, an import of nothing) says so with SetChanged(true).
    bool Changed() const { return Modified; }
    void SetChanged(bool Value);

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
    QString WindowCaption;
    bool Modified = false;
};
