#pragma once

#include "engine/DynamicCharacteristics.h"

#include <array>
#include <string>

namespace quelvan {

// How one value of DynamicCharacteristics is shown: the command line, the desktop dialog and
// the report take their names, units and meanings from this one table.
struct DynamicValueInfo {
    const char* key; // key of the JSON output
    const char* label; // full French name
    const char* shortLabel; // header of a narrow table
    const char* unit; // "" for a ratio
    const char* meaning; // one line of plain French
    double DynamicCharacteristics::*member;
    bool hours; // a time shift, shown with two decimals
};

// In the order they are shown: the steady and periodic transmittances, the decrement and the
// time shift, the two admittances with their shifts, the heat capacities.
inline constexpr std::array<DynamicValueInfo, 11> kDynamicValues { {
    { "u", "Coefficient de transmission U", "U", "W/(m².K)",
        "Flux qui traverse la paroi en régime permanent pour 1 K d'écart entre l'air extérieur "
        "et l'air intérieur.",
        &DynamicCharacteristics::u, false },
    { "y12", "Transmittance thermique périodique |Y12|", "|Y12|", "W/(m².K)",
        "Amplitude du flux qui entre dans la pièce pour 1 K d'amplitude de la température "
        "extérieure, l'air intérieur restant constant.",
        &DynamicCharacteristics::y12, false },
    { "f", "Facteur d'amortissement f", "f", "",
        "Part de l'onde extérieure qui traverse la paroi (|Y12| / U) : 1 pour une paroi sans "
        "inertie, proche de 0 pour une paroi lourde.",
        &DynamicCharacteristics::decrement, false },
    { "shift_h", "Déphasage", "Déphasage", "h",
        "Retard du pic de flux entrant dans la pièce sur le pic de température extérieure.",
        &DynamicCharacteristics::shiftHours, true },
    { "y_int", "Admittance intérieure |Y int.|", "|Y int.|", "W/(m².K)",
        "Amplitude du flux qui entre dans la face intérieure pour 1 K d'amplitude de l'air "
        "intérieur, l'air extérieur restant constant.",
        &DynamicCharacteristics::admittanceInterior, false },
    { "shift_int_h", "Avance de l'admittance intérieure", "Avance int.", "h",
        "Avance du pic de ce flux sur le pic de température de l'air intérieur.",
        &DynamicCharacteristics::admittanceShiftInteriorHours, true },
    { "y_ext", "Admittance extérieure |Y ext.|", "|Y ext.|", "W/(m².K)",
        "Amplitude du flux qui entre dans la face extérieure pour 1 K d'amplitude de l'air "
        "extérieur, l'air intérieur restant constant.",
        &DynamicCharacteristics::admittanceExterior, false },
    { "shift_ext_h", "Avance de l'admittance extérieure", "Avance ext.", "h",
        "Avance du pic de ce flux sur le pic de température de l'air extérieur.",
        &DynamicCharacteristics::admittanceShiftExteriorHours, true },
    { "kappa_int", "Capacité thermique surfacique intérieure κ int.", "κ int.", "kJ/(m².K)",
        "Chaleur stockée puis rendue par la face intérieure pour 1 K d'amplitude de l'air "
        "intérieur.",
        &DynamicCharacteristics::kappaInterior, false },
    { "kappa_ext", "Capacité thermique surfacique extérieure κ ext.", "κ ext.", "kJ/(m².K)",
        "Chaleur stockée puis rendue par la face extérieure pour 1 K d'amplitude de l'air "
        "extérieur.",
        &DynamicCharacteristics::kappaExterior, false },
    { "heat_capacity", "Capacité thermique totale Σ ρ c e", "Σ ρ c e", "kJ/(m².K)",
        "Chaleur qu'il faut pour élever de 1 K la température de toute la paroi.",
        &DynamicCharacteristics::heatCapacity, false },
} };

// The entry of a JSON key; the program's keys only.
const DynamicValueInfo& DynamicValue(const char* key);

// The value as shown, with a point as decimal separator like every number the program shows
// (the form, the report, the summaries): three significant digits ("0.661", "12.6", "501"),
// two decimals for a time shift ("6.77").
std::string DynamicValueText(const DynamicValueInfo& info, const DynamicCharacteristics& values);
// Any number written the same way.
std::string DynamicNumberText(double value, bool hours);
// "Coefficient de transmission U : 0.661 W/(m².K)"; a ratio has no unit.
std::string DynamicValueLine(const DynamicValueInfo& info, const DynamicCharacteristics& values);
// The period in hours without trailing zeros: "24", "8.5".
std::string DynamicPeriodText(double hours);

} // namespace quelvan
