// Strokewheel - mouse gestures for CAD drawing views.
// The command line's recall list.
#include "app/CommandRecall.h"

void CommandRecall::add(const QString &text)
{
    const QString entry = text.trimmed();
    if (!entry.isEmpty() && (m_entries.isEmpty() || m_entries.last() != entry)) {
        m_entries.append(entry);
        if (m_entries.size() > kCapacity)
            m_entries.removeFirst();
    }
    m_position = m_entries.size();
    m_draft.clear();
}

QString CommandRecall::previous(const QString &draft)
{
    if (m_entries.isEmpty())
        return draft;
    if (m_position == m_entries.size())
        m_draft = draft;
    if (m_position > 0)
        --m_position;
    return m_entries.at(m_position);
}

QString CommandRecall::next()
{
    if (m_position >= m_entries.size())
        return m_draft;
    ++m_position;
    return m_position == m_entries.size() ? m_draft : m_entries.at(m_position);
}

QString CommandRecall::last() const
{
    return m_entries.isEmpty() ? QString() : m_entries.last();
}
