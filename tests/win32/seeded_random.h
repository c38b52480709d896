// SplitMix64: the same stream from the same seed on every compiler and library, for the seeded
// random streams of the robustness tests and of the hostile neighbour.
#ifndef ZELMORA_SEEDED_RANDOM_H
#define ZELMORA_SEEDED_RANDOM_H

#include <cstdint>

class Random {
  public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint32_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

  private:
    uint64_t state;
};

#endif
