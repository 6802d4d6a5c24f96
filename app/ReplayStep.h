// Strokewheel - mouse gestures for CAD drawing views.
// One step of a replay script, as the parser reads it from its line, and the table of the
// steps a script may use.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class ReplayRunner;
struct ReplayStep;

// What follows a step's name on its line.
enum class ReplayArguments {
    None,
    Point,          // X Y
    PointButton,    // X Y [left|middle|right]
    KeyName,        // NAME: a Qt key name, into name and number
    Text,           // the rest of the line, may be empty
    NeededText,     // the rest of the line, not empty: into name and text
    Answer,         // CODE or a button's name, into number
    NameSwitch,     // NAME on|off
    NameText,       // NAME TEXT
    Count0,         // a whole number of at least 0
    Count1,         // a whole number of at least 1
    Theme,          // light|dark, into on (dark)
    Switch,         // on|off
    State,          // a blocking state's name and on|off
    RingState,      // hidden|shown|committed, or region N
    MenuState,      // open|closed, into on (open)
};

struct ReplayVerb
{
    QString name;               // one or two words: "press", "expect ring"
    ReplayArguments arguments;
    QString usage;              // the arguments as the README shows them
    QString does;               // the README's description
    bool (ReplayRunner::*run)(const ReplayStep &step);
};

struct ReplayStep
{
    const ReplayVerb *verb = nullptr;
    int line = 0;                 // 1-based line in the script
    QString source;               // the line as written, trimmed

    QPoint point;                 // mouse steps, in view coordinates
    Qt::MouseButton button = Qt::RightButton;
    int number = 0;               // key code, answer code, region, document (1-based), ms, state index
    bool on = false;              // check, block, state, context menu; theme: true = dark
    QString name;                 // widget object name, layout, setting key, key name, state name
    QString text;                 // command text, widget text, caption, file, expected value

    bool is(const char *verbName) const { return verb && verb->name == QLatin1String(verbName); }
    bool isMouse() const { return is("press") || is("move") || is("release"); }
};

// Every step a script may use; adding a step adds a line here and its runner.
const QVector<ReplayVerb> &replayVerbs();
// The README's table of the steps, one markdown line each.
QStringList replayStepTable();
