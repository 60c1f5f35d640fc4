#pragma once

#include <QFont>

// The font of texts the user reads as code (the page source, header and footer HTML):
// "Courier New" where the system has it or a metric twin of it, else the first family
// that Qt itself reports as fixed-pitch. A family only named "Mono" is not enough:
// some are drawn with glyphs of different widths, and then columns of HTML do not line up.
QFont CodeFont();
