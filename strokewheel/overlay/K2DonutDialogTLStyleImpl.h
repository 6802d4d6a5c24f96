// Strokewheel - mouse gestures for CAD drawing views.
// The gesture overlay the module shows: a translucent ring that follows the pointer and
// commits the region the pointer leaves the inner circle through.
#pragma once

#include "overlay/K2DonutDialog.h"

#include <QCursor>
#include <QEvent>
#include <QPixmap>
#include <QPoint>

class CFxView;
class QPainter;
class QTimer;

class K2DonutDialogTLStyleImpl : public K2DonutDialog
{
    Q_OBJECT
    // What the host's scripted checks of the ring read.
    Q_PROPERTY(int currentRegion READ currentRegion)
    Q_PROPERTY(bool committed READ isCommitted)

public:
    explicit K2DonutDialogTLStyleImpl(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~K2DonutDialogTLStyleImpl() override;

    // Takes over the host's pointer for view; m_pressPoint must be set.
    void arm(CFxView *view);
    // Loads the regions of the active scheme, grabs the input and shows the ring, pointing
    // where the event that shows it happened (global); without one, where the pointer is.
    void showDonut();
    void showDonut(const QPoint &globalPointer);
    void hideDonut(bool accepted);
    // The ring was shown after the gesture's button had gone up: it ends now, or after the
    // hold when it shows a choice.
    void endAfterRelease();
    void updateRegion(double x, double y) override;
    // Shows the committed picture and holds it on screen.
    void commitSelection();
    QSize donutSize() const override;
    int currentRegion() const { return m_currentRegion; }
    bool isCommitted() const { return m_committed; }

    void drawDonut(QPaintEvent *event) override;
    void drawSelection(QPainter &painter);
    // Moves the painter's origin to the item of region index; returns the label rotation.
    qreal placeRegionItem(QPainter &painter, int count, int index);

    // Decodes the ring and highlight pictures of the current style ahead of the first
    // gesture, which would otherwise pay for them before its first paint.
    static void preloadPictures();

    // Asked anew at every use: the user may switch the host's colour scheme at any time.
    static bool isDarkStyle();

    // State the tracker reads and writes: it sets m_pressPoint and clears m_finished, and
    // collects m_accepted and m_currentRegion once the overlay has finished.
    bool m_committed = false;
    bool m_shown = false;
    bool m_accepted = false;
    CFxView *m_view = nullptr;
    qint32 m_savedHostSetting = 0;
    QCursor m_savedViewCursor;
    QPoint m_pressPoint;
    bool m_armed = false;
    bool m_finished = false;
    // A flick's choice is on screen after the release and ends by the hold's timer.
    bool m_releaseHold = false;
    // Where the last event the ring handled happened (global).
    QPoint m_lastPointer;
    // What the screen showed beneath the ring, where the ring blends itself with it.
    QPixmap m_backdrop;
    // Ends a flick's hold.
    QTimer *m_holdTimer = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // An event's offset from the press point in view-widget pixels (y downwards). Events
    // carry where they happened; the pointer may be far ahead when input queues up.
    QPoint pointerOffset(const QPoint &globalPos) const;
    // Hides with the outcome and tells the view at once, before any input queued behind,
    // so that the tracker collects it in order.
    void finishAndNotifyView(bool accepted, const QPoint &globalPos, Qt::MouseButtons buttons,
                             Qt::KeyboardModifiers modifiers);
    // Input the X server sent to the ring's window while it held the pointer, read after it
    // hid: it belongs to the view, in the order it came.
    void forwardToView(const QMouseEvent &event);
    void sendToView(QEvent::Type type, const QPoint &globalPos, Qt::MouseButton button, Qt::MouseButtons buttons,
                    Qt::KeyboardModifiers modifiers);
    void paintWithTheWindow();
    // Cuts the window to the visible picture where no compositor blends it.
    void updateShape();
    void centreCoordinates(QPainter &painter) const;
    // The current region's highlight with its item on top, in widget coordinates.
    void drawCurrentRegion(QPainter &painter, bool dark);
    void drawRegionItem(QPainter &painter, int index, qreal rotation, int keptCharacters) const;
    static void paintItem(QPainter &painter, const RegionContent &item, qreal rotation, int keptCharacters);
};
