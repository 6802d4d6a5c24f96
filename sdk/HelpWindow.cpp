// Strokewheel - mouse gestures for CAD drawing views.
// The host's help window.
#include "sdk/HelpWindow.h"

#include <QFile>
#include <QCoreApplication>

namespace fxsdk {

namespace {

const char *pageName(int topic)
{
    return topic == HelpWindow::kGesturesTopic ? "gestures" : nullptr;
}

// The page in the language of the texts around it, else in English. The host's translation
// names that language: its locale may be set for numbers and dates only.
QString pagePath(const QString &folder, const char *name)
{
    const QString base = folder + QStringLiteral("/%1_%2.html").arg(QLatin1String(name));
    const QString localised = base.arg(QCoreApplication::translate("fxsdk::HelpWindow", "en", "language code of the help pages"));
    return QFile::exists(localised) ? localised : base.arg(QStringLiteral("en"));
}

QString read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Each host brings its own pages (resources under :/host/help), in its own words; what is
// the same in every host, the dialog, comes from the SDK.
QString page(const char *name)
{
    return read(pagePath(QStringLiteral(":/host/help"), name)).replace(QLatin1String("<!-- the dialog -->"), read(pagePath(QStringLiteral(":/sdk/help"), "dialog")));
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
    const char *name = pageName(topic);
    const QString text = name ? page(name) : QString();
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
    if (!window)
        window = new HelpWindow(owner);
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace fxsdk
