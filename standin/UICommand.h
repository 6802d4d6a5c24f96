// Strokewheel - mouse gestures for CAD drawing views.
// One command of the stand-in host's user interface.
#pragma once

#include "host/CFxUICustomization.h"
#include "standin/StandInExport.h"

#include <QIcon>
#include <QString>

namespace standin {

class STANDIN_API UICommand : public CFxUICommand
{
public:
    UICommand(const QString &id, const QString &macro, const QString &caption, const QString &helpText);
    ~UICommand() override;

    CFxString GetMacro() const override;
    CFxString GetId() const override;
    CFxString GetCaption() const override;
    CFxString GetHelpText() const override;
    // The icon file of the current colour scheme, read only when the icon is first drawn,
    // at the size it is drawn.
    QIcon GetIcon(int size) const override;
    bool IsExcluded() const override;

    QString id() const { return m_id; }
    QString macro() const { return m_macro; }
    QString caption() const { return m_caption; }
    QString helpText() const { return m_helpText; }

    void setExcluded(bool excluded) { m_excluded = excluded; }
    // Where the command works (CommandMode of host/CFxUtils.h); 0 = anywhere.
    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }
    // The command word as the restriction table names it: the macro without "^C" prefixes
    // and "_", "." or "'" modifiers, up to the first blank or ";", in upper case.
    QString commandWord() const;

    // SVG or PNG files for the light and dark colour schemes (dark empty: the light one).
    void setIconFiles(const QString &light, const QString &dark = QString());
    // One icon for every scheme and size; replaces the files.
    void setIcon(const QIcon &icon);
    bool hasIcon() const;
    QString iconFile(bool dark) const;

private:
    void makeFileIcons(int side) const;

    QString m_id;
    QString m_macro;
    QString m_caption;
    QString m_helpText;
    bool m_excluded = false;
    int m_mode = 0;
    QString m_lightIconFile;
    QString m_darkIconFile;
    QIcon m_fixedIcon;
    // The icons of the files, light and dark, and the side they offer.
    mutable QIcon m_fileIcons[2];
    mutable int m_fileIconSide = -1;
};

} // namespace standin
