// Strokewheel - mouse gestures for CAD drawing views.
// The host settings store of the current profile.
#include "standin/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace standin {

namespace {

QString toQ(const OdString &text)
{
    return QString::fromWCharArray(text.c_str(), text.getLength());
}

OdString toOd(const QString &text)
{
    return OdString(text.toStdWString().c_str());
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool readFile(const QString &path, QByteArray *data, QString *reason)
{
    QFile file(path);
    if (!file.exists()) {
        data->clear();
        return true;
    }
    if (!QFileInfo(path).isFile()) {
        *reason = QStringLiteral("not a regular file");
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

// A complete new file renamed over the old one, on disk before the rename: a full disk, a
// crash or kill -9 leave either the old file or the new one, never a part.
bool writeDurably(const QString &path, const QByteArray &data, QString *reason)
{
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
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

// Held on the profile folder while the file is read, merged and replaced. The kernel drops
// it when its holder dies: a host killed mid-save leaves no stale lock behind.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool lock(int timeoutMs, QString *reason)
    {
        if (m_fd < 0) {
            *reason = systemError();
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                *reason = systemError();
                return false;
            }
            if (waited.elapsed() >= timeoutMs) {
                *reason = QStringLiteral("another program holds its lock");
                return false;
            }
            QThread::msleep(10);
        }
        return true;
    }

private:
    int m_fd;
};

} // namespace

SettingsStore::SettingsStore()
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(0);
    QObject::connect(&m_flushTimer, &QTimer::timeout, [this] { flush(); });
}

SettingsStore::~SettingsStore()
{
    flush();
}

OdString SettingsStore::GetName() const
{
    return OdString("Default");
}

bool SettingsStore::IsValueExist(const OdString &section, const OdString &key) const
{
    return contains(toQ(section), toQ(key));
}

OdResBufPtr SettingsStore::GetValue(const OdString &section, const OdString &key, int) const
{
    if (!contains(toQ(section), toQ(key)))
        return OdResBufPtr();
    OdResBufPtr value = OdResBuf::newRb(OdResBufType::kRtString);
    value->setString(toOd(text(toQ(section), toQ(key))));
    return value;
}

void SettingsStore::SetValue(const OdString &section, const OdString &key, const OdResBuf *value)
{
    if (value)
        setText(toQ(section), toQ(key), toQ(value->getString()));
}

void SettingsStore::setFile(const QString &path)
{
    m_file = path;
    m_sections.clear();
    m_pending.clear();
    m_loaded = path.isEmpty();
    m_fileReadable = true;
    m_lastWriteFailed = false;
}

QString SettingsStore::file() const
{
    return m_file;
}

void SettingsStore::holdWrites(bool hold)
{
    m_writesHeld = hold;
}

void SettingsStore::setProblemHandler(const ProblemHandler &handler)
{
    m_problemHandler = handler;
}

void SettingsStore::report(bool *reported, const QString &message) const
{
    if (*reported)
        return;
    *reported = true;
    if (m_problemHandler)
        m_problemHandler(message);
    else
        std::fprintf(stderr, "strokewheel-host: %s\n", qUtf8Printable(message));
}

bool SettingsStore::load(QString *error)
{
    m_loaded = true;
    m_fileReadable = true;
    if (m_file.isEmpty())
        return true;
    QByteArray data;
    QString reason;
    IniFile::Sections sections;
    if (readFile(m_file, &data, &reason) && IniFile::parse(data, &sections, &reason)) {
        m_sections = sections;
        m_readFailureReported = false;
        return true;
    }
    // What is in memory stays; the file is left alone for the user to repair.
    m_fileReadable = false;
    const QString message = QStringLiteral("Cannot read the settings file \"%1\" (%2). Settings are kept "
                                           "in memory and will not be saved.")
                                .arg(QDir::toNativeSeparators(m_file), reason);
    if (error)
        *error = message;
    report(&m_readFailureReported, message);
    return false;
}

bool SettingsStore::isPersistent() const
{
    ensureLoaded();
    return !m_file.isEmpty() && m_fileReadable && !m_lastWriteFailed && !m_writesHeld;
}

void SettingsStore::ensureLoaded() const
{
    // Loading only replaces what the file holds; the store's observable state is the file's.
    if (!m_loaded)
        const_cast<SettingsStore *>(this)->load();
}

bool SettingsStore::contains(const QString &section, const QString &key) const
{
    ensureLoaded();
    const auto found = m_sections.constFind(section);
    return found != m_sections.constEnd() && found->contains(key);
}

QString SettingsStore::text(const QString &section, const QString &key) const
{
    ensureLoaded();
    return m_sections.value(section).value(key);
}

void SettingsStore::setText(const QString &section, const QString &key, const QString &value)
{
    ensureLoaded();
    auto &values = m_sections[section];
    const auto found = values.constFind(key);
    // The module rewrites every key on every load; unchanged values cost no file write.
    if (found != values.constEnd() && found.value() == value)
        return;
    values.insert(key, value);
    change({section, key, value, false});
}

void SettingsStore::remove(const QString &section, const QString &key)
{
    ensureLoaded();
    const auto found = m_sections.find(section);
    if (found == m_sections.end() || found->remove(key) == 0)
        return;
    if (found->isEmpty())
        m_sections.erase(found);
    change({section, key, QString(), true});
}

void SettingsStore::clear()
{
    for (const QString &section : sections()) {
        for (const QString &key : keys(section))
            remove(section, key);
    }
}

QStringList SettingsStore::sections() const
{
    ensureLoaded();
    return m_sections.keys();
}

QStringList SettingsStore::keys(const QString &section) const
{
    ensureLoaded();
    return m_sections.value(section).keys();
}

void SettingsStore::change(const IniFile::Change &change)
{
    if (m_file.isEmpty())
        return;
    m_pending.append(change);
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

bool SettingsStore::flush()
{
    m_flushTimer.stop();
    // A file that could not be read is not overwritten.
    if (m_pending.isEmpty() || m_file.isEmpty() || !m_fileReadable || m_writesHeld)
        return m_pending.isEmpty();

    QString reason;
    QByteArray before;
    QByteArray after;
    IniFile::Sections merged;
    const QString folder = QFileInfo(m_file).absolutePath();
    if (!QDir().mkpath(folder)) {
        reason = QStringLiteral("cannot create its folder");
    } else {
        FolderLock lock(folder);
        if (lock.lock(5000, &reason) && readFile(m_file, &before, &reason) &&
            IniFile::apply(before, m_pending, &after, &reason) &&
            (after == before || writeDurably(m_file, after, &reason)))
            IniFile::parse(after, &merged, &reason);
    }

    m_lastWriteFailed = !reason.isEmpty();
    if (m_lastWriteFailed) {
        report(&m_writeFailureReported,
               QStringLiteral("Cannot save the settings file \"%1\" (%2). Changed settings are kept in memory "
                              "and saved when the file can be written.")
                   .arg(QDir::toNativeSeparators(m_file), reason));
        return false;
    }
    // What other processes wrote since is now part of this one's view.
    m_sections = merged;
    m_pending.clear();
    m_writeFailureReported = false;
    return true;
}

} // namespace standin
