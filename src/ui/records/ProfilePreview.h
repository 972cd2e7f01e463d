#pragma once

#include "model/AmbianceCodes.h"

#include <QPixmap>
#include <QSize>

#include <functional>

namespace quelvan::ui {

// What a profile preview shows: the type code, the period and the four value fields read as
// integers (A, B, H1, H2 in the order of the dialog's edits).
struct PreviewInput {
    ProfileType type = ProfileType::Null;
    bool week = false;
    int a = 0;
    int b = 0;
    int h1 = 0;
    int h2 = 0;
    bool noPlot = false; // weather file chosen: only "Pas de tracé"
};

// The flux on the wall for an hour of the year (computed flux previews), or empty when the
// wall's orientation is unknown.
using SolarFluxFunction = std::function<double(
    int hourOfYear, double latitudeRadians, double transparency, double albedo)>;

// Draws the shape of a profile over its period on a grey image of the given size: constant at
// mid height labelled A ± 5, a sinusoid with its maximum at hour H1, a ramp or a square wave
// between hours H1 and H2, or the hourly computed flux.
QPixmap DrawProfilePreview(const PreviewInput& input, QSize size, const SolarFluxFunction& solar);

} // namespace quelvan::ui
