#include "PropertyCommands.h"

#include "components/AppError.h"
#include "components/PackStore.h"
#include "components/UserDialogs.h"
#include "document/LauncherDocument.h"
#include "properties/PageThemes.h"
#include "properties/PropertyEditors.h"
#include "properties/PropertyRules.h"
#include "properties/ui/frmPCol.h"
#include "properties/ui/frmPFile.h"
#include "properties/ui/frmPMTB.h"
#include "shell/EditorContext.h"

#include <QCoreApplication>
#include <QLocale>

namespace PropertyCommands {
namespace {

constexpr int PropertiesTab = 1;

const QString& RowName(EditorContext& Ctx, int ListPos) {
    return Ctx.Doc().Props.At(ListPos).Name;
}

void Toggle(EditorContext& Ctx, int ListPos) {
    LauncherDocument& doc = Ctx.Doc();
    const QString name = RowName(Ctx, ListPos);
    const QString now = PropertyRules::Toggled(doc.Props.At(ListPos).Setting);
    doc.WriteProp(name, now);
    if (name != QLatin1String("Show edit command") || now != QLatin1String("True") ||
        PackStore::PackFileExists(doc.CurFile))
        return;
    // The page's edit command opens the launcher file, so the page must know its path.
    const MsgAnswer answer = Ctx.Dialogs().MsgBox(
        QCoreApplication::translate("PropertyCommands",
                                    "This property requires that the file is saved.  Do you "
                                    "want to save now?"),
        MsgButtons::YesNo, MsgIcon::Question,
        QCoreApplication::translate("PropertyCommands", "Save File"));
    if (answer == MsgAnswer::Yes)
        Ctx.FileSave();
    // A save that was cancelled or failed leaves no file to name: the same as "No".
    if (!PackStore::PackFileExists(doc.CurFile))
        doc.WriteProp(name, QStringLiteral("False"));
}

void Title(EditorContext& Ctx, int ListPos) {
    LauncherDocument& doc = Ctx.Doc();
    const std::optional<QString> answer = Ctx.Dialogs().InputBox(
        QCoreApplication::translate("PropertyCommands", "Type the window title:"),
        RowName(Ctx, ListPos), doc.Props.At(ListPos).Setting);
    if (!answer || answer->isEmpty())
        return;
    doc.WriteProp(RowName(Ctx, ListPos), *answer);
    doc.SetCaption(doc.FileCaption(*answer));
}

bool IsTrue(const LauncherDocument& Doc, const char* Name) {
    return Doc.ReadProp(QString::fromLatin1(Name), true) == QLatin1String("True");
}

QString TrueFalse(bool Value) {
    return Value ? QStringLiteral("True") : QStringLiteral("False");
}

// The dialog opens on the seven font properties and "Text colour"; only what the user
// changed there is written back, so an empty "Font" or size stays empty (the page then
// sets none) and a flag the dialog could not show is not lost.
void Font(EditorContext& Ctx) {
    LauncherDocument& doc = Ctx.Doc();
    FontChoice initial;
    initial.Name = doc.ReadProp(QStringLiteral("Font"), true);
    initial.Bold = IsTrue(doc, "Font bold");
    initial.Italic = IsTrue(doc, "Font italic");
    initial.Strikethrough = IsTrue(doc, "Font strikethrough");
    initial.Underline = IsTrue(doc, "Font underline");
    const QString size = doc.ReadProp(QStringLiteral("Font size"), true);
    if (!size.isEmpty())
        initial.Size = QLocale().toDouble(size, &initial.HasSize);
    initial.Colour = PropertyRules::ColourOf(doc.ReadProp(QStringLiteral("Text colour"), true));

    const std::optional<FontChoice> chosen = Ctx.Dialogs().FontDialog(initial);
    if (!chosen)
        return;
    const auto write = [&doc](bool Changed, const char* Name, const QString& Value) {
        if (Changed)
            doc.WriteProp(QString::fromLatin1(Name), Value);
    };
    write(chosen->Name != initial.Name, "Font", chosen->Name);
    write(chosen->Bold != initial.Bold, "Font bold", TrueFalse(chosen->Bold));
    write(chosen->Italic != initial.Italic, "Font italic", TrueFalse(chosen->Italic));
    write(chosen->HasSize != initial.HasSize || chosen->Size != initial.Size, "Font size",
          chosen->HasSize ? QLocale().toString(chosen->Size) : QString());
    write(chosen->Strikethrough != initial.Strikethrough, "Font strikethrough",
          TrueFalse(chosen->Strikethrough));
    write(chosen->Underline != initial.Underline, "Font underline", TrueFalse(chosen->Underline));
    write(chosen->Colour != initial.Colour, "Text colour",
          PropertyRules::ColourText(chosen->Colour));
    doc.SetChanged(true); // OK counts as a change, also when nothing in the dialog changed
}

void HtmlText(EditorContext& Ctx, int ListPos) {
    frmPMTB window(Ctx.Doc(), ListPos, Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(window);
}

void Dispatch(EditorContext& Ctx, int ListPos) {
    Ctx.SetPropertyCommandEnabled(true);
    using PropertyEditors::Kind;
    const PropertyEditors::Editor editor = PropertyEditors::For(RowName(Ctx, ListPos));
    switch (editor.EditorKind) {
    case Kind::Toggle:
        Toggle(Ctx, ListPos);
        break;
    case Kind::Colour:
        PCol(Ctx, ListPos, PropertyEditors::SwatchColour(editor.SwatchDefault));
        break;
    case Kind::File:
        PFile(Ctx, ListPos, editor.HtmlFile, editor.FileTitle, editor.FileFilter, editor.FileUrl);
        break;
    case Kind::Font:
        Font(Ctx);
        break;
    case Kind::Number:
        NumBox(Ctx, ListPos, editor.Prompt, editor.Lower, editor.Upper, editor.Fraction);
        break;
    case Kind::Title:
        Title(Ctx, ListPos);
        break;
    case Kind::HtmlText:
        HtmlText(Ctx, ListPos);
        break;
    }
}

// The font dialog sets several properties at once.
QString StepName(EditorContext& Ctx, int ListPos) {
    const QString& name = RowName(Ctx, ListPos);
    if (PropertyEditors::For(name).EditorKind == PropertyEditors::Kind::Font)
        return QCoreApplication::translate("PropertyCommands", "Font");
    return QCoreApplication::translate("PropertyCommands", "Edit property '%1'").arg(name);
}

bool ValidRow(EditorContext& Ctx, int ListPos) {
    return ListPos >= 1 && ListPos <= Ctx.Doc().Props.Count();
}

} // namespace

void NumBox(EditorContext& Ctx, int ListPos, const QString& Cap, int LowerNum, int UpperNum,
            bool Fraction) {
    LauncherDocument& doc = Ctx.Doc();
    const QString name = RowName(Ctx, ListPos);
    const std::optional<QString> answer =
        Ctx.Dialogs().InputBox(Cap, name, doc.Props.At(ListPos).Setting);
    if (!answer || answer->isEmpty())
        return;
    if (const std::optional<QString> refusal =
            PropertyRules::NumberRefusal(*answer, LowerNum, UpperNum, Fraction)) {
        Ctx.Dialogs().MsgBox(*refusal, MsgButtons::OK, MsgIcon::Exclamation,
                             QCoreApplication::translate("PropertyCommands", "%1 Error").arg(name));
        return;
    }
    doc.WriteProp(name, *answer);
}

void PFile(EditorContext& Ctx, int ListPos, bool HTMLFile, const QString& DTitle,
           const QString& FPattern, bool FileUrl) {
    FileDialogRequest browse;
    browse.Title = DTitle;
    browse.Filter = FPattern + QStringLiteral("|") +
                    QCoreApplication::translate("PropertyCommands", "All Files") +
                    QStringLiteral(" (*.*)|*.*");
    // The first row of the list is the page to build: a place to save, not a file to open.
    browse.Save = ListPos == 1;
    browse.MustExist = !browse.Save;
    const QString description =
        HTMLFile ? QCoreApplication::translate("PropertyCommands", "&HTML File Location:")
                 : RowName(Ctx, ListPos) + QStringLiteral(":");
    const QList<PageThemes::Theme> themes = RowName(Ctx, ListPos) == QLatin1String("Style sheet")
                                                ? PageThemes::Installed()
                                                : QList<PageThemes::Theme>();
    frmPFile window(Ctx.Doc(), ListPos, description, browse, FileUrl, Ctx.Dialogs(),
                    Ctx.MainWindow(), themes);
    Ctx.Dialogs().ShowModal(window);
}

void PCol(EditorContext& Ctx, int ListPos, const QColor& DColour) {
    frmPCol window(Ctx.Doc(), ListPos, DColour, Ctx.Dialogs(), Ctx.MainWindow());
    Ctx.Dialogs().ShowModal(window);
}

void lvProp_ItemClick(EditorContext& Ctx, int ListPos) {
    if (!ValidRow(Ctx, ListPos))
        return;
    try {
        const EditHistory::Step step = Ctx.Doc().History.Begin(StepName(Ctx, ListPos));
        Dispatch(Ctx, ListPos);
    } catch (const AppError&) {
        // A failure inside an editor ends the edit with the values as they are.
    }
    // "(HTML File)" decides whether Run and the desktop shortcut have a page to name.
    Ctx.Checkmenus();
}

void lvProp_KeyDown(EditorContext& Ctx, int Key) {
    const int row = Ctx.SelectedPropertyRow();
    if (Key != Qt::Key_Delete || !ValidRow(Ctx, row))
        return;
    const QString& name = RowName(Ctx, row);
    if (name != QLatin1String("Font") && name != QLatin1String("Font size") &&
        name != QLatin1String("Icon size"))
        return;
    const EditHistory::Step step = Ctx.Doc().History.Begin(StepName(Ctx, row));
    Ctx.Doc().WriteProp(name, QString());
}

void mnuEditProperty_Click(EditorContext& Ctx) {
    Ctx.ShowTab(PropertiesTab);
    lvProp_ItemClick(Ctx, Ctx.SelectedPropertyRow());
}

void mnuEditReset_Click(EditorContext& Ctx) {
    Ctx.ShowTab(PropertiesTab);
    const MsgAnswer answer = Ctx.Dialogs().MsgBox(
        QCoreApplication::translate("PropertyCommands",
                                    "Are you sure you want to reset the properties?"),
        MsgButtons::YesNo, MsgIcon::Question,
        QCoreApplication::translate("PropertyCommands", "Reset Properties"));
    if (answer != MsgAnswer::Yes)
        return;
    const EditHistory::Step step = Ctx.Doc().History.Begin(
        QCoreApplication::translate("PropertyCommands", "Reset properties"));
    Ctx.Doc().Propulate();
    Ctx.SetPropertyCommandEnabled(false);
    Ctx.Checkmenus();
}

} // namespace PropertyCommands
