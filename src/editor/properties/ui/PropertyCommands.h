#pragma once

#include <QColor>
#include <QString>

class EditorContext;

// The property list's commands. Every editor works on one row of the property list,
// given by its list position (1 = "(HTML File)", the list being sorted by Name).
namespace PropertyCommands {

// A click on the row at ListPos: toggles it or opens its editor.
void lvProp_ItemClick(EditorContext& Ctx, int ListPos);
// Key is a Qt key code; Qt::Key_Delete empties "Font", "Font size" or "Icon size".
void lvProp_KeyDown(EditorContext& Ctx, int Key);
// "Edit &property...": the same as a click on the selected row.
void mnuEditProperty_Click(EditorContext& Ctx);
// "&Reset properties...".
void mnuEditReset_Click(EditorContext& Ctx);

// The editors the dispatch opens, for the row at ListPos.
void NumBox(EditorContext& Ctx, int ListPos, const QString& Cap, int LowerNum, int UpperNum,
            bool Fraction = false);
void PFile(EditorContext& Ctx, int ListPos, bool HTMLFile, const QString& DTitle,
           const QString& FPattern, bool FileUrl);
void PCol(EditorContext& Ctx, int ListPos, const QColor& DColour);

} // namespace PropertyCommands
