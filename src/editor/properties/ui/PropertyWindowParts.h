#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace PropertyWindowParts {
// The row of OK and Cancel at the foot of a property window, right-aligned; OK is the
// default button and Cancel closes the window without change.
QHBoxLayout* OkCancelRow(QDialog& Window, const QString& OkCaption, QPushButton*& cmdOK,
                         QPushButton*& cmdCancel);
} // namespace PropertyWindowParts
