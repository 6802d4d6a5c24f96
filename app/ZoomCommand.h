// Strokewheel - mouse gestures for CAD drawing views.
// What the host's ZOOM command does with its option: fit the drawing or scale the view.
#pragma once

#include <QString>

namespace standin {
class DrawingView;
}

class ZoomCommand
{
public:
    struct Request
    {
        enum Kind { Extents, Factor, Previous, NeedsPick, Missing, Invalid };
        Kind kind = Missing;
        double factor = 1.0;
    };

    // "E"/"Extents" and "A"/"All" fit the drawing; "2X", ".5x" or "2" scale the view;
    // "P"/"Previous" goes back; "W"/"Window" and "O"/"Object" need a pick in the view.
    // Options may carry the "_" of a macro.
    static Request parse(const QString &input);
    // Runs input on view; returns what to show on the command history, if anything.
    static QString run(const QString &input, standin::DrawingView *view);
    // Makes ZOOM act on the active document's view.
    static void install();
};
