// Strokewheel - mouse gestures for CAD drawing views.
// What QGIS looks up in a C++ plugin's library.
#include "qgis/GesturePlugin.h"

#include <QString>

#define SW_QGIS_EXPORT extern "C" Q_DECL_EXPORT

SW_QGIS_EXPORT QgisPlugin *classFactory(QgisInterface *iface)
{
    return new qgishost::GesturePlugin(iface);
}

SW_QGIS_EXPORT const QString *name()
{
    return &qgishost::GesturePlugin::kName;
}

SW_QGIS_EXPORT const QString *description()
{
    return &qgishost::GesturePlugin::kDescription;
}

SW_QGIS_EXPORT const QString *category()
{
    return &qgishost::GesturePlugin::kCategory;
}

SW_QGIS_EXPORT int type()
{
    return QgisPlugin::UI;
}

SW_QGIS_EXPORT const QString *version()
{
    return &qgishost::GesturePlugin::kVersion;
}

SW_QGIS_EXPORT const QString *icon()
{
    static const QString none;
    return &none;
}

SW_QGIS_EXPORT void unload(QgisPlugin *plugin)
{
    delete plugin;
}
