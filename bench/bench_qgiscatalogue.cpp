// Strokewheel - mouse gestures for CAD drawing views.
// Benchmark: what reading QGIS's menus as the catalogue costs for one overlay showing (the
// configuration walks the menu groups and the command groups once each) and for running
// one action by name, on a main window with QGIS's size of menus: 13 menus, 25 actions
// each, every third in a submenu. The first walk in a fresh process, then warm repeats.
#include "BenchUtil.h"
#include "qgis/MenuCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace {

void walkMenu(const CFxMenu *menu, int &items)
{
    for (int i = 0; menu && i < menu->GetItemCount(); ++i) {
        ++items;
        walkMenu(menu->GetItem(i)->GetSubMenu(), items);
    }
}

// One showing's worth: the category walk, then every command's macro, caption and icon.
int showing(const qgishost::MenuCatalogue &catalogue)
{
    int seen = 0;
    for (CFxMenuGroupIteratorPtr it = catalogue.NewMenuGroupIterator(); !it->Done(); it->Next())
        walkMenu(it->GetMenuGroup()->GetRootMenu(), seen);
    for (CFxCommandGroupIteratorPtr groups = catalogue.NewCommandGroupIterator(); !groups->Done(); groups->Next()) {
        for (CFxUICommandIteratorPtr it = groups->GetGroup()->NewCommandIterator(); !it->Done(); it->Next()) {
            const CFxUICommand *command = it->GetCommand();
            seen += command->GetMacro().isEmpty() ? 0 : 1;
            seen += command->GetCaption().isEmpty() ? 0 : 1;
            seen += command->GetIcon(32).isNull() ? 0 : 1;
        }
    }
    return seen;
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(bench::quietOffscreenNotes);
    QApplication application(argc, argv);
    QMainWindow window;
    QPixmap picture(16, 16);
    picture.fill(Qt::darkGreen);
    const QIcon icon(picture);
    for (int m = 0; m < 13; ++m) {
        QMenu *menu = window.menuBar()->addMenu(QStringLiteral("&Menu %1").arg(m));
        QMenu *sub = menu->addMenu(QStringLiteral("Sub %1").arg(m));
        for (int a = 0; a < 25; ++a) {
            QAction *action = (a % 3 ? menu : sub)->addAction(icon, QStringLiteral("Action &%1 %2").arg(m).arg(a));
            action->setObjectName(QStringLiteral("mAction%1_%2").arg(m).arg(a));
            action->setToolTip(QStringLiteral("<b>Action %1 %2</b> (Ctrl+%2)").arg(m).arg(a));
        }
    }
    const qgishost::MenuCatalogue catalogue(&window);
    int seen = 0;
    bench::report("first showing's catalogue walk, 325 actions", "ms", {milliseconds([&] { seen += showing(catalogue); })});
    QVector<double> warm;
    for (int i = 0; i < 50; ++i)
        warm << milliseconds([&] { seen += showing(catalogue); });
    bench::report("later showings' catalogue walk, 325 actions", "ms", warm);
    QVector<double> lookups;
    for (int i = 0; i < 50; ++i)
        lookups << milliseconds([&] { seen += catalogue.action(QStringLiteral("mAction12_24")) ? 1 : 0; });
    bench::report("action by name (a gesture's command)", "ms", lookups);
    return seen > 0 ? 0 : 1;
}
