#pragma once

#include <cstdint>
#include <string_view>

namespace quelvan::weather {

// A small pseudo-random generator whose sequence is fixed by its seed on every platform: the
// typical years must come out byte for byte the same at every build, which the standard
// distributions do not promise.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed)
        : state_(seed)
    {
    }

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), 53 bits.
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    // Approximately standard normal: the sum of twelve uniforms minus six (mean 0, variance 1,
    // tails cut at +-6). Plain arithmetic, so the same on every library.
    double Normal()
    {
        double sum = 0.0;
        for (int i = 0; i < 12; ++i)
            sum += Uniform();
        return sum - 6.0;
    }

    // A seed made from a text (a city name), FNV-1a folded through the mixer.
    static std::uint64_t SeedFromText(std::string_view text, std::uint64_t salt)
    {
        std::uint64_t h = 0xCBF29CE484222325ull ^ salt;
        for (const char c : text) {
            h ^= static_cast<unsigned char>(c);
            h *= 0x100000001B3ull;
        }
        return SplitMix64(h).Next();
    }

private:
    std::uint64_t state_;
};

} // namespace quelvan::weather
