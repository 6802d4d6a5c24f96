// Strokewheel - mouse gestures for CAD drawing views.
// The command line under the drawings.
#include "app/CommandLine.h"

#include "host/CFxSystemServices.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int kHistoryRows = 5;
constexpr int kHistoryKept = 500;
}

CommandLine::CommandLine(QWidget *parent)
    : QWidget(parent), m_history(new QPlainTextEdit(this)), m_input(new QLineEdit(this))
{
    setObjectName(QStringLiteral("commandLineArea"));
    m_history->setObjectName(QStringLiteral("commandHistory"));
    m_history->setReadOnly(true);
    m_history->setFocusPolicy(Qt::NoFocus);
    m_history->setMaximumBlockCount(kHistoryKept);
    m_history->setFixedHeight(m_history->fontMetrics().lineSpacing() * kHistoryRows + 10);
    m_input->setObjectName(QStringLiteral("commandLine"));
    m_input->setPlaceholderText(tr("Type a command"));
    m_input->installEventFilter(this);

    auto *prompt = new QLabel(tr("Command:"), this);
    auto *row = new QHBoxLayout;
    row->addWidget(prompt);
    row->addWidget(m_input, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(m_history);
    layout->addLayout(row);

    connect(m_input, &QLineEdit::returnPressed, this, &CommandLine::run);
}

void CommandLine::appendHistory(const QString &line)
{
    m_history->appendPlainText(line);
}

void CommandLine::run()
{
    // An empty line repeats the last command, as CAD users expect.
    QString text = m_input->text().trimmed();
    if (text.isEmpty())
        text = m_recall.last();
    m_input->clear();
    if (text.isEmpty())
        return;
    m_recall.add(text);
    CFxSystemServices *services = GetFxSystemServices();
    if (!services) {
        appendHistory(tr("The host's services are not available."));
        return;
    }
    CFxSystemServices::CFxExpressionParserData data;
    data.m_bAddToHistory = true;
    services->ExecuteCommand(CFxString(text), data);
}

bool CommandLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up) {
            m_input->setText(m_recall.previous(m_input->text()));
            return true;
        }
        if (key == Qt::Key_Down) {
            m_input->setText(m_recall.next());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
