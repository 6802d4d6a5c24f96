// Strokewheel - mouse gestures for CAD drawing views.
// An open drawing.
#include "standin/Document.h"

#include "sdk/Database.h"
#include "standin/DrawingView.h"
#include "standin/InputPointManager.h"

namespace standin {

Document::Document(const QString &title, bool withInputPointManager)
    : m_title(title), m_view(new DrawingView), m_database(OdRxObjectImpl<fxsdk::Database>::createObject())
{
    m_view->setWindowTitle(title);
    if (withInputPointManager)
        m_inputPointManager = std::make_unique<InputPointManager>(m_view, title);
}

Document::~Document()
{
    m_inputPointManager.reset();
    delete m_view.data();
}

CFxString Document::GetTitle() const
{
    return CFxString(m_title);
}

CFxInputPointManager *Document::GetInputPointManager() const
{
    return m_inputPointManager.get();
}

QWidget *Document::GetViewWidget() const
{
    return m_view.data();
}

OdDbDatabasePtr Document::GetDatabase() const
{
    return m_databasePresent ? m_database : OdDbDatabasePtr();
}

QString Document::title() const
{
    return m_title;
}

DrawingView *Document::view() const
{
    return m_view.data();
}

InputPointManager *Document::inputPointManager() const
{
    return m_inputPointManager.get();
}

fxsdk::Database *Document::database() const
{
    return static_cast<fxsdk::Database *>(m_database.get());
}

void Document::setDatabasePresent(bool present)
{
    m_databasePresent = present;
}

} // namespace standin
