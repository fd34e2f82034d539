#include "veille/waylandidlesource.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"

#include <QSocketNotifier>
#include <cstring>
#include <poll.h>
#include <wayland-client.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// How long the seat must be left alone before the compositor says it is idle. Below it the
// source answers 0; the compositor wakes the watcher once per pause of the user longer than it.
constexpr std::chrono::milliseconds step = 1s;
// A compositor that does not answer within this is taken as gone. Generous: one composing with
// a software renderer just after a full-screen window closed took 0.8 s to answer on a loaded
// machine, and a compositor taken for gone leaves the idle start off.
constexpr std::chrono::milliseconds answerLimit = 5s;

} // namespace

struct WaylandIdleSource::Connection {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    ext_idle_notifier_v1* notifier = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    org_kde_kwin_idle* kdeIdle = nullptr;
    org_kde_kwin_idle_timeout* kdeTimeout = nullptr;
    bool idle = false;
    Clock::time_point idleSince;
    QObject* owner = nullptr;

    ~Connection() {
        if (notification)
            ext_idle_notification_v1_destroy(notification);
        if (notifier)
            ext_idle_notifier_v1_destroy(notifier);
        if (kdeTimeout)
            org_kde_kwin_idle_timeout_release(kdeTimeout);
        if (kdeIdle)
            org_kde_kwin_idle_destroy(kdeIdle);
        if (seat)
            wl_seat_destroy(seat);
        if (registry)
            wl_registry_destroy(registry);
        if (display) {
            wl_display_flush(display);
            wl_display_disconnect(display);
        }
    }

    void becameIdle() {
        idle = true;
        idleSince = Clock::now() - step;
    }

    void becameActive() {
        idle = false;
        // Listeners run inside libwayland's dispatch: what the watcher does about it runs after.
        if (owner)
            QMetaObject::invokeMethod(owner, "resumed", Qt::QueuedConnection);
    }

    // Reads and dispatches what the compositor sent, waiting at most `wait` for it. False once
    // the connection is broken.
    bool read(std::chrono::milliseconds wait) {
        while (wl_display_prepare_read(display) != 0)
            wl_display_dispatch_pending(display);
        wl_display_flush(display);
        pollfd fd{wl_display_get_fd(display), POLLIN, 0};
        const int ready = ::poll(&fd, 1, int(wait.count()));
        if (ready > 0)
            wl_display_read_events(display);
        else
            wl_display_cancel_read(display);
        wl_display_dispatch_pending(display);
        return ready >= 0 && wl_display_get_error(display) == 0;
    }

    // Everything asked so far answered; false when the compositor did not in time.
    bool roundtrip() {
        bool done = false;
        static const wl_callback_listener listener{
            .done = [](void* data, wl_callback*, uint32_t) { *static_cast<bool*>(data) = true; }};
        wl_callback* callback = wl_display_sync(display);
        wl_callback_add_listener(callback, &listener, &done);
        const auto end = Clock::now() + answerLimit;
        while (!done && Clock::now() < end &&
               read(std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now())))
            ;
        wl_callback_destroy(callback);
        return done;
    }
};

namespace {

using Connection = WaylandIdleSource::Connection;

void global(void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t) {
    auto* c = static_cast<Connection*>(data);
    if (!c->seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        c->seat = static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
    else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
        c->notifier = static_cast<ext_idle_notifier_v1*>(
            wl_registry_bind(registry, id, &ext_idle_notifier_v1_interface, 1));
    else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0)
        c->kdeIdle = static_cast<org_kde_kwin_idle*>(
            wl_registry_bind(registry, id, &org_kde_kwin_idle_interface, 1));
}

const wl_registry_listener registryListener{.global = global,
                                            .global_remove = [](void*, wl_registry*, uint32_t) {}};

const ext_idle_notification_v1_listener notificationListener{
    .idled = [](void* data,
                ext_idle_notification_v1*) { static_cast<Connection*>(data)->becameIdle(); },
    .resumed = [](void* data,
                  ext_idle_notification_v1*) { static_cast<Connection*>(data)->becameActive(); }};

const org_kde_kwin_idle_timeout_listener kdeTimeoutListener{
    .idle = [](void* data,
               org_kde_kwin_idle_timeout*) { static_cast<Connection*>(data)->becameIdle(); },
    .resumed = [](void* data,
                  org_kde_kwin_idle_timeout*) { static_cast<Connection*>(data)->becameActive(); }};

} // namespace

std::unique_ptr<IdleSource> WaylandIdleSource::create() {
    // Without the variable libwayland would try "wayland-0", which may be another session's.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    auto c = std::make_unique<Connection>();
    c->display = wl_display_connect(nullptr);
    if (!c->display)
        return nullptr;
    c->registry = wl_display_get_registry(c->display);
    wl_registry_add_listener(c->registry, &registryListener, c.get());
    if (!c->roundtrip() || !c->seat || (!c->notifier && !c->kdeIdle))
        return nullptr;
    const auto ms = uint32_t(step.count());
    if (c->notifier) {
        c->notification = ext_idle_notifier_v1_get_idle_notification(c->notifier, ms, c->seat);
        ext_idle_notification_v1_add_listener(c->notification, &notificationListener, c.get());
    } else {
        c->kdeTimeout = org_kde_kwin_idle_get_idle_timeout(c->kdeIdle, c->seat, ms);
        org_kde_kwin_idle_timeout_add_listener(c->kdeTimeout, &kdeTimeoutListener, c.get());
    }
    if (!c->roundtrip())
        return nullptr;
    return std::unique_ptr<IdleSource>(new WaylandIdleSource(std::move(c)));
}

WaylandIdleSource::WaylandIdleSource(std::unique_ptr<Connection> connection)
    : m_connection(std::move(connection)),
      m_notifier(new QSocketNotifier(wl_display_get_fd(m_connection->display),
                                     QSocketNotifier::Read, this)) {
    m_connection->owner = this;
    // The compositor gone (the session ended, or it crashed) is reported at once.
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        if (!readEvents())
            emit stoppedAnswering();
    });
}

WaylandIdleSource::~WaylandIdleSource() {
    // Before the connection closes its socket.
    delete m_notifier;
}

QString WaylandIdleSource::name() const {
    return m_connection->notification ? QStringLiteral("ext-idle-notify")
                                      : QStringLiteral("org_kde_kwin_idle");
}

bool WaylandIdleSource::readEvents() {
    if (!m_notifier->isEnabled())
        return false;
    // A broken connection stays readable: it is not listened to again.
    if (!m_connection->read(0ms))
        m_notifier->setEnabled(false);
    return m_notifier->isEnabled();
}

std::optional<std::chrono::milliseconds> WaylandIdleSource::idleTime() {
    if (!readEvents())
        return std::nullopt;
    if (!m_connection->idle)
        return 0ms;
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() -
                                                                 m_connection->idleSince);
}

void WaylandIdleSource::watchForActivity() {
    m_watching = true;
    readEvents();
    // Not idle now: the user touched something within the last step.
    if (!m_connection->idle)
        QMetaObject::invokeMethod(this, "resumed", Qt::QueuedConnection);
}

void WaylandIdleSource::stopWatchingActivity() {
    m_watching = false;
}

void WaylandIdleSource::resumed() {
    if (!m_watching)
        return;
    m_watching = false;
    emit userActive();
}
