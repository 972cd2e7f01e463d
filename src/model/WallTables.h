#pragma once

#include <array>

namespace quelvan {

struct AngleEntry {
    const char* label;
    int degrees;
};

// Orientation of the wall, measured from south, positive toward west ("Nord-Est" is -145).
inline constexpr std::array<AngleEntry, 8> kAzimuths { {
    { "Nord", 180 },
    { "Nord-Est", -145 },
    { "Est", -90 },
    { "Sud-Est", -45 },
    { "Sud", 0 },
    { "Sud-Ouest", 45 },
    { "Ouest", 90 },
    { "Nord-Ouest", 135 },
} };

// Inclination of the wall's exterior face over the ground: 0 looks down, 90 is vertical,
// 180 is a roof.
inline constexpr std::array<AngleEntry, 9> kInclinations { {
    { "0°/sol (vide san.)", 0 },
    { "30°/sol", 30 },
    { "45°/sol", 45 },
    { "60°/sol", 60 },
    { "90°/sol (verticale)", 90 },
    { "120°/sol", 120 },
    { "135°/sol", 135 },
    { "150°/sol", 150 },
    { "180°/sol (terrasse)", 180 },
} };

// First index whose value equals degrees, -1 when none.
int AzimuthIndexOf(int degrees);
int InclinationIndexOf(int degrees);
// Degrees of an index; an index outside the table gives the default (south, vertical).
int AzimuthDegrees(int index);
int InclinationDegrees(int index);

// Where a wall stands until told otherwise: facing south, vertical. A new project, the form,
// the calculation's inputs and an index outside the tables all start from here.
inline constexpr int kDefaultAzimuthIndex = 4;
inline constexpr int kDefaultInclinationIndex = 4;
static_assert(kAzimuths[kDefaultAzimuthIndex].degrees == 0);
static_assert(kInclinations[kDefaultInclinationIndex].degrees == 90);

} // namespace quelvan
