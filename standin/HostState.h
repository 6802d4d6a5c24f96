// Strokewheel - mouse gestures for CAD drawing views.
// The whole state of the stand-in host, in one place so that it can be rebuilt
// between tests.
#pragma once

#include "standin/StandIn.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>

namespace fxsdk {
class CommandStack;
class Editor;
class QtGate;
} // namespace fxsdk

namespace standin {

class Application;
class Catalogue;
class CommandProcessor;
class DocumentManager;
class HostSignals;
class MainFrame;
class ProfileManager;
class SettingsStore;
class SystemServices;

class HostState
{
public:
    // The current state, built on first use.
    static HostState &get();
    static void rebuild();
    // Drops the state (the host is going away); the next get() builds a new one.
    static void destroy();

    bool isPresent(Link link) const;
    void setPresent(Link link, bool present);
    void log(const QString &entry);

    HostState();
    ~HostState();

    std::unique_ptr<HostSignals> notifier;
    std::unique_ptr<Application> application;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<ProfileManager> profileManager;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<fxsdk::CommandStack> commandStack;
    std::unique_ptr<CommandProcessor> commandProcessor;
    std::unique_ptr<fxsdk::Editor> editor;
    std::unique_ptr<fxsdk::QtGate> gate;
    std::unique_ptr<MainFrame> mainFrame;
    std::unique_ptr<DocumentManager> documentManager;
    std::unique_ptr<SystemServices> services;

    QStringList registrationLog;
    QList<int> messageAnswers;
    QList<ShownMessage> shownMessages;
    QHash<QString, int> explicitRestrictions;
    QHash<QString, int> restrictionTable;
    int setRestrictedCommandsCalls = 0;
    bool customBlockCommand = false;
    int colorScheme = 0;
    int toolbarIconSize = 16;
    int contextMenuCount = 0;

private:
    QHash<int, bool> m_absent;
};

} // namespace standin
