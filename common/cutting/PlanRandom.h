#pragma once
// The planner's random numbers: splitmix64, the same sequence for the same seed
// on every machine and library, so a plan can be made again.

#include <cstdint>

class PlanRandom {
public:
    explicit PlanRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1; n > 0.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    // true with probability percent / 100.
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::uint64_t m_state;
};
