// Strokewheel - mouse gestures for CAD drawing views.
// The few host look-ups that several parts of the module make, in one place.
#pragma once

#include <QString>

class QWidget;

namespace K2Host {

// The host's main window, else the desktop widget: the parent of the module's windows.
QWidget *windowParent();
// Shows text on the host's status line; nothing happens while the host has none.
void setStatusText(const QString &text);
// The host application's title: the caption of its message boxes and the name of the
// Qt settings fallback.
QString appTitle();

} // namespace K2Host
