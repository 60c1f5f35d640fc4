#include "BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursor::BusyCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        Active = true;
    }
}

BusyCursor::~BusyCursor() {
    if (Active)
        QGuiApplication::restoreOverrideCursor();
}
