// Strokewheel - mouse gestures for CAD drawing views.
// The editor: sends application-wide notifications to its reactors.
#pragma once

#include "host/OdEditorReactor.h"

#include <QList>

class CFxEditorReactor;

namespace fxsdk {

class Editor : public OdEditor
{
public:
    void AddEditorReactor(OdEditorReactor *reactor) override;
    void RemoveEditorReactor(OdEditorReactor *reactor) override;

    void sendAppStarted();
    void sendAppClosing();
    int reactorCount() const;

private:
    // A copy, so that reactors may remove themselves while being notified.
    QList<CFxEditorReactor *> hostReactors() const;

    QList<OdEditorReactor *> m_reactors;
};

} // namespace fxsdk
