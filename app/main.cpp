// Strokewheel - mouse gestures for CAD drawing views.
// strokewheel-host: the stand-in CAD application that loads the Strokewheel module.
#include "app/HostApplication.h"
#include "app/HostOptions.h"
#include "app/TerminationSignals.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QStyleFactory>

#include <cstdio>

namespace {
QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says for every grab that it cannot grab; the overlay grabs on each
// gesture, and stderr is kept for what a script run has to say.
void quietOffscreenHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, message);
}
}

int main(int argc, char *argv[])
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Without a display the host renders offscreen (the platform must be chosen before
    // the application object exists).
    if (!HostOptions::displayAvailable(environment))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        defaultHandler = qInstallMessageHandler(quietOffscreenHandler);
    QCoreApplication::setOrganizationName(QStringLiteral("Strokewheel"));
    QCoreApplication::setApplicationName(QStringLiteral("strokewheel-host"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QString error;
    QString help;
    const HostOptions options = HostOptions::parse(QCoreApplication::arguments(), environment, &error, &help);
    if (!help.isEmpty()) {
        std::printf("%s", qPrintable(help));
        return 0;
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "strokewheel-host: %s\n", qPrintable(error));
        return HostApplication::kExitMalformedScript;
    }

    int exitCode = 0;
    const TerminationSignals terminationSignals;
    HostApplication host(options);
    if (!host.start(&exitCode))
        return exitCode;
    exitCode = QApplication::exec();
    host.shutdown();
    return exitCode;
}
