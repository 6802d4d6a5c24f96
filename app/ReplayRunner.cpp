// Strokewheel - mouse gestures for CAD drawing views.
// Runs the steps of a replay script against the host's real window.
#include "app/ReplayRunner.h"

#include "app/HostWindow.h"

#include "standin/DrawingView.h"
#include "standin/HostSignals.h"
#include "standin/SettingsStore.h"
#include "standin/StandIn.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {
QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString quotedList(const QStringList &texts)
{
    if (texts.isEmpty())
        return QStringLiteral("nothing");
    QStringList parts;
    for (const QString &text : texts)
        parts << quoted(text);
    return parts.join(QStringLiteral(", "));
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}
}

ReplayRunner::ReplayRunner(const QVector<ReplayStep> &steps, const QString &scriptName, HostWindow *window,
                           const QString &outputFolder, QObject *parent)
    : QObject(parent), m_steps(steps), m_scriptName(scriptName), m_window(window),
      m_output(outputFolder.isEmpty() ? QDir::current() : QDir(outputFolder))
{
    connect(standin::hostSignals(), &standin::HostSignals::commandExecuted, this,
            [this](const QString &text) { m_executed.append(text); });
}

void ReplayRunner::start()
{
    QTimer::singleShot(kStepDelay, this, &ReplayRunner::runNext);
}

void ReplayRunner::runNext()
{
    if (m_finished)
        return;
    if (!checkPrinted()) {
        finish(1);
        return;
    }
    if (m_next >= m_steps.size()) {
        finish(0);
        return;
    }
    if (m_input.awaitingEvent()) {
        QTimer::singleShot(1, this, &ReplayRunner::runNext);
        return;
    }
    const ReplayStep step = m_steps.at(m_next++);
    if (m_input.isQuick() && step.isMouse()) {
        QTimer::singleShot(kStepDelay, this, &ReplayRunner::runNext);
        if (!runBurst(step))
            finish(1);
        return;
    }
    // The next shot is due before this step acts: a step that opens a modal dialog only
    // returns when the dialog closes, and the steps in between run inside it.
    QTimer::singleShot(step.is("wait") ? step.number : kStepDelay, this, &ReplayRunner::runNext);
    if (!(this->*step.verb->run)(step))
        finish(1);
}

void ReplayRunner::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    emit finished(exitCode);
}

bool ReplayRunner::fail(const ReplayStep &step, const QString &message)
{
    std::fprintf(stderr, "%s:%d: %s\n    (step: %s)\n", qPrintable(m_scriptName), step.line, qPrintable(message),
                 qPrintable(step.source));
    std::fflush(stderr);
    return false;
}

QWidget *ReplayRunner::scope() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_window->window();
}

QWidget *ReplayRunner::findWidget(const ReplayStep &step, const QString &name, QString *error) const
{
    QWidget *root = scope();
    if (root->objectName() == name)
        return root;
    if (auto *widget = root->findChild<QWidget *>(name))
        return widget;
    // Buttons are found by their text too ("OK", "Reset to Defaults").
    if (step.is("click")) {
        const QList<QAbstractButton *> buttons = root->findChildren<QAbstractButton *>();
        for (QAbstractButton *button : buttons) {
            if (button->isVisible() && withoutMnemonic(button->text()) == name)
                return button;
        }
    }
    *error = QStringLiteral("no widget %1 in %2").arg(quoted(name), root->objectName().isEmpty()
                                                                           ? QString::fromLatin1(root->metaObject()->className())
                                                                           : root->objectName());
    return nullptr;
}

QString ReplayRunner::outputPath(const QString &file) const
{
    const QString path = m_output.absoluteFilePath(file);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

bool ReplayRunner::mouse(const ReplayStep &step)
{
    standin::DrawingView *view = m_window->activeView();
    if (!view)
        return fail(step, QStringLiteral("no drawing is open"));
    const ReplayInput::Action action = step.is("press")     ? ReplayInput::Action::Press
                                     : step.is("release") ? ReplayInput::Action::Release
                                                          : ReplayInput::Action::Move;
    if (action == ReplayInput::Action::Press)
        m_lastPress = view->mapToGlobal(step.point);
    QString error;
    return m_input.mouse(action, view, step.point, step.button, &error) || fail(step, error);
}

bool ReplayRunner::quick(const ReplayStep &step)
{
    m_input.setQuick(step.on);
    return true;
}

bool ReplayRunner::runBurst(const ReplayStep &first)
{
    if (!mouse(first))
        return false;
    for (; m_next < m_steps.size(); ++m_next) {
        const ReplayStep &step = m_steps.at(m_next);
        if (step.is("wait") ? !m_input.pause(step.number) : !step.isMouse())
            break;
        if (!step.is("wait") && !mouse(step))
            return false;
    }
    QString error;
    return m_input.flush(&error) || fail(first, error);
}

bool ReplayRunner::pressKey(const ReplayStep &step)
{
    ReplayInput::key(step.number, scope());
    return true;
}

bool ReplayRunner::typeKeys(const ReplayStep &step)
{
    for (const QChar character : step.text)
        ReplayInput::key(character.toUpper().unicode(), scope());
    ReplayInput::key(Qt::Key_Return, scope());
    return true;
}

bool ReplayRunner::answer(const ReplayStep &step)
{
    standin::queueMessageAnswer(step.number);
    return true;
}

bool ReplayRunner::layout(const ReplayStep &step)
{
    return m_window->selectLayout(step.name) ||
           fail(step, QStringLiteral("the active drawing has no layout %1").arg(quoted(step.name)));
}

bool ReplayRunner::document(const ReplayStep &step)
{
    return m_window->activateDocument(step.number) ||
           fail(step, QStringLiteral("there is no drawing number %1").arg(step.number));
}

bool ReplayRunner::theme(const ReplayStep &step)
{
    m_window->setDarkTheme(step.on);
    return true;
}

bool ReplayRunner::block(const ReplayStep &step)
{
    m_window->setBlockEditor(step.on);
    return true;
}

bool ReplayRunner::wait(const ReplayStep &)
{
    // runNext has timed the next step.
    return true;
}

bool ReplayRunner::await(const ReplayStep &step)
{
    constexpr qint64 kMostMs = 120000;
    if (QFileInfo::exists(m_output.absoluteFilePath(step.text))) {
        m_awaiting.invalidate();
        return true;
    }
    if (!m_awaiting.isValid())
        m_awaiting.start();
    else if (m_awaiting.hasExpired(kMostMs))
        return fail(step, QStringLiteral("%1 did not appear").arg(quoted(step.text)));
    // The same step again at the next shot.
    --m_next;
    return true;
}

bool ReplayRunner::typeCommand(const ReplayStep &step)
{
    QLineEdit *input = m_window->commandInput();
    input->setFocus();
    input->setText(step.text);
    // Return, as typed: the line edit runs the command.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(input, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(input, &release);
    return true;
}

bool ReplayRunner::click(const ReplayStep &step)
{
    QString error;
    QWidget *widget = findWidget(step, step.name, &error);
    if (!widget)
        return fail(step, error);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button)
        return fail(step, QStringLiteral("%1 is no button").arg(quoted(step.name)));
    if (!button->isEnabled())
        return fail(step, QStringLiteral("the button %1 is disabled").arg(quoted(step.name)));
    button->click();
    return true;
}

bool ReplayRunner::check(const ReplayStep &step)
{
    QString error;
    auto *button = qobject_cast<QAbstractButton *>(findWidget(step, step.name, &error));
    if (!button)
        return fail(step, error.isEmpty() ? QStringLiteral("%1 is no check box").arg(quoted(step.name)) : error);
    if (!button->isCheckable())
        return fail(step, QStringLiteral("%1 cannot be checked").arg(quoted(step.name)));
    if (!button->isEnabled())
        return fail(step, QStringLiteral("%1 is disabled").arg(quoted(step.name)));
    if (button->isChecked() != step.on) {
        // A click, as the user's: it emits clicked, toggled and the check box's stateChanged.
        button->click();
        if (button->isChecked() != step.on)
            button->setChecked(step.on);
    }
    return true;
}

bool ReplayRunner::setText(const ReplayStep &step)
{
    QString error;
    auto *edit = qobject_cast<QLineEdit *>(findWidget(step, step.name, &error));
    if (!edit)
        return fail(step, error.isEmpty() ? QStringLiteral("%1 is no line edit").arg(quoted(step.name)) : error);
    edit->setFocus();
    edit->selectAll();
    edit->insert(step.text);
    return true;
}

bool ReplayRunner::choose(const ReplayStep &step)
{
    QString error;
    auto *combo = qobject_cast<QComboBox *>(findWidget(step, step.name, &error));
    if (!combo)
        return fail(step, error.isEmpty() ? QStringLiteral("%1 is no combo box").arg(quoted(step.name)) : error);
    const int index = combo->findText(step.text);
    if (index < 0) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return fail(step, QStringLiteral("%1 has no item %2; it has %3")
                              .arg(quoted(step.name), quoted(step.text), quotedList(items)));
    }
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    emit combo->textActivated(combo->itemText(index));
    return true;
}

bool ReplayRunner::selectRow(const ReplayStep &step)
{
    QString error;
    auto *table = qobject_cast<QAbstractItemView *>(findWidget(step, QStringLiteral("command_tableView"), &error));
    if (!table || !table->model())
        return fail(step, error.isEmpty() ? QStringLiteral("the command table has no model") : error);
    constexpr int captionColumn = 2;
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, captionColumn);
        if (index.data(Qt::DisplayRole).toString() != step.text)
            continue;
        table->scrollTo(index);
        const QPoint centre = table->visualRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, table->viewport()->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, table->viewport()->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &release);
        return true;
    }
    return fail(step, QStringLiteral("the command table shows no command %1").arg(quoted(step.text)));
}

bool ReplayRunner::chooseRegion(const ReplayStep &step)
{
    QString error;
    QWidget *table = findWidget(step, QStringLiteral("command_tableView"), &error);
    if (!table)
        return fail(step, error);
    const QList<QComboBox *> combos = table->findChildren<QComboBox *>();
    for (QComboBox *combo : combos) {
        if (!combo->isVisible())
            continue;
        if (step.number >= combo->count())
            return fail(step, QStringLiteral("the region editor has %1 items, none numbered %2")
                                  .arg(combo->count()).arg(step.number));
        combo->setCurrentIndex(step.number);
        // As a click in the list does: the delegate commits on activated.
        emit combo->activated(step.number);
        return true;
    }
    return fail(step, QStringLiteral("no region editor is open in the command table"));
}

bool ReplayRunner::setState(const ReplayStep &step)
{
    standin::Document *document = standin::activeDocument();
    if (!document)
        return fail(step, QStringLiteral("no drawing is open"));
    standin::setBlockingState(document, standin::BlockingState(step.number), step.on);
    return true;
}

bool ReplayRunner::screenshot(const ReplayStep &step)
{
    QPixmap picture;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // What the X server really shows, ring and all.
        const QWidget *shown = scope();
        picture = QGuiApplication::primaryScreen()->grabWindow(0, shown->x(), shown->y(), shown->frameGeometry().width(),
                                                               shown->frameGeometry().height());
    } else if (QWidget *overlay = ReplayInput::visibleOverlay()) {
        // The overlay over the drawing it belongs to, as the user sees it.
        QWidget *main = m_window->window();
        picture = main->grab();
        QPainter painter(&picture);
        painter.drawPixmap(main->mapFromGlobal(overlay->mapToGlobal(QPoint(0, 0))), overlay->grab());
    } else {
        picture = scope()->grab();
    }
    const QString path = outputPath(step.text);
    if (!picture.save(path))
        return fail(step, QStringLiteral("cannot write the screenshot %1").arg(quoted(path)));
    std::printf("screenshot: %s\n", qPrintable(path));
    std::fflush(stdout);
    return true;
}

bool ReplayRunner::print(const ReplayStep &step)
{
    auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
    if (!dialog)
        return fail(step, QStringLiteral("no print dialog is open"));
    const QString path = outputPath(step.text);
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(path);
    // An older print must not pass for this one.
    QFile::remove(path);
    // done() rather than accept(): accept() would read the printer back from the form.
    dialog->done(QDialog::Accepted);
    // The list is printed once the dialog's loop has returned, before the next step.
    m_printed = {step, path};
    return true;
}

bool ReplayRunner::checkPrinted()
{
    const ReplayStep step = std::exchange(m_printed.first, ReplayStep());
    if (!step.verb)
        return true;
    const QString &path = m_printed.second;
    if (QFileInfo(path).size() == 0)
        return fail(step, QStringLiteral("nothing was printed to %1").arg(quoted(path)));
    std::printf("printed: %s\n", qPrintable(path));
    std::fflush(stdout);
    return true;
}

bool ReplayRunner::expectExecuted(const ReplayStep &step)
{
    // Consumes the runs up to the one expected: what ran after it is for the next expectation.
    const int found = m_executed.indexOf(step.text);
    if (found >= 0) {
        m_executed.erase(m_executed.begin(), m_executed.begin() + found + 1);
        return true;
    }
    const QStringList executed = std::exchange(m_executed, QStringList());
    return fail(step, QStringLiteral("expected executed %1, found %2").arg(quoted(step.text), quotedList(executed)));
}

bool ReplayRunner::expectRuns(const ReplayStep &step)
{
    if (m_executed.size() == step.number)
        return true;
    return fail(step, QStringLiteral("expected %1 commands run, found %2: %3")
                          .arg(step.number).arg(m_executed.size()).arg(quotedList(m_executed)));
}

bool ReplayRunner::expectNothingExecuted(const ReplayStep &step)
{
    const QStringList executed = std::exchange(m_executed, QStringList());
    if (executed.isEmpty())
        return true;
    return fail(step, QStringLiteral("expected nothing executed, found %1").arg(quotedList(executed)));
}

bool ReplayRunner::expectSetting(const ReplayStep &step)
{
    standin::SettingsStore *store = standin::settingsStore();
    const QString section = QStringLiteral("Strokewheel");
    if (!store)
        return fail(step, QStringLiteral("the host has no settings store"));
    if (!store->contains(section, step.name))
        return fail(step, QStringLiteral("expected setting %1 = %2, found it not set")
                              .arg(step.name, quoted(step.text)));
    const QString value = store->text(section, step.name);
    if (value == step.text)
        return true;
    return fail(step, QStringLiteral("expected setting %1 = %2, found %3").arg(step.name, quoted(step.text), quoted(value)));
}

bool ReplayRunner::expectStatus(const ReplayStep &step)
{
    const QString status = standin::currentStatusText();
    if (status == step.text)
        return true;
    return fail(step, QStringLiteral("expected status %1, found %2").arg(quoted(step.text), quoted(status)));
}

bool ReplayRunner::expectRing(const ReplayStep &step)
{
    QWidget *ring = ReplayInput::visibleOverlay();
    const int region = ring ? ring->property("currentRegion").toInt() + 1 : 0;
    const bool committed = ring && ring->property("committed").toBool();
    const QString found = !ring ? QStringLiteral("hidden")
                        : committed ? QStringLiteral("committed in region %1").arg(region)
                                    : QStringLiteral("shown in region %1").arg(region);
    bool holds = false;
    if (step.name == QLatin1String("hidden"))
        holds = !ring;
    else if (step.name == QLatin1String("shown"))
        holds = ring;
    else if (step.name == QLatin1String("committed"))
        holds = committed;
    else
        holds = ring && region == step.number;
    if (holds)
        return true;
    const QString expected = step.name == QLatin1String("region") ? QStringLiteral("region %1").arg(step.number) : step.name;
    return fail(step, QStringLiteral("expected the ring %1, found it %2").arg(expected, found));
}

bool ReplayRunner::expectContextMenu(const ReplayStep &step)
{
    standin::DrawingView *view = m_window->activeView();
    const bool open = view && view->contextMenu() && view->contextMenu()->isVisible();
    if (open == step.on)
        return true;
    return fail(step, QStringLiteral("expected the context menu %1, found it %2")
                          .arg(step.on ? QStringLiteral("open") : QStringLiteral("closed"),
                               open ? QStringLiteral("open") : QStringLiteral("closed")));
}

bool ReplayRunner::grabRingArea(QImage *screen, QImage *drawing, QPoint *centre) const
{
    QWidget *ring = ReplayInput::visibleOverlay();
    standin::DrawingView *view = m_window->activeView();
    if (!ring || !view)
        return false;
    QRect ringArea(QPoint(), ring->size());
    ringArea.moveCenter(m_lastPress);
    const QRect area = ringArea.intersected(QRect(view->mapToGlobal(QPoint(0, 0)), view->size()));
    *screen = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    *drawing = view->grab(QRect(view->mapFromGlobal(area.topLeft()), area.size())).toImage();
    *centre = m_lastPress - area.topLeft();
    return true;
}

bool ReplayRunner::expectTranslucent(const ReplayStep &step)
{
    QImage screen;
    QImage drawing;
    QPoint centre;
    if (!grabRingArea(&screen, &drawing, &centre))
        return fail(step, QStringLiteral("expected a ring over a drawing, found none"));
    // On the band's edges, clear of the items on its middle: the screen's lightness where
    // the drawing beneath is dark against where it is light. An opaque band is the same.
    double sums[2] = {0, 0};
    int counts[2] = {0, 0};
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const double radius = std::hypot(x - centre.x(), y - centre.y());
            if (!(radius > 75.0 && radius < 82.0) && !(radius > 104.0 && radius < 110.0))
                continue;
            const int beneath = qGray(drawing.pixel(x, y));
            if (beneath > 96 && beneath < 160)
                continue;
            const int dark = beneath <= 96;
            sums[dark] += qGray(screen.pixel(x, y));
            ++counts[dark];
        }
    }
    if (counts[0] == 0 || counts[1] == 0)
        return fail(step, QStringLiteral("the drawing beneath the ring's band is not both light and dark there"));
    const double light = sums[0] / counts[0];
    const double dark = sums[1] / counts[1];
    if (light - dark >= 20.0)
        return true;
    return fail(step, QStringLiteral("expected the band darker over the drawing's dark pixels, found a lightness of %1 "
                                     "there and %2 over its light ones")
                          .arg(dark, 0, 'f', 1).arg(light, 0, 'f', 1));
}

bool ReplayRunner::expectSeeThrough(const ReplayStep &step)
{
    // What the X server shows, against what the view paints; only where the ring's window
    // lies over the view and clearly off the ring (radii about 71 to 115).
    QImage screen;
    QImage drawing;
    QPoint centre;
    if (!grabRingArea(&screen, &drawing, &centre))
        return fail(step, QStringLiteral("expected a ring over a drawing, found none"));
    const QSize area = screen.size();
    int compared = 0;
    int differing = 0;
    bool ringShows = false;
    QString firstDifference;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QPoint offset = QPoint(x, y) - centre;
            const double radius = std::hypot(offset.x(), offset.y());
            const QColor seen = screen.pixelColor(x, y);
            const QColor painted = drawing.pixelColor(x, y);
            const bool same = std::abs(seen.red() - painted.red()) + std::abs(seen.green() - painted.green())
                                  + std::abs(seen.blue() - painted.blue()) <= 24;
            if (radius > 80.0 && radius < 106.0) {
                // Well on the ring: it must show there, or the ring is not on screen at all.
                ringShows = ringShows || !same;
                continue;
            }
            if (radius > 62.0 && radius < 124.0)
                continue;
            ++compared;
            if (same)
                continue;
            if (differing++ == 0)
                firstDifference = QStringLiteral("at %1,%2 the screen shows %3 where the drawing has %4")
                                      .arg(x).arg(y).arg(seen.name(), painted.name());
        }
    }
    if (!ringShows)
        return fail(step, QStringLiteral("expected the ring on the screen, found only the drawing there"));
    if (compared > 0 && differing * 100 <= compared)
        return true;
    return fail(step, QStringLiteral("expected the drawing around the ring, found %1 of %2 pixels differing (%3)")
                          .arg(differing).arg(compared).arg(firstDifference));
}
