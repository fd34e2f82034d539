#pragma once

#include <QObject>

// Runs the show as a process of its own, so that a fault in it never ends the caller.
class ShowLauncher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    // Asks the show to end and waits briefly; a show that does not listen is killed.
    virtual void stop() = 0;
    virtual bool running() const = 0;

signals:
    // The show ended, whatever the reason.
    void finished();
};
