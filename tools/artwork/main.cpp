// Strokewheel - mouse gestures for CAD drawing views.
// sw-artwork: draws the module's compiled-in pictures into a Resources folder.
#include "ArtworkWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Nothing is shown; the painter and the SVG writer only need fonts and a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: sw-artwork <Resources folder>\n";
        return 2;
    }
    ArtworkWriter writer(arguments.at(1));
    QString error;
    if (!writer.writeAll(&error)) {
        err << "sw-artwork: " << error << '\n';
        return 1;
    }
    return 0;
}
