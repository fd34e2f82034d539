#pragma once

#include <cstdint>
#include <random>

// A uniform pseudo-random generator of values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

class StdRandomSource final : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 m_engine{5489u};
};
