// Strokewheel - mouse gestures for CAD drawing views.
// What the host was asked for on its command line and by its environment.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct HostOptions
{
    QString modulePath;      // empty: the module file beside the executable
    QString profileFolder;   // empty: the user's configuration folder (the demo: a throw-away one)
    QString replayScript;    // empty: interactive
    QString outputFolder;    // where replay screenshots and prints go
    QString language;        // empty: the system's
    QString cataloguePath;   // empty: the bundled catalogue
    bool demo = false;       // run the bundled demo script
    bool offscreen = false;  // no display: render offscreen

    // Reads arguments (the program name first). False with error for a bad command line;
    // helpRequested is set for --help (and text holds the help).
    static HostOptions parse(const QStringList &arguments, const QProcessEnvironment &environment,
                             QString *error, QString *help = nullptr);
    // A display is reachable when X11 or Wayland is named, or a platform is chosen.
    static bool displayAvailable(const QProcessEnvironment &environment);

    static QString defaultDemoOutput();
};
