#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Which pages a report holds and what each is called.
namespace quelvan::printing {

inline constexpr int kPageTimeCurves = 0; // complete time plot
inline constexpr int kPageLast24Hours = 1;
inline constexpr int kPageWallValues = 2; // values in the wall at the last hour
inline constexpr int kPageProjectData = 4;
inline constexpr int kPageMaterialLibrary = 5;

inline constexpr int kPrintFlagCount = 10;
using PrintFlags = std::array<std::uint8_t, kPrintFlagCount>;

// The page kind a print-choice flag asks for: flags 0 to 2 their own kind, flag 3 the project
// data, flag 4 the material library; a later flag (the dialog never sets one) is its own kind.
int PageKindOfFlag(int flag);
// One kind per set flag, in flag order.
std::vector<int> PageKinds(const PrintFlags& flags);

// The page title of a kind; lastHour is the last computed hour (recorded hours - 1). Kinds 6 to
// 9 are the pages of flags no dialog sets: "Erreur".
std::string PageTitle(int kind, int lastHour);

// The hours a time page plots: from start to end - 1, counted from the start of the run.
struct HourWindow {
    int start = 0;
    int end = 0;
    int Count() const { return end - start; }
};
// The whole run on the complete page; the last 24 hours on the other one, from hour 0 when
// fewer were recorded.
HourWindow TimeWindow(int kind, int recordedHours);

} // namespace quelvan::printing
