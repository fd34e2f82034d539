#pragma once

// A uniform pseudo-random generator of values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};
