#pragma once

#include <cstdint>
#include <random>

namespace vindra {

/// The program's one random generator. The sequence of a seed is the same on every
/// machine: the engine of std::mt19937 is fixed by the C++ standard, and the draw of an
/// index below n is ours (rejection sampling), not a library distribution.
class Random {
public:
    explicit Random(std::uint32_t seed = 1) : m_engine(seed) {}

    void seed(std::uint32_t s) { m_engine.seed(s); }

    /// A uniformly drawn number in 0..n-1 (n > 0).
    std::uint32_t below(std::uint32_t n)
    {
        const std::uint64_t range = std::uint64_t{1} << 32;
        const std::uint64_t limit = range - (range % n);
        std::uint64_t x;
        do {
            x = m_engine();
        } while (x >= limit);
        return static_cast<std::uint32_t>(x % n);
    }

    /// A seed that differs between program runs (clock and the system's entropy).
    static std::uint32_t seedFromClock();

private:
    std::mt19937 m_engine;
};

} // namespace vindra
