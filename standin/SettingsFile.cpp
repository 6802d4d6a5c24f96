// Strokewheel - mouse gestures for CAD drawing views.
// The file under a settings store.
#include "standin/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace standin {

namespace {

const char *const kTemporaryInfix = ".save-";

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool SettingsFile::Stamp::operator==(const Stamp &other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modified == other.modified && changed == other.changed;
}

SettingsFile::SettingsFile(const QString &path)
    : m_path(path),
      m_encodedPath(QFile::encodeName(path))
{
}

SettingsFile::~SettingsFile()
{
    unlock();
}

void SettingsFile::setPath(const QString &path)
{
    unlock();
    m_path = path;
    m_encodedPath = QFile::encodeName(path);
}

QString SettingsFile::path() const
{
    return m_path;
}

QString SettingsFile::lockBusyReason()
{
    return QStringLiteral("another program holds its lock");
}

SettingsFile::Stamp SettingsFile::stamp() const
{
    Stamp result;
    struct stat status;
    if (::stat(m_encodedPath.constData(), &status) != 0)
        return result;
    result.exists = true;
    result.device = status.st_dev;
    result.inode = status.st_ino;
    result.size = status.st_size;
    result.modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    result.changed = qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
    return result;
}

bool SettingsFile::read(QByteArray *data, QString *reason) const
{
    QFile file(m_path);
    data->clear();
    if (!file.exists())
        return true;
    const QFileInfo info(m_path);
    if (!info.isFile()) {
        *reason = QStringLiteral("not a regular file");
        return false;
    }
    // Beyond this a read would come back short, and a save would replace the file by the part.
    if (info.size() > kMaxSize) {
        *reason = QStringLiteral("larger than %1 MiB").arg(kMaxSize >> 20);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

bool SettingsFile::lock(int waitMs, QString *reason)
{
    unlock();
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *reason = QStringLiteral("cannot create its folder");
        return false;
    }
    m_lock = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_lock < 0) {
        *reason = systemError();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            *reason = systemError();
            unlock();
            return false;
        }
        if (waited.elapsed() >= waitMs) {
            *reason = lockBusyReason();
            unlock();
            return false;
        }
        QThread::msleep(10);
    }
    return true;
}

void SettingsFile::unlock()
{
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

QString SettingsFile::target() const
{
    // Dotfile managers link the file from elsewhere: the link stays, its target changes.
    const QFileInfo info(m_path);
    if (!info.isSymLink())
        return m_path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

void SettingsFile::removeLeftovers(const QString &target) const
{
    // Every save runs under the lock, so a temporary seen while holding it is a dead save's.
    const QFileInfo info(target);
    const QString prefix = info.fileName() + QLatin1String(kTemporaryInfix);
    QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        folder.remove(name);
}

bool SettingsFile::write(const QByteArray &data, QString *reason) const
{
    const QString path = target();
    removeLeftovers(path);
    QByteArray temporary = QFile::encodeName(path) + kTemporaryInfix + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        *reason = systemError();
        return false;
    }
    struct stat old;
    const mode_t mode = ::stat(QFile::encodeName(path).constData(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const char *next = data.constData();
    qint64 left = data.size();
    bool ok = ::fchmod(fd, mode) == 0;
    while (ok && left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        next += ok ? written : 0;
        left -= ok ? written : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    if (ok)
        ok = ::close(fd) == 0;
    else
        *reason = systemError(), ::close(fd);
    if (ok && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        ok = false;
    if (!ok) {
        if (reason->isEmpty())
            *reason = systemError();
        ::unlink(temporary.constData());
        return false;
    }
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

} // namespace standin
