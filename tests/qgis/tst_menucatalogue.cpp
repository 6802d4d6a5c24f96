// Strokewheel - mouse gestures for CAD drawing views.
// QGIS's menus as the host's catalogue, read from a plain main window with menus.
#include "qgis/MenuCatalogue.h"

#include "host/CFxProfileManager.h"
#include "host/CFxString.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using qgishost::MenuCatalogue;

namespace {
QAction *named(QMenu *menu, const QString &objectName, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(objectName);
    return action;
}

// "group: id macro caption help | ..." for every command group.
QStringList commandGroups(const MenuCatalogue &catalogue)
{
    QStringList groups;
    for (CFxCommandGroupIteratorPtr it = catalogue.NewCommandGroupIterator(); !it->Done(); it->Next()) {
        QStringList commands;
        for (CFxUICommandIteratorPtr c = it->GetGroup()->NewCommandIterator(); !c->Done(); c->Next()) {
            const CFxUICommand *command = c->GetCommand();
            commands << QStringList{command->GetId().toQString(), command->GetMacro().toQString(),
                                    command->GetCaption().toQString(), command->GetHelpText().toQString()}
                            .join(QLatin1Char(' '));
        }
        groups << it->GetGroup()->GetName().toQString() + QStringLiteral(": ") + commands.join(QStringLiteral(" | "));
    }
    return groups;
}

// Settings as "section/key" -> text.
class MemoryProfile : public CFxProfile
{
public:
    QHash<QString, QString> values;

    OdString GetName() const override { return OdString(); }
    bool IsValueExist(const OdString &section, const OdString &key) const override { return values.contains(name(section, key)); }
    OdResBufPtr GetValue(const OdString &section, const OdString &key, int) const override
    {
        if (!IsValueExist(section, key))
            return OdResBufPtr();
        OdResBufPtr value = OdResBuf::newRb();
        value->setString(CFxString(values.value(name(section, key))).toOdString());
        return value;
    }
    void SetValue(const OdString &section, const OdString &key, const OdResBuf *value) override
    {
        values.insert(name(section, key), CFxString(value->getString()).toQString());
    }

private:
    static QString name(const OdString &section, const OdString &key)
    {
        return CFxString(section).toQString() + QLatin1Char('/') + CFxString(key).toQString();
    }
};

// The menu tree as "caption[=id]{sub items}".
QString tree(const CFxMenu *menu)
{
    QStringList items;
    for (int i = 0; i < menu->GetItemCount(); ++i) {
        const CFxMenuItem *item = menu->GetItem(i);
        QString text = item->GetCaption().toQString();
        if (item->GetCommand())
            text += QLatin1Char('=') + item->GetCommand()->GetId().toQString();
        if (item->GetSubMenu())
            text += QLatin1Char('{') + tree(item->GetSubMenu()) + QLatin1Char('}');
        items << text;
    }
    return items.join(QLatin1Char(','));
}
}

class tst_MenuCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandGroupsAreTopLevelMenus();
    void menuTreeNamesTheCategories();
    void iteratorOutlivesTheMenus();
    void actionNamedByMacroWord();
    void assignedActionOutlivesItsMenu();

private:
    std::unique_ptr<QMainWindow> m_window;
};

void tst_MenuCatalogue::init()
{
    m_window = std::make_unique<QMainWindow>();
    QMenu *project = m_window->menuBar()->addMenu(QStringLiteral("&Project"));
    QAction *open = named(project, QStringLiteral("mActionOpenProject"), QStringLiteral("&Open…"));
    open->setToolTip(QStringLiteral("<b>Open</b> a project"));
    open->setIcon(QIcon(QPixmap(16, 16)));
    project->addSeparator();
    project->addAction(QStringLiteral("Unnamed"));
    QMenu *recent = project->addMenu(QStringLiteral("Recent"));
    recent->menuAction()->setObjectName(QStringLiteral("mRecentOpener"));
    named(recent, QStringLiteral("mActionNewFromTemplate"), QStringLiteral("Save && Close"));
    QMenu *view = m_window->menuBar()->addMenu(QStringLiteral("&View"));
    named(view, QStringLiteral("mActionZoomFullExtent"), QStringLiteral("Zoom &Full"));
    named(view, QStringLiteral("mActionHidden"), QStringLiteral("Hidden"))->setVisible(false);
    // Listed in two menus: in both groups.
    view->addAction(open);
    QMenu *hidden = m_window->menuBar()->addMenu(QStringLiteral("Database"));
    named(hidden, QStringLiteral("mActionDb"), QStringLiteral("DB"));
    hidden->menuAction()->setVisible(false);
    m_window->menuBar()->addAction(QStringLiteral("Bare"))->setObjectName(QStringLiteral("mActionBare"));
}

void tst_MenuCatalogue::cleanup()
{
    m_window.reset();
}

void tst_MenuCatalogue::commandGroupsAreTopLevelMenus()
{
    const MenuCatalogue catalogue(m_window.get());
    const QStringList expected{
        QStringLiteral("Project: ID_OPEN ^C^CmActionOpenProject Open… Open a project"
                       " | mActionNewFromTemplate ^C^CmActionNewFromTemplate Save & Close Save & Close"),
        QStringLiteral("View: ID_ZOOM_BOUNDS ^C^CmActionZoomFullExtent Zoom Full Zoom Full"
                       " | ID_OPEN ^C^CmActionOpenProject Open… Open a project"),
    };
    QCOMPARE(commandGroups(catalogue), expected);
    CFxCommandGroupIteratorPtr groups = catalogue.NewCommandGroupIterator();
    CFxUICommandIteratorPtr commands = groups->GetGroup()->NewCommandIterator();
    QVERIFY(!commands->GetCommand()->GetIcon(32).isNull());
    commands->Next();
    QVERIFY(commands->GetCommand()->GetIcon(32).isNull());
    // A changed rich tooltip is converted anew, not taken from an earlier walk.
    m_window->findChild<QAction *>(QStringLiteral("mActionOpenProject"))->setToolTip(QStringLiteral("<b>Open</b> it"));
    QVERIFY(commandGroups(catalogue).first().startsWith(QStringLiteral("Project: ID_OPEN ^C^CmActionOpenProject Open… Open it |")));
}

void tst_MenuCatalogue::menuTreeNamesTheCategories()
{
    const MenuCatalogue catalogue(m_window.get());
    CFxMenuGroupIteratorPtr groups = catalogue.NewMenuGroupIterator();
    QVERIFY(!groups->Done());
    QCOMPARE(tree(groups->GetMenuGroup()->GetRootMenu()),
             QStringLiteral("&Project{&Open…=ID_OPEN,Recent{Save && Close=mActionNewFromTemplate}},"
                            "&View{Zoom &Full=ID_ZOOM_BOUNDS,&Open…=ID_OPEN}"));
    groups->Next();
    QVERIFY(groups->Done());
}

void tst_MenuCatalogue::iteratorOutlivesTheMenus()
{
    const MenuCatalogue catalogue(m_window.get());
    CFxCommandGroupIteratorPtr groups = catalogue.NewCommandGroupIterator();
    m_window.reset();
    QCOMPARE(groups->GetGroup()->GetName().toQString(), QStringLiteral("Project"));
    CFxUICommandIteratorPtr commands = groups->GetGroup()->NewCommandIterator();
    QVERIFY(commands->GetCommand()->GetCaption().isEmpty());
    QVERIFY(catalogue.NewCommandGroupIterator()->Done());
}

void tst_MenuCatalogue::actionNamedByMacroWord()
{
    const MenuCatalogue catalogue(m_window.get());
    QCOMPARE(catalogue.action(QStringLiteral("mActionZoomFullExtent"))->text(), QStringLiteral("Zoom &Full"));
    QVERIFY(!catalogue.action(QStringLiteral("mActionHidden")));
    QVERIFY(!catalogue.action(QStringLiteral("mactionzoomfullextent")));
    QVERIFY(!catalogue.action(QString()));
}

void tst_MenuCatalogue::assignedActionOutlivesItsMenu()
{
    MemoryProfile profile;
    profile.values.insert(QStringLiteral("Strokewheel/81"), QStringLiteral("ID_ZOOM_BOUNDS"));
    profile.values.insert(QStringLiteral("Strokewheel/44"), QStringLiteral("mActionNewFromTemplate"));
    const MenuCatalogue catalogue(m_window.get(), &profile);
    commandGroups(catalogue); // seen in their menus
    // Their plugins switched off: an action gone, and a whole menu with the actions it owns.
    delete m_window->findChild<QAction *>(QStringLiteral("mActionZoomFullExtent"));
    delete m_window->menuBar()->actions().first()->menu();
    const QStringList expected{
        QStringLiteral("View: ID_ZOOM_BOUNDS ^C^CmActionZoomFullExtent Zoom Full "),
        QStringLiteral("Project: mActionNewFromTemplate ^C^CmActionNewFromTemplate Save & Close "),
    };
    QCOMPARE(commandGroups(catalogue), expected);
    QVERIFY(!catalogue.action(QStringLiteral("mActionZoomFullExtent")));
    QCOMPARE(catalogue.missingCaption(QStringLiteral("mActionZoomFullExtent")), QStringLiteral("Zoom Full"));
    QVERIFY(catalogue.missingCaption(QStringLiteral("mActionNewFromTemplat")).isEmpty());
    // Remembered across sessions: a new catalogue on the same profile offers them too.
    QCOMPARE(commandGroups(MenuCatalogue(m_window.get(), &profile)), expected);

    // Something else on the region: forgotten.
    profile.values.insert(QStringLiteral("Strokewheel/81"), QStringLiteral("ID_OPEN"));
    QCOMPARE(commandGroups(catalogue),
             (QStringList{QStringLiteral("View: "), expected.at(1)}));
    QVERIFY(catalogue.missingCaption(QStringLiteral("mActionZoomFullExtent")).isEmpty());
}

QTEST_MAIN(tst_MenuCatalogue)
#include "tst_menucatalogue.moc"
