// Strokewheel - mouse gestures for CAD drawing views.
// The host's start and end.
#include "app/HostApplication.h"

#include "app/HostWindow.h"
#include "app/ReplayRunner.h"
#include "app/ReplayScript.h"
#include "app/Theme.h"
#include "app/ZoomCommand.h"

#include "standin/HostSignals.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <utility>

const char *const HostApplication::kModuleFileName = "Strokewheel_4.03_15.tx";
const char *const HostApplication::kSettingsFileName = "settings.ini";
const char *const HostApplication::kDemoScript = ":/demo/demo.replay";

namespace {
const QString hostSection = QStringLiteral("Host");
const QString themeKey = QStringLiteral("ColorScheme");
}

HostApplication::HostApplication(const HostOptions &options) : m_options(options)
{
}

HostApplication::~HostApplication()
{
    shutdown();
}

QString HostApplication::defaultProfileFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString HostApplication::defaultModulePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kModuleFileName));
}

void HostApplication::report(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    // Until the window exists its command history cannot show the line.
    if (m_window)
        emit standin::hostSignals()->historyLine(line);
    else
        m_earlyReports << line;
}

void HostApplication::alert(const QString &line)
{
    report(line);
    if (m_alerted.contains(line))
        return;
    m_alerted.insert(line);
    // Not modal: a script or a gesture in progress goes on.
    auto *box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), line, QMessageBox::Ok,
                                standin::mainWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    if (m_window)
        box->show();
    else
        QTimer::singleShot(0, box, &QWidget::show);
}

bool HostApplication::start(int *exitCode)
{
    // A malformed script stops the host before anything is shown.
    if (!prepareScript(exitCode))
        return false;

    standin::reset();
    // The host's dialogs are laid out for its Windows face and size (Tahoma 8 pt); reset()
    // made the face available.
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    installTranslations();
    connect(standin::hostSignals(), &standin::HostSignals::commandExecuted, this, [](const QString &text) {
        std::printf("executed: %s\n", qPrintable(text));
        std::fflush(stdout);
    });
    bindProfile();
    loadCatalogue();
    ZoomCommand::install();
    Theme::apply(standin::settingsStore() &&
                 standin::settingsStore()->text(hostSection, themeKey).toInt() >= Theme::kDarkScheme);
    m_window = std::make_unique<HostWindow>();
    for (const QString &line : qAsConst(m_earlyReports))
        emit standin::hostSignals()->historyLine(line);
    m_earlyReports.clear();
    connect(standin::hostSignals(), &standin::HostSignals::colorSchemeChanged, this, [](int scheme) {
        if (standin::SettingsStore *store = standin::settingsStore())
            store->setText(hostSection, themeKey, QString::number(scheme));
    });
    m_window->window()->show();
    loadModule();
    standin::sendAppStarted();

    if (m_scripted) {
        m_runner = new ReplayRunner(m_steps, m_scriptName, m_window.get(), m_options.outputFolder, this);
        connect(m_runner, &ReplayRunner::finished, this, [](int code) { QCoreApplication::exit(code); });
        m_runner->start();
    }
    return true;
}

bool HostApplication::prepareScript(int *exitCode)
{
    if (!m_options.demo && m_options.replayScript.isEmpty())
        return true;
    m_scriptName = m_options.demo ? QString::fromLatin1(kDemoScript) : m_options.replayScript;
    ReplayScript script;
    if (!script.load(m_scriptName)) {
        std::fprintf(stderr, "%s:%d: %s\n", qPrintable(m_scriptName), script.errorLine(), qPrintable(script.error()));
        *exitCode = kExitMalformedScript;
        return false;
    }
    if (m_options.demo) {
        std::printf("No display or --demo: running the bundled demo; screenshots and prints go to %s\n",
                    qPrintable(QDir(m_options.outputFolder).absolutePath()));
        std::fflush(stdout);
    }
    m_steps = script.steps();
    m_scripted = true;
    return true;
}

void HostApplication::installTranslations()
{
    const QLocale locale = m_options.language.isEmpty() ? QLocale::system() : QLocale(m_options.language);
    // The host's help pages follow the same language.
    QLocale::setDefault(locale);
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
    // The module's texts, then Qt's own (button captions of the dialogs) where installed.
    const QList<QPair<QString, QString>> catalogues = {
        {QStringLiteral("strokewheel"), folder},
        {QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)},
    };
    for (const auto &catalogue : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        // Languages without a file keep the source texts.
        if (translator->load(locale, catalogue.first, QStringLiteral("_"), catalogue.second) &&
            QCoreApplication::installTranslator(translator.get()))
            m_translators.push_back(std::move(translator));
    }
}

void HostApplication::bindProfile()
{
    QString folder = m_options.profileFolder;
    // The demo starts from the factory settings without touching anyone's profile.
    if (folder.isEmpty() && m_options.demo) {
        m_throwAwayProfile = std::make_unique<QTemporaryDir>();
        folder = m_throwAwayProfile->path();
    } else if (folder.isEmpty()) {
        folder = defaultProfileFolder();
    }
    standin::SettingsStore *store = standin::settingsStore();
    if (!store)
        return;
    store->setProblemHandler([this](const QString &message) { alert(message); });
    store->setFile(QDir(folder).filePath(QString::fromLatin1(kSettingsFileName)));
    // Read now, so an unreadable file is reported before the window shows.
    store->load();
}

void HostApplication::loadCatalogue()
{
    const QString bundled = standin::defaultCataloguePath();
    QString error;
    if (standin::loadCatalogue(m_options.cataloguePath.isEmpty() ? bundled : m_options.cataloguePath, &error))
        return;
    if (!m_options.cataloguePath.isEmpty()) {
        // Assignments name commands of a catalogue: a bad file must not cost them.
        QString bundledError;
        if (standin::loadCatalogue(bundled, &bundledError)) {
            alert(QStringLiteral("Cannot load the command catalogue: %1. Using the bundled catalogue instead.").arg(error));
            return;
        }
        error += QStringLiteral("; ") + bundledError;
    }
    // Without commands the module would store every region as empty.
    if (standin::SettingsStore *store = standin::settingsStore())
        store->holdWrites(true);
    alert(QStringLiteral("Cannot load the command catalogue: %1. Settings will not be saved.").arg(error));
}

void HostApplication::loadModule()
{
    const QString path = m_options.modulePath.isEmpty() ? defaultModulePath() : m_options.modulePath;
    QString error;
    // The file name only: the history shows in screenshots, the folder is the machine's.
    if (m_loader.load(path, &error))
        emit standin::hostSignals()->historyLine(QStringLiteral("Loaded %1.").arg(QFileInfo(m_loader.path()).fileName()));
    else
        report(error + QStringLiteral(" Mouse gestures are not available."));
}

void HostApplication::shutdown()
{
    if (std::exchange(m_shutDown, true))
        return;
    m_loader.unload();
    // The last chance for what is pending; a lock held elsewhere gets a moment, no more.
    if (standin::SettingsStore *store = standin::settingsStore())
        store->flush(kExitLockWaitMs);
}
