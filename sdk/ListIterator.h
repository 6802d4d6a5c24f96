// Strokewheel - mouse gestures for CAD drawing views.
// The host iterators' common part: a snapshot of positions, absent ones as null.
#pragma once

#include <QVector>

namespace fxsdk {

// Keeps its own list of positions, so it stays valid while its owner grows; it must not
// outlive the objects it lists.
template <class Base, class Item>
class ListIterator : public Base
{
public:
    explicit ListIterator(const QVector<Item *> &items) : m_items(items) {}
    bool Done() const override { return m_position >= m_items.size(); }
    void Next() override { ++m_position; }

protected:
    Item *current() const { return Done() ? nullptr : m_items.at(m_position); }

private:
    QVector<Item *> m_items;
    int m_position = 0;
};

} // namespace fxsdk
