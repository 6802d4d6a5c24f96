// Strokewheel - mouse gestures for CAD drawing views.
// Drawing SDK: wide-character string value.
#pragma once

#include <string>

using OdChar = wchar_t;

class OdString
{
public:
    OdString() = default;
    OdString(const OdChar *text) : m_text(text ? text : L"") {}
    // 8-bit text is taken as Latin-1, the host's narrow code page.
    OdString(const char *text)
    {
        for (const char *c = text; c && *c; ++c)
            m_text.push_back(static_cast<OdChar>(static_cast<unsigned char>(*c)));
    }

    const OdChar *c_str() const { return m_text.c_str(); }
    int getLength() const { return static_cast<int>(m_text.size()); }
    bool isEmpty() const { return m_text.empty(); }
    bool operator==(const OdString &other) const { return m_text == other.m_text; }
    bool operator!=(const OdString &other) const { return m_text != other.m_text; }
    bool operator<(const OdString &other) const { return m_text < other.m_text; }

private:
    std::wstring m_text;
};

// The 8-bit (Latin-1) form of an OdString; characters beyond Latin-1 become '?'.
class OdAnsiString
{
public:
    explicit OdAnsiString(const OdString &text)
    {
        for (const OdChar *c = text.c_str(); *c; ++c)
            m_text.push_back(*c > 0xFF ? '?' : static_cast<char>(static_cast<unsigned char>(*c)));
    }
    const char *c_str() const { return m_text.c_str(); }

private:
    std::string m_text;
};
