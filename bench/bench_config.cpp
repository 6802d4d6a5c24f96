// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark: what one showing of the overlay costs in K2GestureConfig::overlayContent()
// for generated catalogues of growing size, and where that time goes.
#include "BenchUtil.h"
#include "config/K2GestureConfig.h"
#include "config/K2GestureSettings.h"
#include "host/CFxSystemServices.h"
#include "host/CFxUICustomization.h"
#include "host/CFxUtils.h"
#include "standin/Catalogue.h"
#include "standin/CommandGroup.h"
#include "standin/Menu.h"
#include "standin/MenuGroup.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"
#include "standin/UICommand.h"
#include "BenchCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Microseconds per call of work, repeated for at least a quarter of a second.
double microsecondsPerCall(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    int calls = 0;
    do {
        work();
        ++calls;
    } while (timer.nsecsElapsed() < 250'000'000 || calls < 3);
    return double(timer.nsecsElapsed()) / 1000.0 / calls;
}

// Walks the host's enumeration the way the configuration does, without keeping anything.
void walkHostCatalogue()
{
    CFxUICustomization *ui = GetFxSystemServices()->GetUICustomization();
    const int size = 2 * CFxUtils::GetToolbarsIconSize();
    for (CFxCommandGroupIteratorPtr groups = ui->NewCommandGroupIterator(); !groups->Done(); groups->Next()) {
        for (CFxUICommandIteratorPtr it = groups->GetGroup()->NewCommandIterator(); !it->Done(); it->Next()) {
            const CFxUICommand *command = it->GetCommand();
            const CFxString macro = command->GetMacro();
            if (macro.isEmpty() || command->IsExcluded())
                continue;
            const QIcon icon = command->GetIcon(size);
            const CFxString caption = command->GetCaption();
            const CFxString help = command->GetHelpText();
            const CFxString id = command->GetId();
        }
    }
}

void measure(int commandCount, const QString &settingsFile)
{
    standin::reset();
    if (!settingsFile.isEmpty()) {
        QFile::remove(settingsFile);
        standin::settingsStore()->setFile(settingsFile);
    }
    // Created before the catalogue, so that its first load does not hide the cold showing.
    K2GestureConfig *config = K2GestureConfig::instance();
    bench::buildLargeCatalogue(commandCount);

    QElapsedTimer cold;
    cold.start();
    config->overlayContent();
    const double firstCall = double(cold.nsecsElapsed()) / 1000.0;

    const double overlay = microsecondsPerCall([config] { config->overlayContent(); });
    const double reload = microsecondsPerCall([config] { config->reload(); });
    const double categories = microsecondsPerCall([config] {
        config->categoryByMacro.clear();
        config->buildCategoryMap();
    });
    const double restrictions = microsecondsPerCall([] { CFxUtils::SetRestrictedCommands(); });
    const double settings = microsecondsPerCall([config] {
        config->loadFlags();
        config->loadFourGestureSlots();
        config->loadEightGestureSlots();
    });
    const double hostWalk = microsecondsPerCall(walkHostCatalogue);
    const double catalogueBuild = reload - categories - restrictions - settings;

    std::printf("%6d  %-6s %10.0f %10.0f | %9.0f %9.0f %9.0f %9.0f | %9.0f\n", commandCount,
                settingsFile.isEmpty() ? "memory" : "file", firstCall, overlay, catalogueBuild, categories, settings,
                restrictions, hostWalk);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    bench::isolateSettings(folder);

    std::printf("K2GestureConfig::overlayContent(), microseconds per call (commands with SVG icons)\n");
    std::printf("%6s  %-6s %10s %10s | %9s %9s %9s %9s | %9s\n", "cmds", "store", "first", "per call",
                "catalogue", "menus", "14 keys", "restrict", "host walk");
    // Sizes can be given on the command line; by default 150, 1,000 and 5,000 commands.
    for (int count : bench::commandCounts(app.arguments(), {150, 1000, 5000})) {
        measure(count, QString());
        measure(count, folder.filePath(QStringLiteral("profile/settings.ini")));
    }
    std::printf("first: first showing, icons rendered; per call: later showings, icons cached.\n"
                "catalogue = reload - menus - 14 keys - restrict (the command walk and list);\n"
                "host walk = the same enumeration through the host without building the list.\n");
    return 0;
}
