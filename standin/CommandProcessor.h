// Strokewheel - mouse gestures for CAD drawing views.
// The command processor: runs a text the way the host's command line does.
#pragma once

#include "host/CFxSystemServices.h"

#include <QList>
#include <QString>

namespace standin {

struct ExecutedCommand
{
    QString text;          // exactly as given
    bool menuMacro = false;
    bool addToHistory = true;
};

class CommandProcessor
{
public:
    OdRxObjectPtr execute(const CFxString &text, const CFxSystemServices::CFxExpressionParserData &data);

    QList<ExecutedCommand> executed;

private:
    void run(const QString &text);
};

} // namespace standin
