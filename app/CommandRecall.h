// Strokewheel - mouse gestures for CAD drawing views.
// The command line's recall list: earlier entries with the up and down arrows.
#pragma once

#include <QString>
#include <QStringList>

class CommandRecall
{
public:
    static constexpr int kCapacity = 100;

    // Remembers an entered text (not an empty one, nor a repeat of the last) and goes
    // back to the fresh line.
    void add(const QString &text);
    // One entry further back; at the oldest it stays there. draft is what the line holds
    // now, given back when the user comes forward past the newest entry.
    QString previous(const QString &draft);
    QString next();
    QString last() const;
    QStringList entries() const { return m_entries; }

private:
    QStringList m_entries;
    int m_position = 0;   // == size(): the fresh line
    QString m_draft;
};
