// Strokewheel - mouse gestures for CAD drawing views.
// The QGIS plugin.
#include "qgis/GesturePlugin.h"

#include "qgis/ActionCommandProcessor.h"
#include "qgis/MenuCatalogue.h"
#include "qgis/QgisHost.h"

#include "sdk/Editor.h"

#include <qgisinterface.h>
#include <qgsapplication.h>
#include <qgsmessagebar.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QTimer>
#include <QTranslator>

#include <dlfcn.h>

namespace qgishost {

const QString GesturePlugin::kName = QStringLiteral("Mouse Gestures");
const QString GesturePlugin::kDescription =
    QStringLiteral("Drag with the right mouse button on the map for a ring of actions; pick one by moving into it.");
const QString GesturePlugin::kCategory = QStringLiteral("Plugins");
const QString GesturePlugin::kVersion = QStringLiteral(STROKEWHEEL_VERSION);

GesturePlugin::GesturePlugin(QgisInterface *iface)
    : QgisPlugin(kName, kDescription, kCategory, kVersion, QgisPlugin::UI), m_iface(iface)
{
}

GesturePlugin::~GesturePlugin()
{
    // Not unload(): a virtual call here would not reach an override.
    tearDown();
}

QString GesturePlugin::supportFolder()
{
    Dl_info info{};
    dladdr(reinterpret_cast<void *>(&GesturePlugin::supportFolder), &info);
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteDir().filePath(QStringLiteral("strokewheel"));
}

void GesturePlugin::initGui()
{
    if (m_host)
        return;
    m_host = std::make_unique<QgisHost>(m_iface);
    fxsdk::setHostBackend(m_host.get());
    installTranslator();
    const QString title = QCoreApplication::translate("qgishost", "Mouse Gestures");
    QString error;
    if (!m_loader.load(QDir(supportFolder()).filePath(QStringLiteral(STROKEWHEEL_MODULE_FILE)), &error)) {
        m_iface->messageBar()->pushCritical(
            title, error + QLatin1Char(' ') + QCoreApplication::translate("qgishost", "Mouse gestures are not available."));
        return;
    }
    m_host->sdkEditor().sendAppStarted();
    m_menuAction = new QAction(QCoreApplication::translate("qgishost", "Mouse Gestures..."), m_iface->mainWindow());
    m_menuAction->setObjectName(QStringLiteral("mActionStrokewheelGestures"));
    connect(m_menuAction, &QAction::triggered, this, [this] { m_host->processor().execute(QStringLiteral("GESTURE")); });
    m_iface->pluginMenu()->addAction(m_menuAction);
    // The catalogue's first walk, ahead of the first gesture: now, for a plugin switched on
    // in a running QGIS, and once QGIS and the plugins after this one have built their menus.
    const auto prepare = [this] {
        if (m_host)
            m_host->catalogue().prepare();
    };
    QTimer::singleShot(0, this, prepare);
    connect(m_iface, &QgisInterface::initializationCompleted, this, prepare);
}

void GesturePlugin::unload()
{
    tearDown();
}

void GesturePlugin::tearDown()
{
    if (!m_host)
        return;
    delete m_menuAction;
    m_loader.unload();
    fxsdk::setHostBackend(nullptr);
    m_host.reset();
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
}

void GesturePlugin::installTranslator()
{
    auto translator = std::make_unique<QTranslator>();
    // QGIS's interface language ("Override system locale"), not the default locale, which
    // QGIS sets for numbers and dates.
    if (translator->load(QLocale(QgsApplication::locale()), QStringLiteral("strokewheel"), QStringLiteral("_"),
                         QDir(supportFolder()).filePath(QStringLiteral("translations"))) &&
        QCoreApplication::installTranslator(translator.get()))
        m_translator = std::move(translator);
}

} // namespace qgishost
