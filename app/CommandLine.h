// Strokewheel - mouse gestures for CAD drawing views.
// The command line under the drawings: the history of what ran and the line to type on.
#pragma once

#include "app/CommandRecall.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

class CommandLine : public QWidget
{
    Q_OBJECT

public:
    explicit CommandLine(QWidget *parent = nullptr);

    QLineEdit *input() const { return m_input; }

public slots:
    void appendHistory(const QString &line);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run();

    QPlainTextEdit *m_history;
    QLineEdit *m_input;
    CommandRecall m_recall;
};
