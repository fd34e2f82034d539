#pragma once

#include "platform/clock.h"

// The clock of the system.
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
