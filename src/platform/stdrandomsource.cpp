#include "platform/stdrandomsource.h"

#include <chrono>
#include <cstdint>

void StdRandomSource::seedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float StdRandomSource::next() {
    // generate_canonical may round up to 1.0f; the interval must stay open at 1.
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    float r = unit(m_engine);
    return r < 1.0f ? r : 0.0f;
}
