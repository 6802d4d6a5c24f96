// Strokewheel - mouse gestures for CAD drawing views.
// The host settings store of the current profile: named sections of text values, kept in
// an INI file of the profile folder when one is bound.
#pragma once

#include "host/CFxProfileManager.h"
#include "standin/IniFile.h"
#include "standin/StandInExport.h"

#include <QString>
#include <QStringList>

namespace standin {

class STANDIN_API SettingsStore : public CFxProfile
{
public:
    // A store in memory only.
    SettingsStore();
    ~SettingsStore() override;

    OdString GetName() const override;
    bool IsValueExist(const OdString &section, const OdString &key) const override;
    OdResBufPtr GetValue(const OdString &section, const OdString &key, int flags) const override;
    void SetValue(const OdString &section, const OdString &key, const OdResBuf *value) override;

    // Binds the store to an INI file. The values in memory are dropped; the file's are read
    // when the store is next used (a missing file is a fresh profile), and every change is
    // written back to it at once, atomically.
    void setFile(const QString &path);
    QString file() const;
    // Reads the bound file now, replacing the values in memory. A file that cannot be read
    // or parsed replaces nothing and is never overwritten (changes then stay in memory);
    // says so once on stderr. A store bound by setFile starts empty in that case.
    bool load(QString *error = nullptr);
    // False after a failed read or write of the bound file; always false without a file.
    bool isPersistent() const;

    // Text access for the application and the tests.
    bool contains(const QString &section, const QString &key) const;
    QString text(const QString &section, const QString &key) const;
    void setText(const QString &section, const QString &key, const QString &value);
    void remove(const QString &section, const QString &key);
    QStringList sections() const;
    QStringList keys(const QString &section) const;
    // Empties the store and its file.
    void clear();

private:
    void ensureLoaded() const;
    void write();

    mutable IniFile::Sections m_sections;
    QString m_file;
    mutable bool m_loaded = true;
    mutable bool m_fileReadable = true;
    mutable bool m_readFailureReported = false;
    bool m_lastWriteFailed = false;
    bool m_writeFailureReported = false;
};

} // namespace standin
