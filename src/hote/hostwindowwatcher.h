#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>

class WindowHost;

// Watches a window of another program that we draw into. X11 tells a foreign window's owner,
// not its guests, about resizes and destruction, so the window is simply asked for its size a
// few times a second.
class HostWindowWatcher : public QObject {
    Q_OBJECT
public:
    HostWindowWatcher(WindowHost& host, quintptr window, QObject* parent = nullptr);

    void setIntervalMs(int ms) { m_timer.setInterval(ms); }
    QSize lastSize() const { return m_size; }
    // Asks the window once (the timer calls it too).
    void check();

signals:
    void resized(const QSize& size);
    void gone();

private:
    WindowHost& m_host;
    quintptr m_window;
    QSize m_size;
    QTimer m_timer;
};
