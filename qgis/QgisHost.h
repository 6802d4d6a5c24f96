// Strokewheel - mouse gestures for CAD drawing views.
// Everything the SDK's entry points answer inside QGIS, owned for the plugin's lifetime.
#pragma once

#include "sdk/HostBackend.h"

#include <qgis.h>

#include <memory>

class QgisInterface;

namespace fxsdk {
class CommandStack;
class Editor;
class QtGate;
}

namespace qgishost {

class ActionCommandProcessor;
class MenuCatalogue;
class QgisApplication;
class QgisDocumentManager;
class QgisMainFrame;
class QgisServices;
class QgisSettingsProfile;

class QgisHost : public fxsdk::HostBackend
{
public:
    explicit QgisHost(QgisInterface *iface);
    ~QgisHost() override;

    CFxSystemServices *systemServices() override;
    CFxDocument *activeDocument() override;
    OdEdCommandStack *commandStack() override;
    OdEditor *editor() override;
    CFxBorealQtGate *qtGate() override;
    bool isDarkStyle() const override;
    // On QGIS's message bar, and in Qt's log.
    void report(const QString &text) override;
    QString helpPage(int topic) const override;
    QString uiLanguage() const override;

    QgisInterface *iface() const { return m_iface; }
    fxsdk::Editor &sdkEditor() const { return *m_editor; }
    MenuCatalogue &catalogue() const { return *m_catalogue; }
    QgisDocumentManager &documents() const { return *m_documents; }
    QgisMainFrame &mainFrame() const { return *m_mainFrame; }
    ActionCommandProcessor &processor() const { return *m_processor; }
    QgisApplication &application() const { return *m_application; }
    QgisSettingsProfile &settings() const { return *m_settings; }
    // Feedback the user is to read, titled with the plugin's name.
    void tell(const QString &text, Qgis::MessageLevel level) const;

private:
    QgisInterface *m_iface;
    std::unique_ptr<fxsdk::CommandStack> m_commandStack;
    std::unique_ptr<fxsdk::Editor> m_editor;
    std::unique_ptr<fxsdk::QtGate> m_gate;
    std::unique_ptr<QgisApplication> m_application;
    std::unique_ptr<QgisMainFrame> m_mainFrame;
    std::unique_ptr<QgisSettingsProfile> m_settings;
    std::unique_ptr<MenuCatalogue> m_catalogue;
    std::unique_ptr<QgisDocumentManager> m_documents;
    std::unique_ptr<ActionCommandProcessor> m_processor;
    std::unique_ptr<QgisServices> m_services;
};

} // namespace qgishost
