// Strokewheel - mouse gestures for CAD drawing views.
// The host's start and end: profile, catalogue, translations, window, module, replay.
#pragma once

#include "app/HostOptions.h"
#include "app/ReplayStep.h"

#include "sdk/ModuleLoader.h"

#include <QObject>
#include <QSet>
#include <QTemporaryDir>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class HostWindow;
class QTranslator;
class ReplayRunner;

class HostApplication : public QObject
{
    Q_OBJECT

public:
    static constexpr int kExitFailed = 1;
    static constexpr int kExitMalformedScript = 2;
    static constexpr int kExitLockWaitMs = 1000;
    static const char *const kModuleFileName;
    static const char *const kSettingsFileName;
    static const char *const kDemoScript;

    explicit HostApplication(const HostOptions &options);
    ~HostApplication() override;

    // Sets everything up; false with exitCode when the host must stop at once.
    bool start(int *exitCode);
    // Unloads the module (appClosing, uninitApp, delete, close) while the window exists.
    void shutdown();

    static QString defaultProfileFolder();
    static QString defaultModulePath();

private:
    void installTranslations();
    void bindProfile();
    void loadCatalogue();
    void loadModule();
    bool prepareScript(int *exitCode);
    void report(const QString &line);
    // A problem the user must not miss: in the command history, and each distinct one once
    // in a message.
    void alert(const QString &line);

    HostOptions m_options;
    fxsdk::ModuleLoader m_loader;
    std::unique_ptr<HostWindow> m_window;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_earlyReports;
    std::unique_ptr<QTemporaryDir> m_throwAwayProfile;
    QSet<QString> m_alerted;
    bool m_scripted = false;
    bool m_shutDown = false;
    QVector<ReplayStep> m_steps;
    QString m_scriptName;
    ReplayRunner *m_runner = nullptr;
};
