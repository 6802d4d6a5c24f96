// Strokewheel - mouse gestures for CAD drawing views.
// The editor.
#include "standin/Editor.h"

#include "standin/HostState.h"

#include "host/CFxEditorReactor.h"

namespace standin {

void Editor::AddEditorReactor(OdEditorReactor *reactor)
{
    HostState::get().log(QStringLiteral("AddEditorReactor"));
    if (reactor && !m_reactors.contains(reactor))
        m_reactors.append(reactor);
}

void Editor::RemoveEditorReactor(OdEditorReactor *reactor)
{
    HostState::get().log(QStringLiteral("RemoveEditorReactor"));
    m_reactors.removeAll(reactor);
}

QList<CFxEditorReactor *> Editor::hostReactors() const
{
    QList<CFxEditorReactor *> result;
    for (OdEditorReactor *reactor : m_reactors) {
        if (auto *hostReactor = dynamic_cast<CFxEditorReactor *>(reactor))
            result.append(hostReactor);
    }
    return result;
}

void Editor::sendAppStarted()
{
    for (CFxEditorReactor *reactor : hostReactors())
        reactor->appStarted();
}

void Editor::sendAppClosing()
{
    for (CFxEditorReactor *reactor : hostReactors())
        reactor->appClosing();
}

int Editor::reactorCount() const
{
    return m_reactors.size();
}

} // namespace standin
