#pragma once

// For the programs that show pages (they link the browser engine; components does not).
#include "components/PageLook.h"

#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace PageLook {
// The look for the main frame of every page shown, from the program's own script world.
inline void AddTo(QWebEngineScriptCollection& Scripts) {
    QWebEngineScript look;
    look.setName(QStringLiteral("page look"));
    look.setWorldId(QWebEngineScript::ApplicationWorld);
    look.setInjectionPoint(QWebEngineScript::DocumentCreation);
    look.setRunsOnSubFrames(false);
    look.setSourceCode(Script());
    Scripts.insert(look);
}
} // namespace PageLook
