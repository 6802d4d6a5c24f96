// Strokewheel - mouse gestures for CAD drawing views.
// The host's pure parts: its command line, the command recall and the ZOOM options.
#include "app/CommandRecall.h"
#include "app/HostApplication.h"
#include "app/HostOptions.h"
#include "app/HostWindow.h"
#include "app/Theme.h"
#include "app/ZoomCommand.h"
#include "sdk/HelpWindow.h"
#include "standin/StandIn.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleFactory>
#include <QtTest>

Q_DECLARE_METATYPE(ZoomCommand::Request::Kind)

class tst_HostParts : public QObject
{
    Q_OBJECT

private slots:
    void helpPage_data();
    void helpPage();
    void displayAvailable_data();
    void displayAvailable();
    void options_data();
    void options();
    void badCommandLines_data();
    void badCommandLines();
    void helpGivesTheDefaults();
    void menusOfferWhatRuns();
    void darkThemeShowsIndicators();

    void recallWalksBackAndForth();
    void recallSkipsEmptyRepeatedAndTheOldest();

    void zoomOption_data();
    void zoomOption();
};

namespace {
// The Mouse Gestures dialog asks for it.
constexpr int kMouseGesturesTopic = 9000;
QProcessEnvironment environment(const QStringList &names)
{
    QProcessEnvironment env;
    for (const QString &name : names)
        env.insert(name, QStringLiteral(":0"));
    return env;
}
}

void tst_HostParts::displayAvailable_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<bool>("available");
    QTest::newRow("nothing") << QStringList() << false;
    QTest::newRow("X11") << QStringList{"DISPLAY"} << true;
    QTest::newRow("Wayland") << QStringList{"WAYLAND_DISPLAY"} << true;
    QTest::newRow("a chosen platform") << QStringList{"QT_QPA_PLATFORM"} << true;
    QTest::newRow("unrelated") << QStringList{"XAUTHORITY", "TERM"} << false;
}

void tst_HostParts::displayAvailable()
{
    QFETCH(QStringList, variables);
    QTEST(HostOptions::displayAvailable(environment(variables)), "available");
    // Set but empty counts as unset.
    QProcessEnvironment empty;
    for (const QString &name : variables)
        empty.insert(name, QString());
    QVERIFY(!HostOptions::displayAvailable(empty));
}

void tst_HostParts::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<QString>("output");

    QTest::newRow("no display: the demo") << QStringList() << false << true << HostOptions::defaultDemoOutput();
    QTest::newRow("a display: no demo") << QStringList() << true << false << "";
    QTest::newRow("a replay without display: no demo") << QStringList{"--replay", "a.replay"} << false << false << "";
    QTest::newRow("every option") << QStringList{"--module", "/m.tx", "--profile", "/p", "--demo", "--output", "/o",
                                                 "--lang", "de", "--catalogue", "/c.catalogue"}
                                  << true << true << "/o";
}

void tst_HostParts::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QString error;
    const HostOptions options = HostOptions::parse(QStringList{"strokewheel-host"} + arguments,
                                                   display ? environment({"DISPLAY"}) : QProcessEnvironment(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const auto given = [&arguments](const char *option) {
        const int at = arguments.indexOf(QLatin1String(option));
        return at < 0 ? QString() : arguments.at(at + 1);
    };
    QCOMPARE(options.offscreen, !display);
    QTEST(options.demo, "demo");
    QTEST(options.outputFolder, "output");
    QCOMPARE(options.replayScript, given("--replay"));
    QCOMPARE(options.modulePath, given("--module"));
    QCOMPARE(options.profileFolder, given("--profile"));
    QCOMPARE(options.language, given("--lang"));
    QCOMPARE(options.cataloguePath, given("--catalogue"));
}

void tst_HostParts::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown option") << QStringList{"h", "--fly"} << "fly";
    QTest::newRow("missing value") << QStringList{"h", "--module"} << "module";
    QTest::newRow("positional") << QStringList{"h", "drawing.dwg"} << "drawing.dwg";
    QTest::newRow("demo and replay") << QStringList{"h", "--demo", "--replay", "x"} << "exclude";
    // What the system's decoding makes of a byte that is no UTF-8.
    QTest::newRow("profile not UTF-8") << QStringList{"h", "--profile", QString::fromUtf8("/tmp/a\xff")}
                                       << "--profile is not UTF-8";
}

void tst_HostParts::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QString error;
    HostOptions::parse(arguments, environment({"DISPLAY"}), &error);
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY2(error.endsWith(QLatin1String("\"strokewheel-host --help\" for the options.")), qPrintable(error));
}

void tst_HostParts::helpGivesTheDefaults()
{
    QString error;
    QString help;
    HostOptions::parse({"strokewheel-host", "--help"}, environment({"DISPLAY"}), &error, &help);
    // The help wraps long paths at any character, so compare without whitespace.
    const auto unwrapped = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    for (const QString &folder : {HostOptions::defaultDemoOutput(), HostApplication::defaultModulePath(),
                                  HostApplication::defaultProfileFolder(), QLocale::system().name()})
        QVERIFY2(unwrapped(help).contains(unwrapped(QDir::toNativeSeparators(folder))), qPrintable(folder + "\n" + help));
}

// One Exit, which quits; without a module no item for its dialog.
void tst_HostParts::menusOfferWhatRuns()
{
    standin::reset();
    QVERIFY(standin::loadCatalogue(standin::defaultCataloguePath()));
    HostWindow host;
    QMainWindow *main = host.window();
    main->show();
    QStringList fileItems;
    QAction *exit = nullptr;
    for (QMenu *menu : main->menuBar()->findChildren<QMenu *>()) {
        if (menu->title().remove(QLatin1Char('&')) == QLatin1String("File")) {
            for (QAction *action : menu->actions()) {
                fileItems << action->text().remove(QLatin1Char('&'));
                exit = fileItems.last() == QLatin1String("Exit") ? action : exit;
            }
        }
        emit menu->aboutToShow();
    }
    QCOMPARE(fileItems.count(QStringLiteral("Exit")), 1);
    QVERIFY(!main->findChild<QAction *>(QStringLiteral("mouseGesturesAction"))->isVisible());
    QCOMPARE(exit->shortcut(), QKeySequence(QKeySequence::Quit));
    exit->trigger();
    QVERIFY(!main->isVisible());
}

// An unchecked radio button's circle stands out from the dark window around it.
void tst_HostParts::darkThemeShowsIndicators()
{
    standin::reset();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Theme::apply(true);
    QWidget host;
    host.setAutoFillBackground(true);
    auto *radio = new QRadioButton(QStringLiteral("4 Gestures"), &host);
    radio->resize(radio->sizeHint());
    host.resize(radio->size());
    const QImage picture = host.grab().toImage();
    const int window = qGray(Theme::palette(true).color(QPalette::Window).rgb());
    int contrast = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < 10; ++x) // the left half of the circle, clear of the text
            contrast = qMax(contrast, qAbs(qGray(picture.pixel(x, y)) - window));
    }
    Theme::apply(false);
    QVERIFY2(contrast >= 60, qPrintable(QString::number(contrast)));
}

void tst_HostParts::recallWalksBackAndForth()
{
    CommandRecall recall;
    QCOMPARE(recall.previous(QStringLiteral("dr")), QStringLiteral("dr"));
    recall.add(QStringLiteral("LINE"));
    recall.add(QStringLiteral("ZOOM E"));
    QCOMPARE(recall.previous(QStringLiteral("CI")), QStringLiteral("ZOOM E"));
    QCOMPARE(recall.previous(QStringLiteral("ignored")), QStringLiteral("LINE"));
    // Stays at the oldest.
    QCOMPARE(recall.previous(QString()), QStringLiteral("LINE"));
    QCOMPARE(recall.next(), QStringLiteral("ZOOM E"));
    // Past the newest the half-typed draft comes back.
    QCOMPARE(recall.next(), QStringLiteral("CI"));
    QCOMPARE(recall.next(), QStringLiteral("CI"));
    QCOMPARE(recall.last(), QStringLiteral("ZOOM E"));
}

void tst_HostParts::recallSkipsEmptyRepeatedAndTheOldest()
{
    CommandRecall recall;
    for (const char *line : {"  LINE ", "LINE", "   ", "CIRCLE", "LINE"})
        recall.add(QString::fromLatin1(line));
    QCOMPARE(recall.entries(), (QStringList{"LINE", "CIRCLE", "LINE"}));
    for (int i = 0; i <= CommandRecall::kCapacity; ++i)
        recall.add(QString::number(i));
    QCOMPARE(recall.entries().size(), CommandRecall::kCapacity);
    QCOMPARE(recall.entries().first(), QStringLiteral("1"));
}

void tst_HostParts::zoomOption_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<ZoomCommand::Request::Kind>("kind");
    QTest::addColumn<double>("factor");
    using R = ZoomCommand::Request;
    QTest::newRow("macro extents") << "_E" << R::Extents << 1.0;
    QTest::newRow("extents spelt out, lower case") << "extents" << R::Extents << 1.0;
    QTest::newRow("all") << "A" << R::Extents << 1.0;
    QTest::newRow("previous") << "_P" << R::Previous << 1.0;
    QTest::newRow("window needs a pick") << "_W" << R::NeedsPick << 1.0;
    QTest::newRow("object needs a pick") << "Object" << R::NeedsPick << 1.0;
    QTest::newRow("2X") << "2X" << R::Factor << 2.0;
    QTest::newRow(".5X") << ".5X" << R::Factor << 0.5;
    QTest::newRow("plain number") << "3" << R::Factor << 3.0;
    QTest::newRow("nothing") << "  " << R::Missing << 1.0;
    QTest::newRow("zero factor") << "0X" << R::Invalid << 1.0;
    QTest::newRow("negative factor") << "-2X" << R::Invalid << 1.0;
    QTest::newRow("unknown word") << "sideways" << R::Invalid << 1.0;
    QTest::newRow("X alone") << "X" << R::Invalid << 1.0;
}

void tst_HostParts::zoomOption()
{
    QFETCH(QString, input);
    const ZoomCommand::Request request = ZoomCommand::parse(input);
    QTEST(request.kind, "kind");
    QTEST(request.factor, "factor");
}

void tst_HostParts::helpPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fromTheHost");
    QTest::addColumn<QString>("fromTheModule");
    // The language of the loaded translation; the default locale (numbers, dates) differs.
    QTest::newRow("English") << "en_GB" << "Type GESTURE on the command line" << "Enable mouse gestures";
    QTest::newRow("German") << "de_DE" << "Geben Sie in der Befehlszeile" << "Mausgesten aktivieren";
    QTest::newRow("no translation: English") << "fr_FR" << "Type GESTURE" << "Print List";
}

void tst_HostParts::helpPage()
{
    QFETCH(QString, language);
    QFETCH(QString, fromTheHost);
    QFETCH(QString, fromTheModule);
    QTranslator translator;
    if (translator.load(QLocale(language), QStringLiteral("strokewheel"), QStringLiteral("_"), QStringLiteral(SW_TRANSLATIONS)))
        QCoreApplication::installTranslator(&translator);
    // The stand-in's interface language is its locale's.
    QLocale::setDefault(QLocale(language));
    fxsdk::HelpWindow window(nullptr);
    QVERIFY(window.showTopic(kMouseGesturesTopic));
    QLocale::setDefault(QLocale::c());
    QCoreApplication::removeTranslator(&translator);
    const QString text = window.toPlainText();
    QVERIFY2(text.contains(fromTheHost) && text.contains(fromTheModule), qPrintable(text));
    QVERIFY(!window.showTopic(1));
}

QTEST_MAIN(tst_HostParts)
#include "tst_hostparts.moc"
