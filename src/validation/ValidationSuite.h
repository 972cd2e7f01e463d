#pragma once

#include "engine/WeatherFiles.h"

#include <span>
#include <string>
#include <vector>

// The validation of the calculation against solutions known without it: projects built in code
// run through the engine in both modes, each result set beside a reference computed
// independently (closed forms, series, complex transfer matrices). The fine mode must meet each
// tolerance; the standard method's deviations are shown, not judged.
namespace quelvan::validation {

// One compared quantity of a case.
struct ValidationRow {
    std::string quantity; // "|Y12|", "déphasage", "T à 0.05 m après 6 h"...
    std::string unit; // "W/(m².K)", "h", "°C", "kJ/m²", "%"
    double reference = 0.0;
    double standard = 0.0; // the standard method
    double fine = 0.0; // the fine mode
    bool relative = false; // deviations in per cent of the reference
    double tolerance = 0.0; // of the fine mode's deviation, in the unit (per cent when relative)

    // value − reference, in per cent of |reference| when relative.
    double Deviation(double value) const;
    // The fine mode's deviation within the tolerance (a value that is not a number fails).
    bool Passed() const;
};

enum class ValidationKind {
    Periodic,
    SemiInfinite,
    SteadyState,
    HalfPeriodHeat,
    WeekBalance,
    BareSurfaces,
};

struct ValidationCase {
    const char* id; // a name without spaces: "periodic_concrete"
    const char* title; // "1. Réponse périodique, 200 mm de béton lourd"
    ValidationKind kind;
    int wall; // which wall of the periodic cases
};

// The cases in the order they are shown.
std::span<const ValidationCase> ValidationCases();

struct ValidationResult {
    std::vector<ValidationRow> rows;
    std::string error; // the engine's message when a calculation could not be prepared
};

// Runs one case in both modes; the weather files are looked for as a calculation does.
ValidationResult RunValidationCase(const ValidationCase& which, const WeatherSearch& weather = {});

} // namespace quelvan::validation
