// Strokewheel - mouse gestures for CAD drawing views.
// The command table's style: a plain Windows look that never draws focus frames.
#include "dialog/MyStyle.h"

#include <QCommonStyle>
#include <QStyleFactory>

namespace {

QStyle *createWrappedStyle(const QStringList &styleNames)
{
    for (const QString &name : styleNames) {
        if (QStyle *style = QStyleFactory::create(name))
            return style;
    }
    return new QCommonStyle;
}

} // namespace

MyStyle::MyStyle()
    : MyStyle(QStringList{QStringLiteral("windowsxp"), QStringLiteral("windows")})
{
}

MyStyle::MyStyle(const QStringList &styleNames)
    : m_baseStyle(createWrappedStyle(styleNames))
{
    // The wrapped style goes with our QObject part, after every forwarded call.
    m_baseStyle->setParent(this);
}

MyStyle::~MyStyle() = default;

void MyStyle::polish(QWidget *widget)
{
    m_baseStyle->polish(widget);
}

void MyStyle::unpolish(QWidget *widget)
{
    m_baseStyle->unpolish(widget);
}

void MyStyle::polish(QApplication *application)
{
    m_baseStyle->polish(application);
}

void MyStyle::unpolish(QApplication *application)
{
    m_baseStyle->unpolish(application);
}

void MyStyle::polish(QPalette &palette)
{
    m_baseStyle->polish(palette);
}

void MyStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    if (element == PE_FrameFocusRect)
        return;
    m_baseStyle->drawPrimitive(element, option, painter, widget);
}

void MyStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                          const QWidget *widget) const
{
    m_baseStyle->drawControl(element, option, painter, widget);
}

QRect MyStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    return m_baseStyle->subElementRect(element, option, widget);
}

void MyStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                 const QWidget *widget) const
{
    m_baseStyle->drawComplexControl(control, option, painter, widget);
}

QStyle::SubControl MyStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                                  const QPoint &position, const QWidget *widget) const
{
    return m_baseStyle->hitTestComplexControl(control, option, position, widget);
}

QRect MyStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                              const QWidget *widget) const
{
    return m_baseStyle->subControlRect(control, option, subControl, widget);
}

int MyStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    return m_baseStyle->pixelMetric(metric, option, widget);
}

QSize MyStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                const QWidget *widget) const
{
    return m_baseStyle->sizeFromContents(type, option, contentsSize, widget);
}

int MyStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                       QStyleHintReturn *returnData) const
{
    return m_baseStyle->styleHint(hint, option, widget, returnData);
}

QPixmap MyStyle::standardPixmap(StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const
{
    return m_baseStyle->standardPixmap(pixmap, option, widget);
}

QIcon MyStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    return m_baseStyle->standardIcon(icon, option, widget);
}

QPixmap MyStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap, const QStyleOption *option) const
{
    return m_baseStyle->generatedIconPixmap(mode, pixmap, option);
}

int MyStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                           Qt::Orientation orientation, const QStyleOption *option, const QWidget *widget) const
{
    return m_baseStyle->layoutSpacing(control1, control2, orientation, option, widget);
}
