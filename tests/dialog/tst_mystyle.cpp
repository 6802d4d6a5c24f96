// Strokewheel - mouse gestures for CAD drawing views.
// The command table's style: which style it wraps, what it forwards, the missing focus frame.
#include "dialog/MyStyle.h"

#include <QCommonStyle>
#include <QItemDelegate>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QTableView>
#include <QtTest>

namespace {

QImage blankImage()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawnFocusFrame(const QStyle &style)
{
    QImage image = blankImage();
    QPainter painter(&image);
    QStyleOptionFocusRect option;
    option.rect = image.rect().adjusted(2, 2, -2, -2);
    option.state = QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    option.palette = QPalette(Qt::black, Qt::white);
    option.backgroundColor = Qt::white;
    style.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
    return image;
}

// A table whose current cell has the keyboard focus, grabbed as shown. Its cells are
// drawn by a QItemDelegate, which asks the view's style for the focus frame, as the
// command table's delegate does.
QImage focusedTable(QStyle *style)
{
    QItemDelegate delegate;
    QStandardItemModel model(2, 1);
    model.setItem(0, 0, new QStandardItem(QStringLiteral("Line")));
    model.setItem(1, 0, new QStandardItem(QStringLiteral("Circle")));
    QTableView view;
    view.setStyle(style);
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    view.resize(200, 100);
    view.setSelectionMode(QAbstractItemView::NoSelection);
    view.show();
    view.activateWindow();
    if (!QTest::qWaitForWindowActive(&view))
        return QImage();
    view.setFocus(Qt::TabFocusReason);
    view.setCurrentIndex(model.index(1, 0));
    const QImage grabbed = view.viewport()->grab().toImage();
    return grabbed;
}

int darkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                ++count;
        }
    }
    return count;
}

} // namespace

class tst_MyStyle : public QObject
{
    Q_OBJECT

private slots:
    void wrapsWindowsStyleHere();
    void unknownStylesFallBackToCommonStyle();
    void focusFrameIsNeverDrawn();
    void tableCellWithFocusHasNoFrame();
    void metricsAndHintsAreTheWrappedStyles_data();
    void metricsAndHintsAreTheWrappedStyles();
    void otherPrimitivesAreDrawnByTheWrappedStyle();
};

void tst_MyStyle::wrapsWindowsStyleHere()
{
    // Qt on Linux knows "windows" but no "windowsxp".
    QVERIFY(!QStyleFactory::keys().contains(QStringLiteral("WindowsXP"), Qt::CaseInsensitive));
    MyStyle style;
    QVERIFY(style.baseStyle());
    QCOMPARE(style.baseStyle()->metaObject()->className(), "QWindowsStyle");
    QCOMPARE(style.baseStyle()->parent(), &style);
}

void tst_MyStyle::unknownStylesFallBackToCommonStyle()
{
    MyStyle style(QStringList{QStringLiteral("no-such-style"), QStringLiteral("nor-this-one")});
    QCOMPARE(style.baseStyle()->metaObject()->className(), "QCommonStyle");
}

void tst_MyStyle::focusFrameIsNeverDrawn()
{
    MyStyle style;
    QCOMPARE(drawnFocusFrame(style), blankImage());
    // The wrapped style does draw one, so the check above can fail.
    QVERIFY(drawnFocusFrame(*style.baseStyle()) != blankImage());
}

void tst_MyStyle::tableCellWithFocusHasNoFrame()
{
    MyStyle style;
    const QImage mine = focusedTable(&style);
    std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("windows")));
    const QImage theirs = focusedTable(windows.get());
    QVERIFY(!mine.isNull() && !theirs.isNull());
    const int withMyStyle = darkPixels(mine);
    const int withWindowsStyle = darkPixels(theirs);
    // Same text in both; the difference is the dotted frame.
    QVERIFY2(withWindowsStyle > withMyStyle + 20,
             qPrintable(QStringLiteral("%1 vs %2").arg(withWindowsStyle).arg(withMyStyle)));
}

void tst_MyStyle::metricsAndHintsAreTheWrappedStyles_data()
{
    QTest::addColumn<QStringList>("styleNames");
    QTest::newRow("windows") << QStringList{QStringLiteral("windows")};
    QTest::newRow("fusion") << QStringList{QStringLiteral("fusion")};
    QTest::newRow("common") << QStringList{QStringLiteral("no-such-style")};
}

void tst_MyStyle::metricsAndHintsAreTheWrappedStyles()
{
    QFETCH(QStringList, styleNames);
    MyStyle style(styleNames);
    const QStyle *base = style.baseStyle();
    for (const auto metric : {QStyle::PM_ScrollBarExtent, QStyle::PM_DefaultFrameWidth, QStyle::PM_HeaderMargin,
                              QStyle::PM_FocusFrameHMargin, QStyle::PM_SmallIconSize, QStyle::PM_ButtonMargin})
        QCOMPARE(style.pixelMetric(metric), base->pixelMetric(metric));
    for (const auto hint : {QStyle::SH_ItemView_ShowDecorationSelected, QStyle::SH_Table_GridLineColor,
                            QStyle::SH_ItemView_ActivateItemOnSingleClick, QStyle::SH_Header_ArrowAlignment})
        QCOMPARE(style.styleHint(hint), base->styleHint(hint));

    QStyleOptionHeader header;
    header.text = QStringLiteral("Command");
    header.fontMetrics = QFontMetrics(QFont());
    QCOMPARE(style.sizeFromContents(QStyle::CT_HeaderSection, &header, QSize(50, 12)),
             base->sizeFromContents(QStyle::CT_HeaderSection, &header, QSize(50, 12)));
    QCOMPARE(style.layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal),
             base->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal));
    QCOMPARE(style.standardIcon(QStyle::SP_ArrowUp).isNull(), base->standardIcon(QStyle::SP_ArrowUp).isNull());

    QPalette mine = QGuiApplication::palette();
    QPalette theirs = mine;
    style.polish(mine);
    const_cast<QStyle *>(base)->polish(theirs);
    QCOMPARE(mine, theirs);
}

void tst_MyStyle::otherPrimitivesAreDrawnByTheWrappedStyle()
{
    MyStyle style;
    QStyleOption option;
    option.rect = QRect(2, 2, 36, 16);
    option.state = QStyle::State_Enabled | QStyle::State_Sunken;
    option.palette = QPalette(Qt::black, Qt::white);
    QImage mine = blankImage();
    QImage theirs = blankImage();
    {
        QPainter painter(&mine);
        style.drawPrimitive(QStyle::PE_Frame, &option, &painter);
    }
    {
        QPainter painter(&theirs);
        style.baseStyle()->drawPrimitive(QStyle::PE_Frame, &option, &painter);
    }
    QVERIFY(mine != blankImage());
    QCOMPARE(mine, theirs);
}

QTEST_MAIN(tst_MyStyle)
#include "tst_mystyle.moc"
