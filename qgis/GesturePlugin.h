// Strokewheel - mouse gestures for CAD drawing views.
// The QGIS plugin: makes QGIS the module's host and loads the module file from beside
// itself, unchanged, as any host does.
#pragma once

#include "sdk/ModuleLoader.h"

#include <qgisplugin.h>

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;
class QTranslator;

namespace qgishost {

class QgisHost;

class GesturePlugin : public QObject, public QgisPlugin
{
    Q_OBJECT

public:
    static const QString kName;
    static const QString kDescription;
    static const QString kCategory;
    static const QString kVersion;

    explicit GesturePlugin(QgisInterface *iface);
    ~GesturePlugin() override;

    void initGui() override;
    void unload() override;

    // The folder holding the module file, the SDK library and the translations.
    static QString supportFolder();

private:
    void installTranslator();
    void tearDown();

    QgisInterface *m_iface;
    std::unique_ptr<QgisHost> m_host;
    std::unique_ptr<QTranslator> m_translator;
    fxsdk::ModuleLoader m_loader;
    QPointer<QAction> m_menuAction;
};

} // namespace qgishost
