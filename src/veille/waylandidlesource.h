#pragma once

#include "veille/idlesource.h"

#include <memory>

class QSocketNotifier;

// A Wayland compositor's idle notifications (ext_idle_notifier_v1 where offered, else
// org_kde_kwin_idle), on a connection of the source's own. The compositor only says when the
// seat has been idle for a given time and when input comes back; the source asks to be told
// after a short step, so that the idle time it gives is exact once that step is passed and 0
// before. A player's idle inhibitor (zwp_idle_inhibitor_v1) keeps the notification from ever
// becoming idle. The session bus is still asked for inhibitions (IdleSource::inhibited).
class WaylandIdleSource final : public IdleSource {
    Q_OBJECT
public:
    // Nothing outside a Wayland session (WAYLAND_DISPLAY unset), when the compositor does not
    // answer, or when it offers neither protocol.
    static std::unique_ptr<IdleSource> create();
    ~WaylandIdleSource() override;

    // "ext-idle-notify" or "org_kde_kwin_idle": the protocol in use.
    QString name() const override;
    // Counted from the source's creation at the earliest: the compositor does not tell how long
    // the seat was idle before.
    std::optional<std::chrono::milliseconds> idleTime() override;
    // userActive() at the first input, from the compositor's own event: no polling;
    // stoppedAnswering() as soon as the compositor is gone, whatever the watcher is doing.
    void watchForActivity() override;
    void stopWatchingActivity() override;

    struct Connection;

private slots:
    // The compositor saw input after the seat was idle.
    void resumed();

private:
    explicit WaylandIdleSource(std::unique_ptr<Connection> connection);
    // False once the connection is broken.
    bool readEvents();

    std::unique_ptr<Connection> m_connection;
    QSocketNotifier* m_notifier;
    bool m_watching = false;
};
