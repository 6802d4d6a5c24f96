// Strokewheel - mouse gestures for CAD drawing views.
// The command stack: the commands the host runs by name.
#pragma once

#include "host/OdEdCommand.h"

#include <QList>
#include <QString>

class CFxDocument;

namespace fxsdk {

class CommandStack : public OdEdCommandStack
{
public:
    void AddCommand(OdEdCommand *command) override;
    void RemoveCommand(OdEdCommand *command) override;
    OdEdCommand *LookupCommand(const OdString &name) const override;

    int count() const;
    // Runs the command registered as name in document; false when none is. Whatever the
    // command throws stops here and is described in failure.
    bool run(const QString &name, CFxDocument *document, QString *failure);

private:
    QList<OdEdCommand *> m_commands;
};

} // namespace fxsdk
