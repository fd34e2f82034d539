#pragma once

#include <QDateTime>

// The system clock, behind an interface so that tests can fix the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // Weekday number counted from Sunday = 1 to Saturday = 7.
    int weekdayFromSunday() const { return now().date().dayOfWeek() % 7 + 1; }
};
