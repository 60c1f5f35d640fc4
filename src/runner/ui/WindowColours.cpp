#include "WindowColours.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {
QColor Mix(const QColor& A, const QColor& B, double ShareOfA) {
    const auto channel = [ShareOfA](int X, int Y) {
        return qRound(X * ShareOfA + Y * (1.0 - ShareOfA));
    };
    return QColor(channel(A.red(), B.red()), channel(A.green(), B.green()),
                  channel(A.blue(), B.blue()));
}

QColor Or(const QVariant& Value, const QColor& Otherwise) {
    const QColor colour = QColor::fromString(Value.toString());
    return colour.isValid() ? colour : Otherwise;
}
} // namespace

WindowColours::WindowColours(QWebEnginePage& Page, QLineEdit& Box, QStatusBar& Status)
    : QObject(&Page), Page(Page), Box(Box), Status(Status) {
    QFile file(QStringLiteral(":/runner/windowcolours.js"));
    if (file.open(QIODevice::ReadOnly))
        Script = QString::fromUtf8(file.readAll());
    connect(&Page, &QWebEnginePage::loadFinished, this, [this](bool Ok) {
        if (Ok)
            Read();
    });
}

void WindowColours::Read() {
    // The answer may come after the window is gone.
    QPointer<WindowColours> self(this);
    Page.runJavaScript(Script, QWebEngineScript::ApplicationWorld, [self](const QVariant& Answer) {
        if (self)
            self->Apply(Answer.toMap());
    });
}

void WindowColours::Apply(const QVariantMap& Colours) {
    const QColor background =
        QColor::fromString(Colours.value(QStringLiteral("background")).toString());
    if (!background.isValid()) {
        Box.setStyleSheet(QString());
        Status.setStyleSheet(QString());
        return;
    }
    const QColor text = Or(Colours.value(QStringLiteral("text")), Qt::black);
    const QColor field = Or(Colours.value(QStringLiteral("field")), background);
    const QColor line = Or(Colours.value(QStringLiteral("line")), Mix(text, background, 0.25));
    const QColor accent = Or(Colours.value(QStringLiteral("accent")), text);
    const QColor muted = Or(Colours.value(QStringLiteral("muted")), Mix(text, background, 0.8));
    const auto name = [](const QColor& C) { return C.name(QColor::HexRgb); };
    // A band as wide as the window, with no margin for the desktop's colour to show in.
    Box.setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none;"
                                     " border-top: 1px solid %3; padding: 5px 8px;"
                                     " selection-background-color: %4; selection-color: %1; }"
                                     " QLineEdit:focus { border-top-color: %4; }")
                          .arg(name(field), name(text), name(line), name(accent)));
    Status.setStyleSheet(QStringLiteral("QStatusBar { background: %1; color: %2;"
                                        " border-top: 1px solid %3; }"
                                        " QStatusBar::item { border: none; }")
                             .arg(name(background), name(muted), name(line)));
}
