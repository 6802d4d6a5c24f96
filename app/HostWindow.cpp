// Strokewheel - mouse gestures for CAD drawing views.
// The host's main window.
#include "app/HostWindow.h"

#include "app/CatalogueActions.h"
#include "app/CommandLine.h"
#include "app/LayoutBar.h"
#include "app/SampleDrawings.h"
#include "app/Theme.h"

#include "standin/Document.h"
#include "standin/DrawingView.h"
#include "standin/HostSignals.h"
#include "standin/StandIn.h"

#include "host/CFxSystemServices.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

const char *const HostWindow::kBlockName = "DOOR-900";

namespace {
// The commands CAD users reach for most, as the toolbar offers them ("" separates).
const QStringList &toolBarCommands()
{
    static const QStringList ids = {
        QStringLiteral("ID_NEW"),   QStringLiteral("ID_OPEN"),   QStringLiteral("ID_SAVE"),
        QStringLiteral("ID_PRINT"), QString(),                   QStringLiteral("ID_UNDO"),
        QStringLiteral("ID_REDO"),  QString(),                   QStringLiteral("ID_LINE"),
        QStringLiteral("ID_CIRCLE"), QStringLiteral("ID_ARC"),   QStringLiteral("ID_DTEXT"),
        QString(),                  QStringLiteral("ID_MOVE"),   QStringLiteral("ID_COPY"),
        QStringLiteral("ID_OFFSET"), QStringLiteral("ID_TRIM"),  QStringLiteral("ID_ERASE"),
        QString(),                  QStringLiteral("ID_ZOOM_BOUNDS"), QStringLiteral("ID_PAN"),
    };
    return ids;
}

void runCommand(const QString &text)
{
    if (CFxSystemServices *services = GetFxSystemServices()) {
        CFxSystemServices::CFxExpressionParserData data;
        services->ExecuteCommand(CFxString(text), data);
    }
}
}

HostWindow::HostWindow() : m_actions(new CatalogueActions(this))
{
    QMainWindow *main = window();
    main->setWindowTitle(QStringLiteral("Strokewheel Host"));
    buildCentralArea();
    buildMenus();
    buildToolBar();
    m_blockLabel = new QLabel(main);
    m_blockLabel->setObjectName(QStringLiteral("blockEditorLabel"));
    main->statusBar()->addPermanentWidget(m_blockLabel);
    setBlockEditor(false);

    connect(standin::hostSignals(), &standin::HostSignals::historyLine, m_commandLine, &CommandLine::appendHistory);
    connect(standin::hostSignals(), &standin::HostSignals::colorSchemeChanged, this, [this](int scheme) {
        m_actions->refreshIcons();
        m_lightAction->setChecked(scheme < Theme::kDarkScheme);
        m_darkAction->setChecked(scheme >= Theme::kDarkScheme);
    });
    openSampleDrawings();
    // As in CAD programs, keys typed over a drawing go to the command line.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (qobject_cast<standin::DrawingView *>(now))
            m_commandLine->input()->setFocus(Qt::OtherFocusReason);
    });
}

HostWindow::~HostWindow() = default;

QMainWindow *HostWindow::window() const
{
    return standin::mainWindow();
}

standin::DrawingView *HostWindow::activeView() const
{
    standin::Document *document = standin::activeDocument();
    return document ? document->view() : nullptr;
}

QLineEdit *HostWindow::commandInput() const
{
    return m_commandLine->input();
}

void HostWindow::buildCentralArea()
{
    QMainWindow *main = window();
    QWidget *drawings = main->takeCentralWidget();
    auto *tabs = qobject_cast<QTabWidget *>(drawings);
    auto *central = new QWidget(main);
    central->setObjectName(QStringLiteral("centralArea"));
    m_layoutBar = new LayoutBar(central);
    m_commandLine = new CommandLine(central);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(drawings, 1);
    layout->addWidget(m_layoutBar);
    layout->addWidget(m_commandLine);
    main->setCentralWidget(central);
    if (tabs)
        connect(tabs, &QTabWidget::currentChanged, this, &HostWindow::onDrawingTabChanged);
}

void HostWindow::buildMenus()
{
    QMenuBar *bar = window()->menuBar();
    QMenu *file = m_actions->topLevelMenu(bar, tr("&File"));
    m_actions->buildMenus(bar);
    // The catalogue's Exit runs QUIT; a catalogue without one still leaves a way out.
    standin::setCommandAction(QStringLiteral("QUIT"), [this](const QString &) { window()->close(); });
    QAction *quit = nullptr;
    const QList<QAction *> fileActions = file->actions();
    for (QAction *action : fileActions) {
        if (QString(action->text()).remove(QLatin1Char('&')) == tr("Exit"))
            quit = action;
    }
    if (!quit) {
        file->addSeparator();
        quit = file->addAction(tr("E&xit"), window(), &QMainWindow::close);
    }
    quit->setShortcut(QKeySequence::Quit);

    QMenu *view = m_actions->topLevelMenu(bar, tr("&View"));
    if (!view->isEmpty())
        view->addSeparator();
    auto *themes = new QActionGroup(this);
    m_lightAction = view->addAction(tr("&Light Theme"), this, [this] { setDarkTheme(false); });
    m_darkAction = view->addAction(tr("&Dark Theme"), this, [this] { setDarkTheme(true); });
    for (QAction *action : {m_lightAction, m_darkAction}) {
        action->setCheckable(true);
        themes->addAction(action);
    }
    m_lightAction->setObjectName(QStringLiteral("lightThemeAction"));
    m_darkAction->setObjectName(QStringLiteral("darkThemeAction"));
    m_lightAction->setChecked(!Theme::isDark());
    m_darkAction->setChecked(Theme::isDark());
    view->addSeparator();
    view->addAction(tr("Zoom &Extents"), this, [] { runCommand(QStringLiteral("ZOOM E")); });
    view->addAction(tr("Zoom &In"), this, [] { runCommand(QStringLiteral("ZOOM 2X")); });
    view->addAction(tr("Zoom &Out"), this, [] { runCommand(QStringLiteral("ZOOM 0.5X")); });

    QMenu *tools = m_actions->topLevelMenu(bar, tr("&Tools"));
    if (!tools->isEmpty())
        tools->addSeparator();
    QAction *gestures = tools->addAction(tr("Mouse &Gestures..."), this, [] { runCommand(QStringLiteral("GESTURE")); });
    gestures->setObjectName(QStringLiteral("mouseGesturesAction"));
    // Only while a module offers the command: without one it would only say "Unknown command".
    connect(tools, &QMenu::aboutToShow, gestures,
            [gestures] { gestures->setVisible(standin::lookupCommand(QStringLiteral("GESTURE")) != nullptr); });
    m_blockAction = tools->addAction(tr("&Block Editor"), this, [this](bool on) { setBlockEditor(on); });
    m_blockAction->setObjectName(QStringLiteral("blockEditorAction"));
    m_blockAction->setCheckable(true);

    QMenu *help = m_actions->topLevelMenu(bar, tr("&Help"));
    help->addAction(tr("&About Strokewheel Host"), this, [this] {
        QMessageBox::about(window(), tr("About Strokewheel Host"),
                           tr("A small CAD host for the Strokewheel mouse-gesture module.\n\n"
                              "Drag with the right mouse button in a drawing to use a gesture; "
                              "type GESTURE or use Tools > Mouse Gestures... to configure them."));
    });
}

void HostWindow::buildToolBar()
{
    QToolBar *bar = window()->addToolBar(tr("Standard"));
    bar->setObjectName(QStringLiteral("standardToolBar"));
    bar->setIconSize(QSize(CatalogueActions::kToolBarIconSize, CatalogueActions::kToolBarIconSize));
    m_actions->fillToolBar(bar, toolBarCommands());
}

void HostWindow::openSampleDrawings()
{
    standin::Document *plan = standin::openDocument(QStringLiteral("Floor plan.dwg"));
    plan->view()->setDrawing(SampleDrawings::floorPlan());
    standin::addSheetLayout(plan, QStringLiteral("Sheet2"));
    standin::Document *bracket = standin::openDocument(QStringLiteral("Bracket.dwg"));
    bracket->view()->setDrawing(SampleDrawings::bracket());
    activateDocument(1);
    m_layoutBar->refresh();
}

void HostWindow::onDrawingTabChanged(int index)
{
    const QList<standin::Document *> documents = standin::documents();
    auto *tabs = qobject_cast<QTabWidget *>(sender());
    for (standin::Document *document : documents) {
        if (tabs && tabs->widget(index) == document->view() && standin::activeDocument() != document)
            standin::activateDocument(document);
    }
    m_layoutBar->refresh();
}

bool HostWindow::selectLayout(const QString &name)
{
    return m_layoutBar->selectLayout(name);
}

bool HostWindow::activateDocument(int number)
{
    const QList<standin::Document *> documents = standin::documents();
    if (number < 1 || number > documents.size())
        return false;
    standin::activateDocument(documents.at(number - 1));
    m_layoutBar->refresh();
    return true;
}

void HostWindow::setDarkTheme(bool dark)
{
    Theme::apply(dark);
}

void HostWindow::setBlockEditor(bool on)
{
    standin::setEditedBlockName(on ? QString::fromLatin1(kBlockName) : QString());
    m_blockAction->setChecked(on);
    m_blockLabel->setText(on ? tr("Block editor: %1").arg(QString::fromLatin1(kBlockName)) : QString());
}
