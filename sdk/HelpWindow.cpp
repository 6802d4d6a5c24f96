// Strokewheel - mouse gestures for CAD drawing views.
// The host's help window.
#include "sdk/HelpWindow.h"

#include "sdk/HostBackend.h"

#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>

namespace fxsdk {

namespace {

// The page in the host's interface language, else in English.
QString read(const QString &page)
{
    const QString name = page + QStringLiteral("_%1.html");
    QFile file(name.arg(hostBackend() ? hostBackend()->uiLanguage() : QStringLiteral("en")));
    if (!file.exists())
        file.setFileName(name.arg(QStringLiteral("en")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A page takes in another ("<!-- include :/folder/name -->"), say a module's part of a
// host's page; one level deep.
QString withIncludes(QString text)
{
    static const QRegularExpression include(QStringLiteral("<!-- include (\\S+) -->"));
    for (QRegularExpressionMatch match = include.match(text); match.hasMatch(); match = include.match(text))
        text.replace(match.capturedStart(), match.capturedLength(), read(match.captured(1)));
    return text;
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner) : QTextBrowser(owner)
{
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(true);
    document()->setDocumentMargin(12);
    resize(560, 640);
}

bool HelpWindow::showTopic(int topic)
{
    const QString page = hostBackend() ? hostBackend()->helpPage(topic) : QString();
    const QString text = page.isEmpty() ? QString() : withIncludes(read(page));
    const bool found = !text.isEmpty();
    if (found)
        setHtml(text);
    else
        setHtml(QStringLiteral("<html><head><title>Help</title></head><body><p>There is no help page for "
                               "topic %1.</p></body></html>").arg(topic));
    setWindowTitle(documentTitle());
    return found;
}

HelpWindow *HelpWindow::open(int topic, QWidget *owner)
{
    HelpWindow *window = owner ? owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new HelpWindow(owner);
        if (owner && owner->screen())
            window->move(placeBeside(owner->frameGeometry(), window->size(), owner->screen()->availableGeometry()));
    }
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QPoint HelpWindow::placeBeside(const QRect &owner, const QSize &size, const QRect &screen)
{
    int x = owner.right() + 1;
    if (x + size.width() - 1 > screen.right())
        x = owner.left() - size.width() >= screen.left() ? owner.left() - size.width() : screen.right() + 1 - size.width();
    const int y = qBound(screen.top(), owner.top(), qMax(screen.top(), screen.bottom() + 1 - size.height()));
    return {qMax(x, screen.left()), y};
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Close))
        close();
    else
        QTextBrowser::keyPressEvent(event);
}

} // namespace fxsdk
