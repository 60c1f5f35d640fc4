#include "PropertyRules.h"

#include "components/NameInMessage.h"
#include "document/LauncherDocument.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace PropertyRules {

std::optional<QString> NumberRefusal(const QString& Answer, int Lower, int Upper, bool Fraction) {
    const QLocale locale;
    const QString separator = QRegularExpression::escape(locale.decimalPoint());
    const QRegularExpression decimal(QStringLiteral("^[+-]?\\d+(%1\\d+)?$").arg(separator));
    // \d would also take digits of other scripts that nothing downstream reads.
    bool ascii = true;
    for (QChar c : Answer)
        ascii = ascii && c.unicode() < 128;
    const QRegularExpressionMatch form = decimal.match(Answer);
    bool ok = ascii && form.hasMatch();
    const double value = ok ? locale.toDouble(Answer, &ok) : 0;
    if (!ok)
        return QCoreApplication::translate("PropertyRules",
                                           "'%1' is not a number, please try again")
            .arg(NameInMessage(Answer));
    if (!Fraction && form.capturedLength(1) > 0)
        return QCoreApplication::translate("PropertyRules",
                                           "'%1' is not a whole number, please try again")
            .arg(NameInMessage(Answer));
    if (value < Lower)
        return QCoreApplication::translate("PropertyRules", "The number must be %1 or higher")
            .arg(Lower);
    if (value > Upper)
        return QCoreApplication::translate("PropertyRules", "The number must be %1 or lower")
            .arg(Upper);
    return std::nullopt;
}

QString Toggled(const QString& Setting) {
    if (Setting == QLatin1String("False"))
        return QStringLiteral("True");
    if (Setting == QLatin1String("True"))
        return QStringLiteral("False");
    return Setting;
}

QString ColourSetting(const QString& Typed) {
    if (Typed.isEmpty() || Typed.startsWith(QLatin1Char('#')))
        return Typed;
    return QLatin1Char('#') + Typed;
}

QColor ColourOf(const QString& ColourText) {
    const QString number = LauncherDocument::ColHexToNum(ColourText);
    if (number.isEmpty())
        return {};
    const int n = number.toInt();
    return QColor(n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF);
}

QString ColourText(const QColor& Colour) {
    const int n =
        Colour.isValid() ? Colour.red() + 256 * Colour.green() + 65536 * Colour.blue() : 0;
    return LauncherDocument::ColNumToHex(QString::number(n));
}

QString HtmlTextPreview(const QString& Text) {
    QString flat = Text;
    flat.replace(QLatin1String("\r\n"), QLatin1String("  "));
    return LauncherDocument::HtmlPreview(flat);
}

QString HtmlTextFromEditor(const QString& PlainText) {
    QString text = PlainText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString HtmlTextToEditor(const QString& Held) {
    QString text = Held;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString BrowsedSetting(const QString& Path, bool FileUrl) {
    return FileUrl ? QStringLiteral("file://") + Path : Path;
}

} // namespace PropertyRules
