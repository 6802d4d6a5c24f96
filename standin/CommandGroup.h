// Strokewheel - mouse gestures for CAD drawing views.
// A named group of user-interface commands, as the host lists them for customisation.
#pragma once

#include "host/CFxUICustomization.h"
#include "standin/StandInExport.h"

#include <QVector>

namespace standin {

class UICommand;

class STANDIN_API CommandGroup : public CFxCommandGroup
{
public:
    explicit CommandGroup(const QString &name);
    ~CommandGroup() override;

    CFxString GetName() const override;
    CFxUICommandIteratorPtr NewCommandIterator() const override;

    // Lists command (owned by the catalogue); null is enumerated as an absent command.
    void add(UICommand *command);
    QVector<UICommand *> commands() const { return m_commands; }
    QString name() const { return m_name; }

private:
    QString m_name;
    QVector<UICommand *> m_commands;
};

} // namespace standin
