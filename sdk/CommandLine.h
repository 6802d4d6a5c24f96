// Strokewheel - mouse gestures for CAD drawing views.
// How a host's command line takes a text apart.
#pragma once

#include "sdk/SdkExport.h"

#include <QString>

namespace fxsdk {

// A command-line text taken apart: "^C^C_ZOOM _E" cancels twice and runs ZOOM with "_E".
struct FXSDK_API CommandLine
{
    static CommandLine parse(const QString &text);
    // The command a text names: upper case, without "_", "." and "'" modifiers, up to
    // the first blank or ";". Leading "^C" cancels are not removed.
    static QString nameOf(const QString &text);

    int cancels = 0;   // leading "^C"
    QString name;      // upper case, without the "_", "." and "'" modifiers
    QString word;      // the name as written, for hosts whose names keep their case
    QString echo;      // the text without the cancels, as the history shows it
    QString input;     // after the name's blank or ";"
};

} // namespace fxsdk
