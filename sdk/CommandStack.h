// Strokewheel - mouse gestures for CAD drawing views.
// The command stack: the commands the host runs by name.
#pragma once

#include "host/OdEdCommand.h"

#include <QList>

namespace fxsdk {

class CommandStack : public OdEdCommandStack
{
public:
    void AddCommand(OdEdCommand *command) override;
    void RemoveCommand(OdEdCommand *command) override;
    OdEdCommand *LookupCommand(const OdString &name) const override;

    int count() const;

private:
    QList<OdEdCommand *> m_commands;
};

} // namespace fxsdk
