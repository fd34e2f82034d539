#include "platform/terminationsignals.h"

// Windows ends a screen saver through its window messages; there is nothing to watch here.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::setFallback(std::function<void()>, int) {}
