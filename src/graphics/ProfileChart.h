#pragma once

#include "graphics/CChart.h"

#include <span>
#include <string>
#include <vector>

namespace quelvan {
struct RunView;
}

namespace quelvan::graphics {

// The temperature profile across the wall: the current profile (black) between the daily
// minimum (blue) and maximum (red) envelopes, against the position in the wall from the
// exterior face (left) to the interior face (right).
class ProfileChart {
public:
    static constexpr const char* kXTitle = "Abscisse (mm)";
    static constexpr const char* kYTitle = "T (°C)";
    static constexpr int kCurveMinimum = 1;
    static constexpr int kCurveMaximum = 2;
    static constexpr int kCurveCurrent = 3;

    ProfileChart();

    // The abscissa after a network build: end labels ("0" and the thickness in mm) and the
    // node positions (metres) over the total thickness, mapped across the plot width.
    void SetAbscissa(const std::string& labelA, const std::string& labelB,
        std::span<const float> positions, float totalThickness);
    // The three curves scaled between the vertical bounds, and the bounds as Y end labels.
    void SetProfiles(std::span<const float> current, std::span<const float> minimum,
        std::span<const float> maximum, float lowerBound, float upperBound);

    // The abscissa and the profiles of a prepared calculation (nothing changes before one): the
    // setup that the main view and the command-line images share.
    void ShowRun(const RunView& run);

    CChart& Chart() { return chart_; }
    const CChart& Chart() const { return chart_; }
    // World x of each node on the plot.
    const std::vector<int>& NodeColumns() const { return columns_; }

private:
    void PlaceColumns(int curve);

    CChart chart_;
    std::vector<int> columns_;
};

} // namespace quelvan::graphics
