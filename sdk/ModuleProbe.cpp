// Strokewheel - mouse gestures for CAD drawing views.
// Module files tried in a separate process first.
#include "sdk/ModuleProbe.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <dlfcn.h>
#include <sys/stat.h>

namespace fxsdk {

namespace {

const QString kLoads = QStringLiteral("loads");
// More entries than any machine has module files; past it the record starts afresh.
constexpr int kMaxEntries = 64;

} // namespace

const char *const ModuleProbe::kHelperName = "fxsdk-probe";

QString ModuleProbe::helperPath()
{
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void *>(&ModuleProbe::helperPath), &info) == 0 || !info.dli_fname)
        return QString();
    // A plugin folder may link the library from elsewhere; the helper lives beside either.
    const QFileInfo library(QFile::decodeName(info.dli_fname));
    for (const QString &folder : {library.absolutePath(), QFileInfo(library.canonicalFilePath()).absolutePath()}) {
        const QFileInfo helper(QDir(folder).filePath(QString::fromLatin1(kHelperName)));
        if (helper.isFile() && helper.isExecutable())
            return helper.absoluteFilePath();
    }
    return QString();
}

QString ModuleProbe::fileVersion(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QString();
    return QStringLiteral("%1:%2 %3 %4.%5 %6.%7")
        .arg(status.st_dev).arg(status.st_ino).arg(status.st_size)
        .arg(status.st_mtim.tv_sec).arg(status.st_mtim.tv_nsec)
        .arg(status.st_ctim.tv_sec).arg(status.st_ctim.tv_nsec);
}

QString ModuleProbe::cacheFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("fxsdk/module-probes.ini"));
}

bool ModuleProbe::loads(const QString &path, QString *reason)
{
    const QString helper = helperPath();
    const QString version = fileVersion(path);
    if (helper.isEmpty() || version.isEmpty())
        return true;
    QSettings cache(cacheFile(), QSettings::IniFormat);
    const QString key = QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
    const QStringList known = cache.value(key).toStringList();
    if (known.size() == 3 && known.at(0) == path && known.at(1) == version) {
        *reason = known.at(2);
        return *reason == kLoads;
    }

    QProcess probe;
    probe.setProcessChannelMode(QProcess::SeparateChannels);
    probe.start(helper, {path});
    if (!probe.waitForStarted())
        return true;
    if (!probe.waitForFinished(kTimeoutMs)) {
        probe.kill();
        probe.waitForFinished();
        // Not remembered: a busy machine may be the cause.
        *reason = QStringLiteral("loading it did not finish within %1 s.").arg(kTimeoutMs / 1000);
        return false;
    }
    if (probe.exitStatus() == QProcess::CrashExit)
        *reason = QStringLiteral("loading it crashes the process; the file is damaged.");
    else if (probe.exitCode() != 0)
        *reason = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed() + QLatin1Char('.');
    else
        *reason = kLoads;

    // Files that are gone make room.
    const QStringList keys = cache.childKeys();
    for (const QString &other : keys) {
        const QStringList entry = cache.value(other).toStringList();
        if (keys.size() >= kMaxEntries || entry.isEmpty() || !QFileInfo::exists(entry.first()))
            cache.remove(other);
    }
    cache.setValue(key, QStringList{path, version, *reason});
    return *reason == kLoads;
}

} // namespace fxsdk
