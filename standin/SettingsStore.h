// Strokewheel - mouse gestures for CAD drawing views.
// The host settings store of the current profile: named sections of text values, kept in
// an INI file of the profile folder when one is bound.
#pragma once

#include "host/CFxProfileManager.h"
#include "standin/IniFile.h"
#include "standin/SettingsFile.h"
#include "standin/StandInExport.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>

namespace standin {

class STANDIN_API SettingsStore : public CFxProfile
{
public:
    using ProblemHandler = std::function<void(const QString &message)>;

    // A store in memory only.
    SettingsStore();
    ~SettingsStore() override;   // flushes

    OdString GetName() const override;
    bool IsValueExist(const OdString &section, const OdString &key) const override;
    OdResBufPtr GetValue(const OdString &section, const OdString &key, int flags) const override;
    void SetValue(const OdString &section, const OdString &key, const OdResBuf *value) override;

    // Binds the store to an INI file. The values in memory are dropped; the file's are read
    // when the store is next used (a missing file is a fresh profile), and read again in
    // the first use of a later turn of the event loop when another process has changed it.
    void setFile(const QString &path);
    QString file() const;
    // Reads the bound file now, replacing the values in memory; changes not yet written stay
    // on top. A file that cannot be read or parsed replaces nothing and is never overwritten
    // (changes then stay in memory).
    bool load(QString *error = nullptr);
    // Writes the changes made since the last write, merged under a lock into the file as
    // it is on disk: keys this process did not change keep what other processes wrote, and
    // every other line keeps its text, and a key this process added only because it was
    // missing is not written when another process has stored it since. Runs by itself at
    // the end of the event-loop turn in which the first change was made, so a burst of
    // changes is one atomic, durable write. Waits at most lockWaitMs for the lock; while
    // another program holds it, the write is tried again every second. On failure the file
    // stays as it was and the changes are kept for the next write.
    bool flush(int lockWaitMs = 0);
    // False after a failed read or write of the bound file, or while writes are held;
    // always false without a file.
    bool isPersistent() const;
    // While held, changes stay in memory and nothing is written.
    void holdWrites(bool hold);
    // Told about each failed read or write, once per distinct problem until the file works
    // again; without a handler the message goes to stderr.
    void setProblemHandler(const ProblemHandler &handler);

    // Text access for the application and the tests.
    bool contains(const QString &section, const QString &key) const;
    QString text(const QString &section, const QString &key) const;
    void setText(const QString &section, const QString &key, const QString &value);
    void remove(const QString &section, const QString &key);
    QStringList sections() const;
    QStringList keys(const QString &section) const;
    // Removes every key.
    void clear();

private:
    static constexpr int kRetryMs = 1000;

    void ensureLoaded() const;
    void applyPending(IniFile::Sections *sections);
    void change(const IniFile::Change &change);
    void report(QSet<QString> *told, const QString &message) const;

    mutable IniFile::Sections m_sections;
    QVector<IniFile::Change> m_pending;
    SettingsFile m_file;
    SettingsFile::Stamp m_stamp;
    QTimer m_flushTimer;
    mutable QTimer m_recheckTimer;
    ProblemHandler m_problemHandler;
    mutable QSet<QString> m_readProblemsTold;
    mutable QSet<QString> m_writeProblemsTold;
    mutable bool m_loaded = true;
    mutable bool m_stampChecked = false;
    mutable bool m_fileReadable = true;
    bool m_lastWriteFailed = false;
    bool m_writesHeld = false;
};

} // namespace standin
