#include "AppCategories.h"

#include "items/Sections.h"

#include <iterator>

namespace AppCategories {

namespace {
struct Section {
    QLatin1String Name;
    QLatin1String Categories[3];
};

// Audio and Video are main categories of their own that the menus show under
// AudioVideo.
const Section Sections[] = {
    {QLatin1String("Accessories"), {QLatin1String("Utility")}},
    {QLatin1String("Development"), {QLatin1String("Development")}},
    {QLatin1String("Education"), {QLatin1String("Education")}},
    {QLatin1String("Games"), {QLatin1String("Game")}},
    {QLatin1String("Graphics"), {QLatin1String("Graphics")}},
    {QLatin1String("Internet"), {QLatin1String("Network")}},
    {QLatin1String("Office"), {QLatin1String("Office")}},
    {QLatin1String("Science"), {QLatin1String("Science")}},
    {QLatin1String("Sound & Video"),
     {QLatin1String("AudioVideo"), QLatin1String("Audio"), QLatin1String("Video")}},
    {QLatin1String("System"), {QLatin1String("System")}},
    {QLatin1String("Settings"), {QLatin1String("Settings")}},
};
const QLatin1String Other("Other");
constexpr int SectionCount = int(std::size(Sections));

int SectionIndex(const QStringList& Categories) {
    for (int i = 0; i < SectionCount; ++i)
        for (const QLatin1String& category : Sections[i].Categories)
            if (!category.isEmpty() && Categories.contains(category))
                return i;
    return SectionCount;
}

QString NameOf(int Index) {
    return Index < SectionCount ? QString(Sections[Index].Name) : QString(Other);
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
