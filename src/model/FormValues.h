#pragma once

#include "model/InitialTemperature.h"
#include "model/SurfaceTexts.h"
#include "model/WallTables.h"

namespace quelvan {

// The values of the main form that the document stores and that a calculation and the report
// read: placement, initial temperature, surfaces and the numbers of the chosen ambiances (-1
// when none is chosen). The form may show other values than the document until they are stored.
struct FormValues {
    int azimuthIndex = kDefaultAzimuthIndex;
    int inclinationIndex = kDefaultInclinationIndex;
    InitialTemperature initialTemperatureMode = InitialTemperature::Automatic;
    SurfaceTexts surfaces;
    int selectedExterior = -1;
    int selectedInterior = -1;

    friend bool operator==(const FormValues&, const FormValues&) = default;
};

} // namespace quelvan
