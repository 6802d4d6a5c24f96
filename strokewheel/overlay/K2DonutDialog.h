// Strokewheel - mouse gestures for CAD drawing views.
// Abstract gesture overlay: the region state, the hit-test and the hooks a style implements.
#pragma once

#include "config/K2OverlayContent.h"

#include <QDialog>
#include <QSize>
#include <QString>
#include <QVector>

class K2DonutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit K2DonutDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // The pointer's offset from the centre changed (x to the right, y upwards).
    virtual void updateRegion(double x, double y);
    virtual QSize donutSize() const = 0;
    virtual void drawDonut(QPaintEvent *event) = 0;

    QSize sizeHint() const override;

    // Stores and returns the region the offset points at.
    int computeRegion(double x, double y);

    // Degrees in [0, 360), counter-clockwise from the right. Pi is taken as 22/7, so a
    // diagonal is 44.98 degrees, not 45.
    static double vectorAngle(double x, double y);
    // The region of count regions at angle; region 0 is centred straight up and indices grow
    // counter-clockwise. A current region (not -1) is kept while the angle lies within
    // stickyWidth / 2 of its centre, so the highlight does not flicker at a boundary.
    static int regionAt(double angle, int count, int current, double stickyWidth);

    // State read by the tracker and the painter.
    QSize m_donutSize;
    QVector<RegionContent> m_regionContents;
    QVector<QString> m_regionHelpTexts;
    quint16 m_regionCount = 0;
    qint16 m_currentRegion = -1;
    double m_stickyWidth = 0.0;

signals:
    void commandEnded();

protected:
    void paintEvent(QPaintEvent *event) override;
};
