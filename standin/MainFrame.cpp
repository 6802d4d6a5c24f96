// Strokewheel - mouse gestures for CAD drawing views.
// The host's main frame.
#include "standin/MainFrame.h"

#include "standin/HostState.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QTabWidget>

namespace standin {

MainFrame::MainFrame() : m_window(new QMainWindow)
{
    m_window->setObjectName(QStringLiteral("HostMainWindow"));
    m_window->setWindowTitle(QStringLiteral("Strokewheel Host"));
    m_window->resize(1000, 700);
    m_tabs = new QTabWidget(m_window);
    m_tabs->setObjectName(QStringLiteral("drawingTabs"));
    m_tabs->setDocumentMode(true);
    m_window->setCentralWidget(m_tabs);
    QObject::connect(&m_statusLine, &StatusLine::textChanged, m_window->statusBar(),
                     [bar = m_window->statusBar()](const QString &text) { bar->showMessage(text); });
}

MainFrame::~MainFrame()
{
    delete m_window.data();
}

QWidget *MainFrame::GetWidget() const
{
    return HostState::get().isPresent(Link::MainWindow) ? m_window.data() : nullptr;
}

CFxStatusLine *MainFrame::GetStatusLine() const
{
    return HostState::get().isPresent(Link::StatusLine) ? const_cast<StatusLine *>(&m_statusLine) : nullptr;
}

QMainWindow *MainFrame::window() const
{
    return m_window.data();
}

QTabWidget *MainFrame::drawingTabs() const
{
    return m_tabs;
}

StatusLine &MainFrame::statusLine()
{
    return m_statusLine;
}

} // namespace standin
