// Strokewheel - mouse gestures for CAD drawing views.
// The main frame's status line: shows the last text and remembers every one.
#pragma once

#include "host/CFxMainFrame.h"

#include <QObject>
#include <QStringList>

namespace standin {

class StatusLine : public QObject, public CFxStatusLine
{
    Q_OBJECT

public:
    void SetStatusText(const CFxString &text, bool immediate) override;

    QStringList texts;

signals:
    void textChanged(const QString &text);
};

} // namespace standin
