// Strokewheel - mouse gestures for CAD drawing views.
// Label texts of an exact pixel width, built from whatever font was found.
#pragma once

#include <QFontMetrics>
#include <QString>

// A text without descenders measuring exactly width pixels, with at least minimumLength
// characters; empty when the font offers none.
inline QString textOfWidth(const QFontMetrics &metrics, int width, int minimumLength)
{
    const QString alphabet = QStringLiteral("ilIt1rfabcdehknosuvxz023456789ABCDEFGHKLNOPRSTUVXZwmMW");
    for (const QChar first : alphabet) {
        for (const QChar second : alphabet) {
            for (int run = 0; run <= 16; ++run) {
                QString text(run, first);
                while (metrics.horizontalAdvance(text) < width)
                    text += second;
                if (metrics.horizontalAdvance(text) == width && text.size() >= minimumLength)
                    return text;
            }
        }
    }
    return QString();
}
