#include "model/WallTables.h"

#include <cstddef>

namespace quelvan {

namespace {

template <std::size_t N> int IndexOf(const std::array<AngleEntry, N>& table, int degrees)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].degrees == degrees)
            return static_cast<int>(i);
    return -1;
}

template <std::size_t N>
int DegreesAt(const std::array<AngleEntry, N>& table, int index, int defaultIndex)
{
    if (index < 0 || index >= static_cast<int>(N))
        index = defaultIndex;
    return table[static_cast<std::size_t>(index)].degrees;
}

} // namespace

int AzimuthIndexOf(int degrees)
{
    return IndexOf(kAzimuths, degrees);
}
int InclinationIndexOf(int degrees)
{
    return IndexOf(kInclinations, degrees);
}
int AzimuthDegrees(int index)
{
    return DegreesAt(kAzimuths, index, kDefaultAzimuthIndex);
}
int InclinationDegrees(int index)
{
    return DegreesAt(kInclinations, index, kDefaultInclinationIndex);
}

} // namespace quelvan
