// Strokewheel - mouse gestures for CAD drawing views.
// Host SDK: the host's string, convertible to and from QString and OdString.
#pragma once

#include "HostExport.h"
#include "OdString.h"

#include <QString>

class FX_HOST_API CFxString
{
public:
    CFxString() = default;
    CFxString(const QString &text) : m_text(text) {}
    CFxString(const char *text) : m_text(QString::fromUtf8(text)) {}
    CFxString(const OdString &text) : m_text(QString::fromWCharArray(text.c_str(), text.getLength())) {}

    QString toQString() const { return m_text; }
    operator QString() const { return m_text; }
    OdString toOdString() const { return OdString(m_text.toStdWString().c_str()); }
    operator OdString() const { return toOdString(); }

    bool isEmpty() const { return m_text.isEmpty(); }
    int getLength() const { return m_text.size(); }

    // Removes every leading occurrence of prefix; returns this string.
    CFxString &trimLeft(const CFxString &prefix);

    bool operator==(const CFxString &other) const { return m_text == other.m_text; }
    bool operator!=(const CFxString &other) const { return m_text != other.m_text; }

private:
    QString m_text;
};
