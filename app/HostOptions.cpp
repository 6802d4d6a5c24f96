// Strokewheel - mouse gestures for CAD drawing views.
// What the host was asked for on its command line and by its environment.
#include "app/HostOptions.h"

#include "app/HostApplication.h"
#include "standin/StandIn.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>

bool HostOptions::displayAvailable(const QProcessEnvironment &environment)
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!environment.value(QString::fromLatin1(name)).isEmpty())
            return true;
    }
    return false;
}

QString HostOptions::defaultDemoOutput()
{
    // The user's data folder: an installed executable's folder is not writable.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(QStringLiteral("demo"));
}

HostOptions HostOptions::parse(const QStringList &arguments, const QProcessEnvironment &environment,
                               QString *error, QString *help)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A small CAD host that loads the Strokewheel module: drag with the right mouse button in a drawing "
        "for a gesture, type GESTURE to configure them."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QString defaultIs = QStringLiteral("\nDefault: %1");
    const QCommandLineOption module(QStringLiteral("module"),
                                    QStringLiteral("The module file to load.") +
                                        defaultIs.arg(QDir::toNativeSeparators(HostApplication::defaultModulePath())),
                                    QStringLiteral("PATH"));
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        QStringLiteral("The profile folder holding the settings.") +
            defaultIs.arg(QDir::toNativeSeparators(HostApplication::defaultProfileFolder())) +
            QStringLiteral("; the demo uses a throw-away folder."),
        QStringLiteral("DIR"));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Run a replay script and exit: 0 when every expectation held, "
                                                   "1 at the first that did not, 2 for a malformed script."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Run the bundled demo script (the default without a display)."));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("Folder for the screenshots and prints of a script.") +
                                        defaultIs.arg(QDir::toNativeSeparators(defaultDemoOutput())) +
                                        QStringLiteral(" for the demo, the current folder otherwise."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language of the module's texts, e.g. de; languages without a "
                                                 "translation show the English texts.") +
                                      defaultIs.arg(QLocale::system().name()) + QStringLiteral(", the system's."),
                                  QStringLiteral("CODE"));
    const QCommandLineOption catalogue(QStringLiteral("catalogue"),
                                       QStringLiteral("A catalogue file instead of the bundled one (%1).")
                                           .arg(QDir::toNativeSeparators(standin::defaultCataloguePath())),
                                       QStringLiteral("FILE"));
    parser.addOptions({module, profile, replay, demo, output, lang, catalogue});

    HostOptions options;
    auto fail = [&](const QString &reason) {
        if (error)
            *error = reason + QStringLiteral(" Run \"strokewheel-host --help\" for the options.");
        return options;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument \"%1\".").arg(parser.positionalArguments().first()));
    if (parser.isSet(helpOption) && help)
        *help = parser.helpText();
    options.modulePath = parser.value(module);
    options.profileFolder = parser.value(profile);
    options.replayScript = parser.value(replay);
    options.outputFolder = parser.value(output);
    options.language = parser.value(lang);
    options.cataloguePath = parser.value(catalogue);
    options.demo = parser.isSet(demo);
    // Qt names files in UTF-8: a byte that is none would silently become another file.
    for (const QCommandLineOption *path : {&module, &profile, &replay, &output, &catalogue}) {
        if (parser.value(*path).contains(QChar::ReplacementCharacter))
            return fail(QStringLiteral("The name given with --%1 is not UTF-8 text; no file or folder of that name "
                                       "can be used.").arg(path->names().first()));
    }
    if (options.demo && !options.replayScript.isEmpty())
        return fail(QStringLiteral("--demo and --replay exclude each other."));
    options.offscreen = !displayAvailable(environment);
    // Without a display there is nothing to use interactively: show the demo instead.
    if (options.offscreen && options.replayScript.isEmpty())
        options.demo = true;
    if (options.demo && options.outputFolder.isEmpty())
        options.outputFolder = defaultDemoOutput();
    if (error)
        error->clear();
    return options;
}
