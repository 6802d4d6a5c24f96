// Strokewheel - mouse gestures for CAD drawing views.
// The host's main frame: a real main window whose central widget holds the drawings.
#pragma once

#include "host/CFxMainFrame.h"
#include "standin/StatusLine.h"

#include <QPointer>

class QMainWindow;
class QTabWidget;

namespace standin {

class MainFrame : public CFxMainFrame
{
public:
    MainFrame();
    ~MainFrame() override;

    QWidget *GetWidget() const override;
    CFxStatusLine *GetStatusLine() const override;

    QMainWindow *window() const;
    QTabWidget *drawingTabs() const;
    StatusLine &statusLine();

private:
    QPointer<QMainWindow> m_window;
    QTabWidget *m_tabs = nullptr;
    StatusLine m_statusLine;
};

} // namespace standin
