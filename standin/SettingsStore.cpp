// Strokewheel - mouse gestures for CAD drawing views.
// The host settings store of the current profile.
#include "standin/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

void report(const QString &message)
{
    std::fprintf(stderr, "strokewheel-host: %s\n", qUtf8Printable(message));
}

} // namespace

SettingsStore::SettingsStore() = default;
SettingsStore::~SettingsStore() = default;

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
    m_loaded = path.isEmpty();
    m_fileReadable = true;
    m_lastWriteFailed = false;
}

QString SettingsStore::file() const
{
    return m_file;
}

bool SettingsStore::load(QString *error)
{
    m_loaded = true;
    m_fileReadable = true;
    if (m_file.isEmpty())
        return true;
    if (!QFileInfo::exists(m_file)) {
        m_sections.clear();
        return true;
    }

    IniFile::Sections sections;
    QString reason;
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else
        IniFile::parse(file.readAll(), &sections, &reason);
    if (reason.isEmpty()) {
        m_sections = sections;
        return true;
    }

    // What is in memory stays; the file is left alone for the user to repair.
    m_fileReadable = false;
    const QString message = QString::fromLatin1("cannot read the settings file %1 (%2); settings stay in memory")
                                .arg(QDir::toNativeSeparators(m_file), reason);
    if (error)
        *error = message;
    if (!m_readFailureReported) {
        m_readFailureReported = true;
        report(message);
    }
    return false;
}

bool SettingsStore::isPersistent() const
{
    ensureLoaded();
    return !m_file.isEmpty() && m_fileReadable && !m_lastWriteFailed;
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
    if (found != values.constEnd() && found.value() == value && !m_lastWriteFailed)
        return;
    values.insert(key, value);
    write();
}

void SettingsStore::remove(const QString &section, const QString &key)
{
    ensureLoaded();
    const auto found = m_sections.find(section);
    if (found == m_sections.end() || found->remove(key) == 0)
        return;
    if (found->isEmpty())
        m_sections.erase(found);
    write();
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

void SettingsStore::clear()
{
    m_loaded = true;
    m_sections.clear();
    write();
}

void SettingsStore::write()
{
    // A file that could not be read is not overwritten.
    if (m_file.isEmpty() || !m_fileReadable)
        return;
    QSaveFile file(m_file);
    QString reason;
    if (!QDir().mkpath(QFileInfo(m_file).absolutePath()))
        reason = QString::fromLatin1("cannot create its folder");
    else if (!file.open(QIODevice::WriteOnly))
        reason = file.errorString();
    else if (file.write(IniFile::format(m_sections)) < 0 || !file.commit())
        reason = file.errorString();
    m_lastWriteFailed = !reason.isEmpty();
    if (m_lastWriteFailed && !m_writeFailureReported) {
        m_writeFailureReported = true;
        report(QString::fromLatin1("cannot write the settings file %1 (%2); settings stay in memory")
                   .arg(QDir::toNativeSeparators(m_file), reason));
    }
}

} // namespace standin
