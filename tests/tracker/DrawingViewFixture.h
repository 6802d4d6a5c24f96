// Strokewheel - mouse gestures for CAD drawing views.
// The drawing view the gesture tests work in: opened on a shown main window, menus closed after.
#pragma once

#include "standin/StandIn.h"

#include <QApplication>
#include <QMainWindow>
#include <QtTest>

namespace gesturetest {

// Shows the host's main window with one drawing open; false when the window never shows.
inline bool openDrawingView(standin::Document *&document, QWidget *&view)
{
    standin::mainWindow()->show();
    if (!QTest::qWaitForWindowExposed(standin::mainWindow()))
        return false;
    document = standin::openDocument(QStringLiteral("Drawing1"));
    view = standin::viewWidget(document);
    // Let the drawing tabs lay the new view out before positions are taken from it.
    QCoreApplication::processEvents();
    return true;
}

inline void closeContextMenus()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace gesturetest
