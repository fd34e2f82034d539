#pragma once

#include <QObject>

// Turns the system's polite requests to end (SIGTERM, SIGINT, SIGHUP on Unix) into a signal on
// the UI thread, so that the program ends through its normal path: the event loop returns and
// every object is destroyed. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void requested();
};
