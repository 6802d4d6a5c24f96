// Strokewheel - mouse gestures for CAD drawing views.
// The widget of a drawing view.
#pragma once

#include "host/CFxInputPointManager.h"

#include <QWidget>

namespace standin {

class DrawingView : public QWidget, public CFxView
{
    Q_OBJECT

public:
    explicit DrawingView(QWidget *parent = nullptr);
    ~DrawingView() override;

    QWidget *GetWidget() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace standin
