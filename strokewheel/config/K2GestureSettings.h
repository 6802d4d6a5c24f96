// Strokewheel - mouse gestures for CAD drawing views.
// Reads and writes the gesture settings in the host settings store, with a read-only
// Qt settings store as fallback.
#pragma once

#include <QString>

class CFxProfile;

class K2GestureSettings
{
public:
    static K2GestureSettings *instance();

    // Held by the host store, or else by the fallback.
    bool contains(const QString &key) const;
    // Reads key into out; a value that did not come from the host store is copied there.
    // False (out untouched) only for a null fallback entry.
    bool value(const QString &key, QString &out) const;
    bool setValue(const QString &key, const QString &value) const;
    // The factory value of one of the fourteen keys; a null text for any other key.
    QString defaultValue(const QString &key) const;
    bool noFourGestureKeyStored() const;
    bool noEightGestureKeyStored() const;
    // Clears the fallback's group and writes the factory value of every key.
    void restoreDefaults() const;

private:
    K2GestureSettings() = default;
    K2GestureSettings(const K2GestureSettings &) = delete;
    K2GestureSettings &operator=(const K2GestureSettings &) = delete;

    static CFxProfile *hostStore();
    static QString fallbackApplication();
    bool noKeyStored(const QString *keys, int count) const;
};
