// Strokewheel - mouse gestures for CAD drawing views.
// The host's main window around the stand-in's main frame: menus from the catalogue, the
// toolbar, the drawings with their layout tabs, the command line and the status line.
#pragma once

#include <QObject>

class CatalogueActions;
class CommandLine;
class LayoutBar;
class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QTabWidget;

namespace standin {
class DrawingView;
}

class HostWindow : public QObject
{
    Q_OBJECT

public:
    static const char *const kBlockName;

    // Decorates the stand-in's main window; opens the two sample drawings.
    HostWindow();
    ~HostWindow() override;

    QMainWindow *window() const;
    standin::DrawingView *activeView() const;
    QLineEdit *commandInput() const;

    bool selectLayout(const QString &name);
    // 1-based, in the order the drawings were opened.
    bool activateDocument(int number);
    void setDarkTheme(bool dark);
    void setBlockEditor(bool on);

private:
    void buildCentralArea();
    void buildMenus();
    void buildToolBar();
    void openSampleDrawings();
    void onDrawingTabChanged(int index);

    CatalogueActions *m_actions;
    CommandLine *m_commandLine = nullptr;
    LayoutBar *m_layoutBar = nullptr;
    QLabel *m_blockLabel = nullptr;
    QAction *m_lightAction = nullptr;
    QAction *m_darkAction = nullptr;
    QAction *m_blockAction = nullptr;
};
