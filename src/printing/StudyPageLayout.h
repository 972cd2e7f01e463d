#pragma once

// The layout shared by the study pages of the report (the annual balance, the condensation
// risk), in page units: a table whose rows stay between two heights, then the charts and their
// legends, each part a gap apart.
namespace quelvan::printing {

inline constexpr int kStudyPageGap = 80; // between the table, the charts and their legends
inline constexpr int kStudyPageMinRowHeight = 40;
inline constexpr int kStudyPageMaxRowHeight = 72;
inline constexpr int kStudyPageLegendLines = 2;

} // namespace quelvan::printing
