// Strokewheel - mouse gestures for CAD drawing views.
// The host settings store of the current profile.
#include "standin/SettingsStore.h"

#include <QDir>

#include <cstdio>

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

} // namespace

SettingsStore::SettingsStore()
{
    m_flushTimer.setSingleShot(true);
    QObject::connect(&m_flushTimer, &QTimer::timeout, [this] { flush(); });
    m_recheckTimer.setSingleShot(true);
    m_recheckTimer.setInterval(0);
    QObject::connect(&m_recheckTimer, &QTimer::timeout, [this] { m_stampChecked = false; });
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
    m_file.setPath(path);
    m_stamp = SettingsFile::Stamp();
    m_sections.clear();
    m_pending.clear();
    m_loaded = path.isEmpty();
    m_fileReadable = true;
    m_lastWriteFailed = false;
}

QString SettingsStore::file() const
{
    return m_file.path();
}

void SettingsStore::holdWrites(bool hold)
{
    m_writesHeld = hold;
}

void SettingsStore::setProblemHandler(const ProblemHandler &handler)
{
    m_problemHandler = handler;
}

void SettingsStore::report(QSet<QString> *told, const QString &message) const
{
    if (told->contains(message))
        return;
    told->insert(message);
    if (m_problemHandler)
        m_problemHandler(message);
    else
        std::fprintf(stderr, "strokewheel-host: %s\n", qUtf8Printable(message));
}

bool SettingsStore::load(QString *error)
{
    m_loaded = true;
    m_fileReadable = true;
    if (m_file.path().isEmpty())
        return true;
    // Stamped before the read: a change made while reading shows as a change next time.
    m_stamp = m_file.stamp();
    QByteArray data;
    QString reason;
    IniFile::Sections sections;
    if (m_file.read(&data, &reason) && IniFile::parse(data, &sections, &reason)) {
        applyPending(&sections);
        m_sections = sections;
        m_readProblemsTold.clear();
        return true;
    }
    // What is in memory stays; the file is left alone for the user to repair.
    m_fileReadable = false;
    const QString message = QStringLiteral("Cannot read the settings file \"%1\" (%2). Settings are kept "
                                           "in memory and will not be saved.")
                                .arg(QDir::toNativeSeparators(m_file.path()), reason);
    if (error)
        *error = message;
    report(&m_readProblemsTold, message);
    return false;
}

void SettingsStore::applyPending(IniFile::Sections *sections)
{
    for (auto change = m_pending.begin(); change != m_pending.end();) {
        auto &values = (*sections)[change->section];
        if (change->fillIn && values.contains(change->key)) {
            change = m_pending.erase(change);
            continue;
        }
        if (change->remove)
            values.remove(change->key);
        else
            values.insert(change->key, change->value);
        if (values.isEmpty())
            sections->remove(change->section);
        ++change;
    }
}

bool SettingsStore::isPersistent() const
{
    ensureLoaded();
    return !m_file.path().isEmpty() && m_fileReadable && !m_lastWriteFailed && !m_writesHeld;
}

void SettingsStore::ensureLoaded() const
{
    // Loading only replaces what the file holds; the store's observable state is the file's,
    // as it is on disk now (another process may have saved since). Once per turn of the
    // event loop is now enough: a load reads the store some thirty times in one turn.
    if (!m_loaded) {
        const_cast<SettingsStore *>(this)->load();
    } else if (!m_file.path().isEmpty() && !m_stampChecked) {
        m_stampChecked = true;
        m_recheckTimer.start();
        if (m_file.stamp() != m_stamp)
            const_cast<SettingsStore *>(this)->load();
    }
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
    const bool fillIn = found == values.constEnd();
    values.insert(key, value);
    change({section, key, value, false, fillIn});
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
    if (m_file.path().isEmpty())
        return;
    m_pending.append(change);
    if (!m_flushTimer.isActive())
        m_flushTimer.start(0);
}

bool SettingsStore::flush(int lockWaitMs)
{
    m_flushTimer.stop();
    // A file that could not be read is not overwritten.
    if (m_pending.isEmpty() || m_file.path().isEmpty() || !m_fileReadable || m_writesHeld)
        return m_pending.isEmpty();

    QString reason;
    QByteArray before;
    QByteArray after;
    IniFile::Sections merged;
    if (m_file.lock(lockWaitMs, &reason) && m_file.read(&before, &reason) &&
        IniFile::apply(before, m_pending, &after, &reason) && (after == before || m_file.write(after, &reason)))
        IniFile::parse(after, &merged, &reason);
    // Still under the lock: no other save can slip in between.
    const SettingsFile::Stamp stamp = m_file.stamp();
    m_file.unlock();

    m_lastWriteFailed = !reason.isEmpty();
    if (m_lastWriteFailed) {
        // The window never waits for another program: the changes wait in memory instead.
        if (reason == SettingsFile::lockBusyReason())
            m_flushTimer.start(kRetryMs);
        report(&m_writeProblemsTold,
               QStringLiteral("Cannot save the settings file \"%1\" (%2). Changed settings are kept in memory "
                              "and saved when the file can be written.")
                   .arg(QDir::toNativeSeparators(m_file.path()), reason));
        return false;
    }
    // What other processes wrote since is now part of this one's view.
    m_sections = merged;
    m_stamp = stamp;
    m_pending.clear();
    m_writeProblemsTold.clear();
    return true;
}

} // namespace standin
