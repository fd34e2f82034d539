#pragma once

#include "veille/idlesource.h"

#include <QDBusServiceWatcher>
#include <QString>
#include <memory>

// A source that answers on the session bus. Its name leaving the bus (the service ended, or
// restarts) is reported at once, whatever the watcher is doing: a watch set there would never
// fire, and a long wait would hide the loss.
class BusIdleSource : public IdleSource {
    Q_OBJECT
protected:
    explicit BusIdleSource(const QString& service);
    // The source when it answers now, else nothing: a source that does not answer is not used.
    static std::unique_ptr<IdleSource> ifAnswering(std::unique_ptr<IdleSource> source);

private:
    QDBusServiceWatcher m_owner;
};
