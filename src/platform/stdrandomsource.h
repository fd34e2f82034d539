#pragma once

#include "platform/randomsource.h"

#include <random>

// The standard library's Mersenne Twister, seeded with its default until seedFromClock().
class StdRandomSource final : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 m_engine{5489u};
};
