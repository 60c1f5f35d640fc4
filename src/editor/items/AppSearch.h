#pragma once

#include <QList>
#include <QString>

struct DesktopEntry;

// Finding an application in the picker by what the user types.
namespace AppSearch {
// Text as a search compares it: letter case and accents do not count ("Écran" is "ecran").
QString Fold(const QString& Text);
// What a search looks through for one entry (name, generic name, keywords, comment), folded.
QString SearchText(const DesktopEntry& Entry);
// True when every word of Typed is found in the folded SearchText.
bool Matches(const QString& SearchText, const QString& Typed);
// Sorted by name as the user's language sorts, letter case aside.
void SortByName(QList<DesktopEntry>& Entries);
} // namespace AppSearch
