#pragma once

#include <QObject>
#include <functional>

// Turns the system's polite requests to end (SIGTERM, SIGINT, SIGHUP on Unix) into a signal on
// the UI thread, so that the program ends through its normal path. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Called off the UI thread when a request has not ended the process within `delayMs`: the
    // UI thread is held (a picture decoded before the event loop runs) and cannot answer.
    void setFallback(std::function<void()> fallback, int delayMs);

signals:
    void requested();
};
