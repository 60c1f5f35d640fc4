#include "ItemLink.h"

#include "components/AppError.h"
#include "components/platform/Launcher.h"

#include <QCoreApplication>
#include <QStringList>

ItemLink ItemLink::Decode(const QString& Fields) {
    const QStringList parts = Fields.split(QLatin1Char(','));
    if (parts.size() > 4)
        throw AppError(QCoreApplication::translate("ItemLink", "Subscript out of range"),
                       ErrNo::SubscriptOutOfRange);
    QString decoded[4];
    for (qsizetype i = 0; i < parts.size(); ++i)
        decoded[i] = DecodeField(parts[i]);
    return ItemLink{decoded[0], decoded[1], decoded[2], decoded[3]};
}

QString ItemLink::DecodeField(QString Field) {
    Field.replace(QLatin1String("&comma;"), QLatin1String(","));
    Field.replace(QLatin1String("%20"), QLatin1String(" "));
    Field.replace(QLatin1String("%22"), QLatin1String("\""));
    Field.replace(QLatin1String("%20"), QLatin1String(" "));
    return Field;
}

int ItemLink::ShowCommand(const QString& RunWord) {
    const QString word = RunWord.toLower();
    if (word == QLatin1String("maxfocus"))
        return Launcher::Show::MaximisedFocus;
    if (word == QLatin1String("minfocus"))
        return Launcher::Show::MinimisedFocus;
    if (word == QLatin1String("normalnofocus"))
        return Launcher::Show::NormalNoFocus;
    if (word == QLatin1String("minnofocus"))
        return Launcher::Show::MinimisedNoFocus;
    if (word == QLatin1String("hidden"))
        return Launcher::Show::ForceMinimised;
    return Launcher::Show::Normal;
}

QString ItemLink::WithExtraCommands(const QString& Parameters, bool BoxVisible,
                                    const QString& BoxText) {
    if (!BoxVisible || BoxText.isEmpty())
        return Parameters;
    return (Parameters + QLatin1Char(' ') + BoxText).trimmed();
}
