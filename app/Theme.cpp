// Strokewheel - mouse gestures for CAD drawing views.
// The host's light and dark themes.
#include "app/Theme.h"

#include "standin/StandIn.h"

#include <QApplication>
#include <QStyle>

namespace Theme {

QPalette palette(bool dark)
{
    if (!dark) {
        QPalette light = QApplication::style()->standardPalette();
        // Drawings sit on white, as on paper; disabled fields keep the style's grey look.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            light.setColor(group, QPalette::Base, Qt::white);
            light.setColor(group, QPalette::Text, QColor(0x20, 0x20, 0x20));
        }
        return light;
    }
    QPalette palette;
    const QColor window(0x2b, 0x2d, 0x30);
    const QColor base(0x1e, 0x21, 0x25);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor disabledText(0x80, 0x80, 0x80);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window.lighter(115));
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window.lighter(110));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Light, window.lighter(150));
    palette.setColor(QPalette::Midlight, window.lighter(125));
    palette.setColor(QPalette::Mid, window.darker(120));
    palette.setColor(QPalette::Dark, window.darker(150));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Link, QColor(0x5a, 0xa9, 0xe6));
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0xd1));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    return palette;
}

void apply(bool dark)
{
    standin::setColorScheme(dark ? kDarkScheme : kLightScheme);
    QApplication::setPalette(palette(dark));
    // Fusion outlines check and radio indicators in the window colour darkened, which on a
    // dark window leaves them almost black on black.
    QPalette indicators = palette(dark);
    if (dark)
        indicators.setColor(QPalette::Window, QColor(0xc4, 0xc9, 0xd3));
    for (const char *className : {"QRadioButton", "QCheckBox"})
        QApplication::setPalette(indicators, className);
}

bool isDark()
{
    return standin::colorScheme() >= kDarkScheme;
}

} // namespace Theme
