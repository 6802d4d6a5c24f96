// Strokewheel - mouse gestures for CAD drawing views.
// The command table's style: which style it wraps and the missing focus frame.
#include "dialog/MyStyle.h"

#include <QCommonStyle>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QtTest>

namespace {

QImage blankImage()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawn(const QStyle &style, QStyle::PrimitiveElement element)
{
    QImage image = blankImage();
    QPainter painter(&image);
    QStyleOptionFocusRect option;
    option.rect = image.rect().adjusted(2, 2, -2, -2);
    option.state = QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange
                   | QStyle::State_Sunken;
    option.palette = QPalette(Qt::black, Qt::white);
    option.backgroundColor = Qt::white;
    style.drawPrimitive(element, &option, &painter);
    return image;
}

} // namespace

class tst_MyStyle : public QObject
{
    Q_OBJECT

private slots:
    void wrapsTheFirstKnownStyle_data();
    void wrapsTheFirstKnownStyle();
    void focusFrameIsNeverDrawn();
};

void tst_MyStyle::wrapsTheFirstKnownStyle_data()
{
    QTest::addColumn<QStringList>("styleNames");
    QTest::addColumn<QString>("wrapped");
    // Qt on Linux knows "windows" but no "windowsxp": the table looks as the windows style draws.
    QTest::newRow("default") << QStringList() << "windows";
    QTest::newRow("fusion") << QStringList{"fusion"} << "fusion";
    QTest::newRow("none known") << QStringList{"no-such-style", "nor-this-one"} << QString();
}

void tst_MyStyle::wrapsTheFirstKnownStyle()
{
    QFETCH(QStringList, styleNames);
    QFETCH(QString, wrapped);
    const std::unique_ptr<MyStyle> style(styleNames.isEmpty() ? new MyStyle : new MyStyle(styleNames));
    const std::unique_ptr<QStyle> expected(wrapped.isEmpty() ? new QCommonStyle : QStyleFactory::create(wrapped));
    QCOMPARE(drawn(*style, QStyle::PE_Frame), drawn(*expected, QStyle::PE_Frame));
    QStyleOptionHeader header;
    header.text = QStringLiteral("Command");
    header.fontMetrics = QFontMetrics(QFont());
    QCOMPARE(style->sizeFromContents(QStyle::CT_HeaderSection, &header, QSize(50, 12)),
             expected->sizeFromContents(QStyle::CT_HeaderSection, &header, QSize(50, 12)));
    for (const auto metric : {QStyle::PM_ScrollBarExtent, QStyle::PM_DefaultFrameWidth, QStyle::PM_HeaderMargin})
        QCOMPARE(style->pixelMetric(metric), expected->pixelMetric(metric));
}

void tst_MyStyle::focusFrameIsNeverDrawn()
{
    MyStyle style;
    QCOMPARE(drawn(style, QStyle::PE_FrameFocusRect), blankImage());
    // The wrapped style does draw one, so the check above can fail.
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("windows")));
    QVERIFY(drawn(*windows, QStyle::PE_FrameFocusRect) != blankImage());
}

QTEST_MAIN(tst_MyStyle)
#include "tst_mystyle.moc"
