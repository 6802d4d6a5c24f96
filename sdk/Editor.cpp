// Strokewheel - mouse gestures for CAD drawing views.
// The editor.
#include "sdk/Editor.h"

#include "sdk/Contain.h"

#include "host/CFxEditorReactor.h"

namespace fxsdk {

void Editor::AddEditorReactor(OdEditorReactor *reactor)
{
    record(QStringLiteral("AddEditorReactor"));
    if (reactor && !m_reactors.contains(reactor))
        m_reactors.append(reactor);
}

void Editor::RemoveEditorReactor(OdEditorReactor *reactor)
{
    record(QStringLiteral("RemoveEditorReactor"));
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
        containAndReport("appStarted", [reactor] { reactor->appStarted(); });
}

void Editor::sendAppClosing()
{
    for (CFxEditorReactor *reactor : hostReactors())
        containAndReport("appClosing", [reactor] { reactor->appClosing(); });
}

int Editor::reactorCount() const
{
    return m_reactors.size();
}

} // namespace fxsdk
