#include "hote/hostwindowwatcher.h"

#include "hote/windowhost.h"

HostWindowWatcher::HostWindowWatcher(WindowHost& host, quintptr window, QObject* parent)
    : QObject(parent), m_host(host), m_window(window), m_size(host.clientSize(window)) {
    m_timer.setInterval(200);
    connect(&m_timer, &QTimer::timeout, this, &HostWindowWatcher::check);
    m_timer.start();
}

void HostWindowWatcher::check() {
    const QSize size = m_host.clientSize(m_window);
    if (!size.isValid()) {
        m_timer.stop();
        emit gone();
        return;
    }
    if (size != m_size) {
        m_size = size;
        emit resized(size);
    }
}
