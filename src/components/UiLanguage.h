#pragma once

#include <QStringList>

// The user's language for everything our programs show. The English texts in the code
// are the source texts: the C and English locales show them as they stand, and any
// language without a catalogue falls back to them.
namespace UiLanguage {

// Installs, for the default locale (the system's unless a caller set another), the
// named catalogues of ours (e.g. {"components", "qtedit2"}) and Qt's own for its
// dialogs. Returns the catalogues of ours that were found for that locale.
QStringList Install(const QStringList& catalogues);

} // namespace UiLanguage
