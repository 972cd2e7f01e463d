#pragma once

#include <vector>

namespace quelvan::solver {

// The growable float array of the cell quantities and the hourly series: a standard vector,
// which already grows by exact requests when reserved and keeps values on growth.
using NFloatArray = std::vector<float>;

} // namespace quelvan::solver
