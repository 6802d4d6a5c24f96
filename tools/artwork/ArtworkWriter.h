// Strokewheel - mouse gestures for CAD drawing views.
// Writes every compiled-in picture and the two resource collections that list them.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QVector>

class ArtworkWriter
{
public:
    explicit ArtworkWriter(const QString &resourcesDirectory);

    // Writes everything into the folder; on failure returns false and says why in error.
    bool writeAll(QString *error);

private:
    // One file of a bundle: its name in the resources and its path relative to the folder.
    struct Entry
    {
        QString alias;
        QString file;
    };

    bool writeRings();
    bool writeHighlights();
    bool writeArrows();
    bool writeDonuts();
    bool writePng(QVector<Entry> &bundle, const QString &alias, const QString &file, const QImage &image);
    bool writeQrc(const QString &fileName, const QString &prefix, const QVector<Entry> &entries);
    bool makePath(const QString &file);
    bool fail(const QString &message);

    QDir m_directory;
    QString m_error;
    QVector<Entry> m_gestureBundle;
    QVector<Entry> m_donutBundle;
};
