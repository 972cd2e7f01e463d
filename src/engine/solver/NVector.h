#pragma once

#include <cstddef>
#include <vector>

namespace quelvan::solver {

// A resizable vector of single-precision floats (node temperatures, right-hand sides).
// Entries added by growth are zero, so no entry is ever read undefined.
class NVector {
public:
    NVector() = default;
    explicit NVector(int size, float value = 0.0f)
        : values_(static_cast<std::size_t>(size < 0 ? 0 : size), value)
    {
    }
    explicit NVector(std::vector<float> values)
        : values_(std::move(values))
    {
    }

    int Size() const { return static_cast<int>(values_.size()); }
    void Resize(int n) { values_.resize(static_cast<std::size_t>(n < 0 ? 0 : n), 0.0f); }
    void Fill(float value) { values_.assign(values_.size(), value); }

    // No bounds check: callers keep 0 <= i < Size().
    float& operator[](int i) { return values_[static_cast<std::size_t>(i)]; }
    float operator[](int i) const { return values_[static_cast<std::size_t>(i)]; }

    const std::vector<float>& Values() const { return values_; }
    std::vector<float>& Values() { return values_; }

private:
    std::vector<float> values_;
};

} // namespace quelvan::solver
