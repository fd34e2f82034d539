#pragma once

#include <QObject>
#include <chrono>
#include <memory>
#include <optional>

class QTimer;

// How long the user has left keyboard and pointer alone, as the desktop counts it, and whether
// an application holds idleness back (a video player). One implementation per source, each in a
// file of its own; createIdleSource() picks the first that answers.
class IdleSource : public QObject {
    Q_OBJECT
public:
    explicit IdleSource(QObject* parent = nullptr);
    ~IdleSource() override;

    // Short English name of the source, for messages.
    virtual QString name() const = 0;
    // Nothing when the source stopped answering.
    virtual std::optional<std::chrono::milliseconds> idleTime() = 0;
    // Whether the session says idleness is inhibited (org.gnome.SessionManager's idle flag,
    // or org.freedesktop.PowerManagement.Inhibit where a desktop forwards
    // org.freedesktop.ScreenSaver.Inhibit there).
    virtual bool inhibited();

    // After this call, userActive() is emitted once, at the first input. The default asks the
    // idle time twice a second and reports when it falls back, or stoppedAnswering() when the
    // source gives no answer.
    virtual void watchForActivity();
    virtual void stopWatchingActivity();

signals:
    void userActive();
    // The source no longer answers: its service went away, or its display closed.
    void stoppedAnswering();

private:
    QTimer* m_poll = nullptr;
    std::chrono::milliseconds m_lastIdle{0};
};

// The first source that answers, in the order that idlesourcefactory_linux.cpp gives for this
// kind of session. Nothing when none answers.
std::unique_ptr<IdleSource> createIdleSource();
