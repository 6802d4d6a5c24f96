// Strokewheel - mouse gestures for CAD drawing views.
// Writes every compiled-in picture and the two resource collections that list them.
#include "ArtworkWriter.h"

#include "ArrowArt.h"
#include "RingArt.h"
#include "RingGeometry.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

namespace {

const QStringList &fourRegionNames()
{
    // In slot order: top first, counter-clockwise.
    static const QStringList names{QStringLiteral("gestureregion_top"), QStringLiteral("gestureregion_left"),
                                   QStringLiteral("gestureregion_bottom"), QStringLiteral("gestureregion_right")};
    return names;
}

const QStringList &arrowNames()
{
    static const QStringList names{QStringLiteral("up"),        QStringLiteral("left"),
                                   QStringLiteral("down"),      QStringLiteral("right"),
                                   QStringLiteral("up_left"),   QStringLiteral("down_left"),
                                   QStringLiteral("down_right"), QStringLiteral("up_right")};
    return names;
}

QString darkSuffix(RingArt::Style style)
{
    return style == RingArt::Style::Dark ? QStringLiteral("_dark") : QString();
}

const RingArt::Style styles[] = {RingArt::Style::Light, RingArt::Style::Dark};

} // namespace

ArtworkWriter::ArtworkWriter(const QString &resourcesDirectory)
    : m_directory(resourcesDirectory)
{
}

bool ArtworkWriter::writeAll(QString *error)
{
    m_gestureBundle.clear();
    m_donutBundle.clear();
    const bool written = writeRings() && writeHighlights() && writeArrows() && writeDonuts()
        && writeQrc(QStringLiteral("strokewheel.qrc"), QStringLiteral("/strokewheelimages/Resources"),
                    m_gestureBundle)
        && writeQrc(QStringLiteral("donut.qrc"), QStringLiteral("/"), m_donutBundle);
    if (!written && error)
        *error = m_error;
    return written;
}

bool ArtworkWriter::writeRings()
{
    for (const RingArt::Style style : styles) {
        const QString name = QStringLiteral("gesture_widget") + darkSuffix(style);
        if (!writePng(m_gestureBundle, name + QStringLiteral(".png"), name + QStringLiteral(".png"),
                      RingArt::ring(style))
            || !writePng(m_gestureBundle, name + QStringLiteral("_text_checked.png"),
                         name + QStringLiteral("_text_checked.png"), RingArt::checkedRing(style)))
            return false;
    }
    return true;
}

bool ArtworkWriter::writeHighlights()
{
    for (const RingArt::Style style : styles) {
        for (int slot = 0; slot < 4; ++slot) {
            const QString name = fourRegionNames().at(slot) + darkSuffix(style) + QStringLiteral(".png");
            if (!writePng(m_gestureBundle, name, name,
                          RingArt::highlight(style, 4, RingGeometry::slotDirection(4, slot))))
                return false;
        }
        for (int number = 1; number <= 8; ++number) {
            const QString name = QStringLiteral("gestureregion%1%2.png").arg(number).arg(darkSuffix(style));
            if (!writePng(m_gestureBundle, name, name,
                          RingArt::highlight(style, 8, RingGeometry::pictureDirection(number))))
                return false;
        }
    }
    return true;
}

bool ArtworkWriter::writeArrows()
{
    for (const QString &name : arrowNames()) {
        const QPoint direction = ArrowArt::direction(name);
        if (!writePng(m_gestureBundle, name + QStringLiteral(".png"), name + QStringLiteral(".png"),
                      ArrowArt::picture(direction, ArrowArt::inkOnLight())))
            return false;
    }
    const struct {
        QString folder;
        QColor ink;
    } themes[] = {{QStringLiteral("svg_icons/light/"), ArrowArt::inkOnLight()},
                  {QStringLiteral("svg_icons/dark/"), ArrowArt::inkOnDark()}};
    for (const auto &theme : themes) {
        for (const QString &name : arrowNames()) {
            const QString file = theme.folder + name + QStringLiteral(".svg");
            if (!makePath(file) || !ArrowArt::writeSvg(m_directory.filePath(file), ArrowArt::direction(name), theme.ink))
                return fail(QStringLiteral("cannot write %1").arg(m_directory.filePath(file)));
            m_gestureBundle.append({file, file});
        }
    }
    return true;
}

// The donut set the overlay never loads, kept for the resource set's completeness; named by slot.
bool ArtworkWriter::writeDonuts()
{
    for (const int count : {4, 8}) {
        const QString background = QStringLiteral("backgroundDonut_%1.png").arg(count);
        if (!writePng(m_donutBundle, background, QStringLiteral("donut/") + background,
                      RingArt::backgroundDonut(count)))
            return false;
        for (int slot = 0; slot < count; ++slot) {
            const double direction = RingGeometry::slotDirection(count, slot);
            for (const bool over : {false, true}) {
                const QString name = QStringLiteral("%1_%2%3.png")
                                         .arg(over ? QStringLiteral("targetDonutOver") : QStringLiteral("targetDonut"))
                                         .arg(count)
                                         .arg(slot);
                if (!writePng(m_donutBundle, name, QStringLiteral("donut/") + name,
                              RingArt::targetDonut(count, direction, over)))
                    return false;
            }
        }
    }
    return true;
}

bool ArtworkWriter::writePng(QVector<Entry> &bundle, const QString &alias, const QString &file, const QImage &image)
{
    // Quality 0 is the strongest compression; the pictures are drawn, not photographic.
    if (!makePath(file) || !image.save(m_directory.filePath(file), "PNG", 0))
        return fail(QStringLiteral("cannot write %1").arg(m_directory.filePath(file)));
    bundle.append({alias, file});
    return true;
}

bool ArtworkWriter::writeQrc(const QString &fileName, const QString &prefix, const QVector<Entry> &entries)
{
    QSaveFile file(m_directory.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n"
        << "<!-- Strokewheel - mouse gestures for CAD drawing views. -->\n"
        << "<!-- Pictures drawn by tools/artwork (sw-artwork); regenerate rather than edit. -->\n"
        << "<RCC version=\"1.0\">\n"
        << "<qresource prefix=\"" << prefix << "\">\n";
    for (const Entry &entry : entries)
        out << "    <file alias=\"" << entry.alias << "\">" << entry.file << "</file>\n";
    out << "</qresource>\n"
        << "</RCC>\n";
    out.flush();
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    return true;
}

bool ArtworkWriter::makePath(const QString &file)
{
    const QString folder = QFileInfo(m_directory.filePath(file)).absolutePath();
    return QDir().mkpath(folder) || fail(QStringLiteral("cannot create %1").arg(folder));
}

bool ArtworkWriter::fail(const QString &message)
{
    m_error = message;
    return false;
}
