// Strokewheel - mouse gestures for CAD drawing views.
// One step of a replay script, as the parser reads it from its line.
#pragma once

#include <QPoint>
#include <QString>

struct ReplayStep
{
    enum class Kind {
        Press, Move, Release,                   // synthetic mouse input on the active view
        RealPress, RealMove, RealRelease,       // window-system mouse input (xdotool)
        Key, Command, Answer,
        Click, Check, Text, Choose, Select, Region,
        Layout, Document, Theme, Block, State,
        Wait, Screenshot, Print,
        ExpectExecuted, ExpectNothingExecuted, ExpectSetting, ExpectStatus,
    };

    Kind kind = Kind::Wait;
    int line = 0;                 // 1-based line in the script
    QString source;               // the line as written, trimmed

    QPoint point;                 // mouse steps, in view coordinates
    Qt::MouseButton button = Qt::RightButton;
    int number = 0;               // key code, answer code, region, document (1-based), ms, state index
    bool on = false;              // check, block, state; theme: true = dark
    QString name;                 // widget object name, layout, setting key, key name, state name
    QString text;                 // command text, widget text, caption, file, expected value
};
