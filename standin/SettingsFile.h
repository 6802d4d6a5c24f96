// Strokewheel - mouse gestures for CAD drawing views.
// The file under a settings store: read whole, replaced atomically, guarded by the profile
// folder's lock, and watched for changes made by other processes.
#pragma once

#include "standin/StandInExport.h"

#include <QByteArray>
#include <QString>

namespace standin {

class STANDIN_API SettingsFile
{
public:
    // Larger files are refused rather than read in part.
    static constexpr qint64 kMaxSize = qint64(256) << 20;

    // What identifies one version of the file on disk.
    struct Stamp
    {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modified = 0;   // nanoseconds
        qint64 changed = 0;
        bool operator==(const Stamp &other) const;
        bool operator!=(const Stamp &other) const { return !(*this == other); }
    };

    explicit SettingsFile(const QString &path = QString());
    ~SettingsFile();
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    void setPath(const QString &path);
    QString path() const;
    Stamp stamp() const;
    // The whole file; a missing file is empty. False with the reason otherwise.
    bool read(QByteArray *data, QString *reason) const;
    // Takes the profile folder's lock, waiting at most waitMs. The kernel drops it when its
    // holder dies, so a host killed mid-save leaves no stale lock behind.
    bool lock(int waitMs, QString *reason);
    void unlock();
    // Replaces the file (a symbolic link's target, the link staying) by a complete new one,
    // on disk before the rename; under the lock, leftovers of saves killed earlier go first.
    bool write(const QByteArray &data, QString *reason) const;

    static QString lockBusyReason();

private:
    QString target() const;
    void removeLeftovers(const QString &target) const;

    QString m_path;
    QByteArray m_encodedPath;   // stamp() runs on every read of the store
    int m_lock = -1;
};

} // namespace standin
