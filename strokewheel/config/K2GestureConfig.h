// Strokewheel - mouse gestures for CAD drawing views.
// The process-wide gesture configuration: the host's command catalogue and the
// loaded settings.
#pragma once

#include "config/K2CommandInfo.h"
#include "config/K2OverlayContent.h"

#include <QMap>
#include <QString>
#include <QVector>

class CFxMenu;

class K2GestureConfig
{
public:
    // The single configuration, created and loaded on first use; destroyed when the
    // module file is unloaded.
    // Inline: the tracker asks for it on every input event of every view.
    static K2GestureConfig *instance() { return s_instance ? s_instance : create(); }

    // Rebuilds the catalogue and the category map from the host, then loads the settings.
    void reload();
    // Loads the settings, stores the result and returns what the overlay shows.
    K2OverlayContent overlayContent();
    // The macro of the command in slot of the active scheme, "" for an empty slot.
    QString macroForSlot(int slot) const;
    QString categoryFor(const QString &macro) const;

    void buildCategoryMap();
    void addMenuCategories(const QString &category, CFxMenu *menu);

    void loadFlags();
    void loadFourGestureSlots();
    void loadEightGestureSlots();
    // Stores the dialog's result: region bytes of list, the enabled flag and the scheme.
    void save(const QVector<K2CommandInfo> &list, bool enabledFlag, quint32 scheme);
    void restoreFactorySettings();
    bool matchesFactoryEightGestures() const;

    QVector<K2CommandInfo> commands;
    QVector<qint64> fourGestureSlots;
    QVector<qint64> eightGestureSlots;
    bool enabled = true;
    quint32 eightGestures = 1;
    QMap<QString, QString> categoryByMacro;

private:
    K2GestureConfig();
    ~K2GestureConfig();
    static K2GestureConfig *create();
    K2GestureConfig(const K2GestureConfig &) = delete;
    K2GestureConfig &operator=(const K2GestureConfig &) = delete;
    QVector<K2CommandInfo> readCommands(int expectedCount) const;
    // The category of commands in no menu, in the user's language.
    QString othersCategory;
    void loadSlots(const QString *keys, int count, QVector<qint64> &slotTable, quint8 K2CommandInfo::*regionByte,
                   bool noKeyStored);

    static K2GestureConfig *s_instance;
};
