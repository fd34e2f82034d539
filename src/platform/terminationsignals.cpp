#include "platform/terminationsignals.h"

#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {
// The handler may only do async-signal-safe work: it writes one byte into a pipe that a thread
// of ours reads.
int g_pipe[2] = {-1, -1};
constexpr char Request = 1;
constexpr char Stop = 0;

void onSignal(int) {
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &Request, 1);
}

// The next byte of the pipe, waiting at most `delayMs` (-1: no limit); -1 when none came.
int readByte(int delayMs) {
    pollfd p{g_pipe[0], POLLIN, 0};
    if (::poll(&p, 1, delayMs) <= 0)
        return -1;
    char b = Stop;
    return ::read(g_pipe[0], &b, 1) == 1 ? b : -1;
}

struct Fallback {
    std::mutex mutex;
    std::function<void()> action;
    int delayMs = 0;
};
Fallback g_fallback;
std::thread g_reader;
} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    // A thread, not the event loop, reads the requests: the loop may be held up by a decode
    // when one comes.
    g_reader = std::thread([this] {
        for (;;) {
            if (readByte(-1) != Request)
                return;
            QMetaObject::invokeMethod(this, &TerminationSignals::requested, Qt::QueuedConnection);
            std::function<void()> fallback;
            int delay = 0;
            {
                const std::lock_guard guard(g_fallback.mutex);
                fallback = g_fallback.action;
                delay = g_fallback.delayMs;
            }
            if (!fallback)
                continue;
            for (int b = readByte(delay); b != -1; b = readByte(delay))
                if (b == Stop)
                    return;
            fallback();
        }
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(s, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(s, &action, nullptr);
    if (g_reader.joinable()) {
        [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &Stop, 1);
        g_reader.join();
    }
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::setFallback(std::function<void()> fallback, int delayMs) {
    const std::lock_guard guard(g_fallback.mutex);
    g_fallback.action = std::move(fallback);
    g_fallback.delayMs = delayMs;
}
