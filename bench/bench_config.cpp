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

// Microseconds per call of work, repeated for at least a tenth of a second; five times.
QVector<double> microsecondsPerCall(const std::function<void()> &work)
{
    QVector<double> values;
    for (int repeat = 0; repeat < 5; ++repeat) {
        QElapsedTimer timer;
        timer.start();
        int calls = 0;
        do {
            work();
            ++calls;
        } while (timer.nsecsElapsed() < 100'000'000 || calls < 3);
        values << double(timer.nsecsElapsed()) / 1000.0 / calls;
    }
    return values;
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

void measure(int commandCount)
{
    standin::reset();
    bench::buildLargeCatalogue(commandCount);
    K2GestureConfig *config = K2GestureConfig::instance();
    config->reload();
    const auto report = [commandCount](const char *what, const QVector<double> &values) {
        bench::report(QStringLiteral("warm.%1.%2").arg(QLatin1String(what)).arg(commandCount), "us", values);
    };
    report("overlay_content", microsecondsPerCall([config] { config->overlayContent(); }));
    report("category_map", microsecondsPerCall([config] {
        config->categoryByMacro.clear();
        config->buildCategoryMap();
    }));
    report("set_restricted_commands", microsecondsPerCall([] { CFxUtils::SetRestrictedCommands(); }));
    report("load_14_settings", microsecondsPerCall([config] {
        config->loadFlags();
        config->loadFourGestureSlots();
        config->loadEightGestureSlots();
    }));
    report("host_enumeration_only", microsecondsPerCall(walkHostCatalogue));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(bench::quietOffscreenNotes);
    QApplication app(argc, argv);
    QTemporaryDir folder;
    bench::isolateSettings(folder);

    std::printf("Warm figures: one showing's K2GestureConfig::overlayContent() (catalogue walk, category map,\n"
                "restrictions, settings) and its parts, microseconds per call (5 repeats of 0.1 s).\n");
    for (int count : bench::commandCounts(app.arguments(), {150, 1000, 5000}))
        measure(count);
    std::printf("host_enumeration_only: the same walk through the host without building the list.\n");
    return 0;
}
