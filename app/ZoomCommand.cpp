// Strokewheel - mouse gestures for CAD drawing views.
// The host's ZOOM command.
#include "app/ZoomCommand.h"

#include "standin/Document.h"
#include "standin/DrawingView.h"
#include "standin/HostSignals.h"
#include "standin/StandIn.h"

#include <QStringList>

ZoomCommand::Request ZoomCommand::parse(const QString &input)
{
    Request request;
    QString option = input.trimmed();
    while (option.startsWith(QLatin1Char('_')))
        option.remove(0, 1);
    if (option.isEmpty())
        return request;
    const QString upper = option.toUpper();
    if (QStringList{QStringLiteral("E"), QStringLiteral("EXTENTS"), QStringLiteral("A"), QStringLiteral("ALL")}
            .contains(upper)) {
        request.kind = Request::Extents;
        return request;
    }
    if (upper == QLatin1String("P") || upper == QLatin1String("PREVIOUS")) {
        request.kind = Request::Previous;
        return request;
    }
    if (QStringList{QStringLiteral("W"), QStringLiteral("WINDOW"), QStringLiteral("O"), QStringLiteral("OBJECT")}
            .contains(upper)) {
        request.kind = Request::NeedsPick;
        return request;
    }
    QString number = upper;
    if (number.endsWith(QLatin1Char('X')))
        number.chop(1);
    bool ok = false;
    const double factor = number.toDouble(&ok);
    if (ok && factor > 0) {
        request.kind = Request::Factor;
        request.factor = factor;
        return request;
    }
    request.kind = Request::Invalid;
    return request;
}

QString ZoomCommand::run(const QString &input, standin::DrawingView *view)
{
    const Request request = parse(input);
    switch (request.kind) {
    case Request::Missing:
        return QStringLiteral("ZOOM: give an option: All, Extents or a scale factor such as 2X.");
    case Request::Invalid:
        return QStringLiteral("ZOOM: \"%1\" is no option; use All, Extents or a scale factor such as 2X.")
            .arg(input.trimmed());
    case Request::NeedsPick:
        return QStringLiteral("ZOOM: Window and Object need picks in the view, which this host does not offer.");
    case Request::Extents:
    case Request::Factor:
    case Request::Previous:
        break;
    }
    if (!view)
        return QStringLiteral("ZOOM: no drawing is open.");
    if (request.kind == Request::Extents)
        view->zoomToBounds();
    else if (request.kind == Request::Factor)
        view->zoomBy(request.factor);
    else if (!view->zoomPrevious())
        return QStringLiteral("ZOOM: there is no previous view.");
    return QString();
}

void ZoomCommand::install()
{
    standin::setCommandAction(QStringLiteral("ZOOM"), [](const QString &input) {
        standin::Document *document = standin::activeDocument();
        const QString message = run(input, document ? document->view() : nullptr);
        if (!message.isEmpty())
            emit standin::hostSignals()->historyLine(message);
    });
}
