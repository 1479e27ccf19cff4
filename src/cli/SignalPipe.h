#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP (the terminal closed, unless nohup ignores it) into a signal on
// the main thread. The handler does nothing but write the signal's number into a pipe, which a
// socket notifier reads from the event loop: no Qt call ever runs inside the handler. One per
// process.
class SignalPipe : public QObject
{
    Q_OBJECT

public:
    explicit SignalPipe(QObject *parent = nullptr);
    // Puts the earlier handlers back.
    ~SignalPipe() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[3] {};
};
