#pragma once

#include <QString>
#include <QStringList>

// Turns the program's filter form "Text|pattern|Text|pattern" (an empty last entry
// allowed) into the list of name filters a Qt file dialog takes:
// "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*" -> {"Quintor File (*.qtf)", "All files (*)"}.
QStringList FilterToQt(const QString& Filter);
