// Strokewheel - mouse gestures for CAD drawing views.
// The layout tabs under the drawing: "Model" and the sheets of the active drawing.
#pragma once

#include <QTabBar>

class LayoutBar : public QTabBar
{
    Q_OBJECT

public:
    explicit LayoutBar(QWidget *parent = nullptr);

    // Shows the active drawing's layouts with its current one selected.
    void refresh();
    // Makes the layout called name current; false when the drawing has none of that name.
    bool selectLayout(const QString &name);

private:
    void onCurrentChanged(int index);

    bool m_refreshing = false;
};
