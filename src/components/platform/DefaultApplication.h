#pragma once

#include <QString>

// Hands a document, folder or address to the program the desktop associates with it.
// Target is a local path or a URL with a scheme ("mailto:...", "https://...").
// False when the desktop could not start anything for it.
bool OpenWithDefaultApplication(const QString& Target);
