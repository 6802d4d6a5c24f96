// Strokewheel - mouse gestures for CAD drawing views.
// The layout tabs under the drawing.
#include "app/LayoutBar.h"

#include "standin/StandIn.h"

LayoutBar::LayoutBar(QWidget *parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("layoutTabs"));
    setShape(QTabBar::RoundedSouth);
    setDocumentMode(true);
    setExpanding(false);
    setDrawBase(false);
    connect(this, &QTabBar::currentChanged, this, &LayoutBar::onCurrentChanged);
}

void LayoutBar::refresh()
{
    m_refreshing = true;
    while (count() > 0)
        removeTab(0);
    if (standin::Document *document = standin::activeDocument()) {
        const QStringList names = standin::layouts(document);
        for (const QString &name : names)
            addTab(name);
        setCurrentIndex(names.indexOf(standin::currentLayout(document)));
    }
    m_refreshing = false;
}

bool LayoutBar::selectLayout(const QString &name)
{
    for (int i = 0; i < count(); ++i) {
        if (tabText(i) == name) {
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void LayoutBar::onCurrentChanged(int index)
{
    standin::Document *document = standin::activeDocument();
    if (m_refreshing || !document || index < 0)
        return;
    standin::setCurrentLayout(document, tabText(index));
}
