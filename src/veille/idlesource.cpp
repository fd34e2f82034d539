#include "veille/idlesource.h"

#include "veille/idleinhibition.h"

#include <QTimer>

using namespace std::chrono_literals;

IdleSource::IdleSource(QObject* parent) : QObject(parent) {}

IdleSource::~IdleSource() = default;

bool IdleSource::inhibited() {
    return sessionInhibitsIdle();
}

void IdleSource::watchForActivity() {
    if (!m_poll) {
        m_poll = new QTimer(this);
        m_poll->setInterval(500ms);
        connect(m_poll, &QTimer::timeout, this, [this] {
            const auto idle = idleTime();
            if (!idle) {
                m_poll->stop();
                emit stoppedAnswering();
                return;
            }
            const bool back = *idle < m_lastIdle;
            m_lastIdle = *idle;
            if (back) {
                m_poll->stop();
                emit userActive();
            }
        });
    }
    m_lastIdle = idleTime().value_or(0ms);
    m_poll->start();
}

void IdleSource::stopWatchingActivity() {
    if (m_poll)
        m_poll->stop();
}
