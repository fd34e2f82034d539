#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <utility>

// Calls `then` with the result of `future` on the thread of `context` once there is one, unless
// `context` is gone by then. Qt 6.4's QFuture::then(context, ...) aborts when the context goes
// first (a dialog closed while a read is under way).
template <typename T, typename Then>
void whenReady(const QFuture<T>& future, QObject* context, Then then) {
    auto* watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, then = std::move(then)]() mutable {
                         watcher->deleteLater();
                         if (watcher->future().resultCount() > 0)
                             then(watcher->future().result());
                     });
    watcher->setFuture(future);
}
