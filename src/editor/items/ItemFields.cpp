#include "ItemFields.h"

#include <QCoreApplication>
#include <QDir>

namespace ItemFields {

namespace {
// The stored words, which the dialog shows in the user's language.
const char* const RunStyleWords[] = {
    QT_TRANSLATE_NOOP("ItemFields", "Normal Window"),
    QT_TRANSLATE_NOOP("ItemFields", "Maximised Focus"),
    QT_TRANSLATE_NOOP("ItemFields", "Minimised Focus"),
    QT_TRANSLATE_NOOP("ItemFields", "Normal No Focus"),
    QT_TRANSLATE_NOOP("ItemFields", "Minimised No Focus"),
    QT_TRANSLATE_NOOP("ItemFields", "Hidden"),
    QT_TRANSLATE_NOOP("ItemFields", "Hyperlink"),
};
} // namespace

const QStringList& RunStyles() {
    static const QStringList styles = [] {
        QStringList words;
        for (const char* word : RunStyleWords)
            words << QLatin1String(word);
        return words;
    }();
    return styles;
}

QString RunStyleCaption(const QString& Style) {
    for (const char* word : RunStyleWords)
        if (Style == QLatin1String(word))
            return QCoreApplication::translate("ItemFields", word);
    return Style;
}

Check CheckFields(const QString& Description, const QString& Command) {
    // A Description of blanks only is a description; only the exactly empty one is not.
    if (Description.isEmpty())
        return {
            QCoreApplication::translate("ItemFields", "You must enter a description for this icon"),
            Field::Description};
    if (TrimSpaces(Command).isEmpty())
        return {QCoreApplication::translate("ItemFields", "You must enter a command for this icon"),
                Field::Command};
    if (TrimSpaces(Description).left(8) == QLatin1String("SECTION:"))
        return {QCoreApplication::translate(
                    "ItemFields", "The description cannot start with the word 'SECTION:'"),
                Field::Command};
    return {};
}

QString TrimSpaces(const QString& Text) {
    qsizetype first = 0;
    qsizetype last = Text.size();
    while (first < last && Text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && Text[last - 1] == QLatin1Char(' '))
        --last;
    return Text.mid(first, last - first);
}

QString RemoveQuotes(const QString& Text) {
    QString s = Text;
    s.remove(QLatin1Char('"'));
    return s;
}

bool HasControlCharacter(const QString& Text) {
    for (const QChar c : Text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

LauncherItem RowFromFields(const QString& Description, const QString& Command,
                           const QString& Parameters, const QString& StartIn, const QString& Icon,
                           const QString& Run, const QString& Comments) {
    LauncherItem row;
    row[cellDescription] = Description;
    row[cellCommand] = TrimSpaces(Command);
    row[cellParameters] = Parameters;
    row[cellStartIn] = StartIn;
    row[cellIcon] = TrimSpaces(RemoveQuotes(Icon));
    row[cellRun] = Run;
    row[cellComments] = Comments;
    return row;
}

QString ApplyPick(const QString& Current, const QString& Picked, bool Param) {
    if (!Param)
        return Picked;
    const QString r =
        Picked.contains(QLatin1Char(' ')) ? QLatin1Char('"') + Picked + QLatin1Char('"') : Picked;
    return Current.isEmpty() ? r : Current + QLatin1Char(' ') + r;
}

QString HtmlFilter() {
    return QCoreApplication::translate("ItemFields", "HTML Document") +
           QStringLiteral(" (*.htm;*.html)|*.htm;*.html|");
}

QString WithAllFiles(const QString& Pattern) {
    return Pattern + QCoreApplication::translate("ItemFields", "All Files") +
           QStringLiteral(" (*.*)|*.*");
}

bool IsPictureFile(const QString& Path) {
    static const QStringList pictures{QStringLiteral("bmp"),  QStringLiteral("gif"),
                                      QStringLiteral("jpeg"), QStringLiteral("jpg"),
                                      QStringLiteral("jpe"),  QStringLiteral("jfif"),
                                      QStringLiteral("ico"),  QStringLiteral("png"),
                                      QStringLiteral("svg"),  QStringLiteral("xpm")};
    // Without a "." the whole text stands for the extension.
    const QString ext = Path.mid(Path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return pictures.contains(ext);
}

QString PageTitle(const QString& PageText, const QString& PagePath) {
    const qsizetype p0 = PageText.indexOf(QLatin1String("<title>"), 0, Qt::CaseInsensitive);
    if (p0 >= 0) {
        const qsizetype p1 = PageText.indexOf(QLatin1String("</title>"), 0, Qt::CaseInsensitive);
        // A closing tag missing or ahead of the opening one leaves no title to read.
        if (p1 < p0 + 7)
            return {};
        QString title = PageText.mid(p0 + 7, p1 - p0 - 7);
        title.replace(QLatin1String("\r\n"), QLatin1String(" "));
        // A page written elsewhere may break its lines with a bare LF or CR; a
        // Description is one line all the same.
        title.replace(QLatin1Char('\n'), QLatin1Char(' '));
        title.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return TrimSpaces(title);
    }
    const QString native = QDir::toNativeSeparators(PagePath);
    QString name = native.mid(native.lastIndexOf(QDir::separator()) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QString InfoBlock(const QString& PageText) {
    static const QLatin1String marker("<!-- Quintor info:\r\n");
    const qsizetype p = PageText.indexOf(marker);
    if (p < 0)
        return {};
    QString block = PageText.mid(p + marker.size());
    if (block.startsWith(QLatin1String("-->")))
        return {};
    // The block ends with the carriage return of its last key line.
    const qsizetype end = block.indexOf(QLatin1String("\r\n-->"));
    if (end >= 0)
        block.truncate(end + 1);
    return block;
}

} // namespace ItemFields
