// Strokewheel - mouse gestures for CAD drawing views.
// Control API: loading catalogue files and finding the bundled one.
#include "standin/Catalogue.h"
#include "standin/StandIn.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace standin {

namespace {

const char *const bundledCatalogue = "catalogue/default.catalogue";

// The folder of the stand-in library file, found through one of its own symbols.
QString libraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&defaultCataloguePath), &info) == 0 || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

} // namespace

bool loadCatalogue(const QString &path, QString *error)
{
    return catalogue()->load(path, error);
}

// Beside the library, in the build folder as in an installed tree.
QString defaultCataloguePath()
{
    return QDir(libraryFolder()).filePath(QLatin1String(bundledCatalogue));
}

} // namespace standin
