#pragma once

#include <QString>

// Menu captions that must stay as they are although they mark two access keys
// ("&Rep&lace..."): Qt's menu items drop only the first "&" from the name a screen reader
// hears. Installed once, this gives such items a name without any "&"; every other menu
// item stays Qt's own.
namespace PlainMenuNames {

void Install();

// Caption without its access-key marks ("&&" is a written "&").
QString Plain(const QString& Caption);

} // namespace PlainMenuNames
