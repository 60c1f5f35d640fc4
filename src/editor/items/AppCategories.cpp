#include "AppCategories.h"

#include "items/Sections.h"

#include <QCoreApplication>

#include <iterator>

namespace AppCategories {

namespace {
struct Section {
    const char* Name;
    QLatin1String Categories[3];
};

// Audio and Video are main categories of their own that the menus show under
// AudioVideo. The category words are the desktop's keys; the section names are ours and
// go into the list in the user's language, as the desktop's menus show them.
const Section Sections[] = {
    {QT_TRANSLATE_NOOP("AppCategories", "Accessories"), {QLatin1String("Utility")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Development"), {QLatin1String("Development")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Education"), {QLatin1String("Education")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Games"), {QLatin1String("Game")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Graphics"), {QLatin1String("Graphics")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Internet"), {QLatin1String("Network")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Office"), {QLatin1String("Office")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Science"), {QLatin1String("Science")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Sound & Video"),
     {QLatin1String("AudioVideo"), QLatin1String("Audio"), QLatin1String("Video")}},
    {QT_TRANSLATE_NOOP("AppCategories", "System"), {QLatin1String("System")}},
    {QT_TRANSLATE_NOOP("AppCategories", "Settings"), {QLatin1String("Settings")}},
};
const char* const Other = QT_TRANSLATE_NOOP("AppCategories", "Other");
constexpr int SectionCount = int(std::size(Sections));

int SectionIndex(const QStringList& Categories) {
    for (int i = 0; i < SectionCount; ++i)
        for (const QLatin1String& category : Sections[i].Categories)
            if (!category.isEmpty() && Categories.contains(category))
                return i;
    return SectionCount;
}

QString NameOf(int Index) {
    return QCoreApplication::translate("AppCategories",
                                       Index < SectionCount ? Sections[Index].Name : Other);
}
} // namespace

QList<LauncherItem> Grouped(const QList<App>& Apps) {
    QList<QList<const LauncherItem*>> sections(SectionCount + 1);
    for (const App& app : Apps)
        sections[SectionIndex(app.Categories)].append(&app.Row);
    QList<LauncherItem> rows;
    rows.reserve(Apps.size() + sections.size());
    for (int i = 0; i <= SectionCount; ++i) {
        if (sections[i].isEmpty())
            continue;
        rows.append(NewSectionRow(NameOf(i)));
        for (const LauncherItem* row : std::as_const(sections[i]))
            rows.append(*row);
    }
    return rows;
}

} // namespace AppCategories
