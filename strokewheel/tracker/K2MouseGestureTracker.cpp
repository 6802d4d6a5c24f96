// Strokewheel - mouse gestures for CAD drawing views.
// The mouse gesture tracker and the dispatch of its pending command.
#include "tracker/K2MouseGestureTracker.h"

#include "config/K2GestureConfig.h"
#include "hostaccess/K2Host.h"
#include "overlay/K2DonutDialogTLStyleImpl.h"

#include "host/CFxApplication.h"
#include "host/CFxDocument.h"
#include "host/CFxInputPointManager.h"
#include "host/CFxSystemServices.h"
#include "host/CFxUtils.h"

K2MouseGestureTracker::K2MouseGestureTracker() = default;

K2MouseGestureTracker::~K2MouseGestureTracker()
{
    // The overlay's code lives in this module file, which the host may unload while its
    // main window, the overlay's parent, lives on.
    delete m_overlay.data();
}

bool K2MouseGestureTracker::isGestureDrag(const QPoint &delta)
{
    return delta.manhattanLength() > kGestureThreshold;
}

QPoint K2MouseGestureTracker::centredTopLeft(const QPoint &centre, const QSize &size)
{
    return QPoint(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
}

CFxString K2MouseGestureTracker::firstWord(const CFxString &text)
{
    const QString whole = text.toQString();
    return CFxString(whole.left(whole.indexOf(QLatin1Char(' '))));
}

void K2MouseGestureTracker::OnInputEvent(int, CFxInputPointManager *manager)
{
    // Every mouse event of every view comes through here: the idle path stays a few tests,
    // in a function short enough to need no stack frame of its own.
    if (!K2GestureConfig::instance()->enabled)
        return;
    if (isBlocked(*manager))
        return;
    if (manager->IsGesturePress()) {
        m_startPoint = manager->GetDevicePoint();
        m_tracking = true;
    } else if (!m_tracking) {
        return;
    }
    followDrag(manager);
}

void K2MouseGestureTracker::followDrag(CFxInputPointManager *manager)
{
    const QPoint delta = manager->GetDevicePoint() - m_startPoint;
    if (manager->IsTrackingMove() && manager->IsGestureButtonDown() && isGestureDrag(delta)) {
        if (!m_overlay)
            createOverlay();
        manager->ClaimGesture();
        if (!m_overlay->m_armed && !m_overlay->m_finished) {
            placeAndArmOverlay(manager);
            return;
        }
    }

    if (!m_overlay)
        return;
    // Shows an overlay armed by an earlier event, whatever this event is, pointing where
    // this event happened.
    m_overlay->showDonut(ACTIVE_DOCUMENT()->GetViewWidget()->mapToGlobal(manager->GetDevicePoint()));
    // The event that showed the ring was the release itself (a quick drag): no further
    // release will come, and the ring must not outlive the gesture.
    if (m_overlay->m_shown && !manager->IsGestureButtonDown())
        m_overlay->endAfterRelease();
    if (m_overlay->m_finished)
        collectOutcome(manager);
}

void K2MouseGestureTracker::OnTrackerAttached(CFxInputPointManager *)
{
}

void K2MouseGestureTracker::OnTrackerDetached(CFxInputPointManager *)
{
}

void K2MouseGestureTracker::createOverlay()
{
    m_overlay = new K2DonutDialogTLStyleImpl(K2Host::windowParent(), Qt::WindowFlags());
    m_overlay->hide();
}

void K2MouseGestureTracker::placeAndArmOverlay(CFxInputPointManager *manager)
{
    m_overlay->m_pressPoint = m_startPoint;
    CFxView *view = manager->GetView();
    // Centred on the press, not on the point where the drag became a gesture.
    const QPoint topLeft = centredTopLeft(m_startPoint, m_overlay->donutSize());
    m_overlay->move(ACTIVE_DOCUMENT()->GetViewWidget()->mapToGlobal(topLeft));
    m_overlay->arm(view);
}

void K2MouseGestureTracker::collectOutcome(CFxInputPointManager *manager)
{
    m_overlay->m_finished = false;
    // Collected on the press of the next gesture, which a quick hand starts before the
    // view saw anything else: that one goes on.
    if (!manager->IsGesturePress()) {
        m_tracking = false;
        // The button's release went to the overlay, not to the host.
        if (manager->IsGestureButtonDown())
            manager->ReleaseGestureButton();
    }
    if (m_overlay->m_accepted && m_overlay->m_currentRegion >= 0)
        m_pendingCommand = K2GestureConfig::instance()->macroForSlot(m_overlay->m_currentRegion);
}

bool K2MouseGestureTracker::HasPendingCommand() const
{
    return !m_pendingCommand.isEmpty();
}

bool K2MouseGestureTracker::runsAsBareName(const CFxString &command)
{
    CommandMode mode = kCommandAnywhere;
    if (!CFxUtils::IsRestrictedCommand(command, mode) || mode != kCommandBlockEditorOnly)
        return false;
    const OdString block = GetFxSystemServices()->GetApplication()->GetEditedBlockName();
    return !block.isEmpty() || CFxCustBlockUtils::Get().IsCustomBlockCommand(ACTIVE_DOCUMENT(), command, 0);
}

bool K2MouseGestureTracker::ExecutePendingCommand()
{
    // The host's command processing may call back into the tracker.
    if (m_executing)
        return false;
    m_executing = true;

    CFxSystemServices::CFxExpressionParserData parserData;
    parserData.m_bMenuMacro = true;
    parserData.m_bAddToHistory = false;

    // The prefix goes only for the restriction test; the host gets it with the text.
    CFxString name = m_pendingCommand;
    name.trimLeft(CFxString("^C^C"));
    if (runsAsBareName(name))
        m_pendingCommand = firstWord(m_pendingCommand);

    // What the host answers is of no interest; the temporary releases it.
    GetFxSystemServices()->ExecuteCommand(m_pendingCommand, parserData);

    m_pendingCommand = CFxString();
    m_executing = false;
    return true;
}
