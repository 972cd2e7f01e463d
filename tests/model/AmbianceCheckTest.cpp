// The ambiance check of the calculation: only the values a profile type uses are read, each
// within its physical bounds (taken at their edges), and the absorption of a face only where a
// flux falls on it. The messages are those of the hostile corpus (tests/data/hostile).
#include "model/AmbianceCheck.h"

#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

using A = AmbianceFault;
struct AmbianceCase {
    const char* name;
    int exterior; // the built-in record changed
    void (*spoil)(CBCData&, SurfaceTexts&);
    A fault = A::None;
    friend void PrintTo(const AmbianceCase& c, std::ostream* os) { *os << c.name; }
};
class AmbianceChecks : public ::testing::TestWithParam<AmbianceCase> { };

TEST_P(AmbianceChecks, FaultOfTheExteriorAmbiance)
{
    KslDoc doc;
    CBCData& record = doc.exteriorAmbiances.At(GetParam().exterior);
    GetParam().spoil(record, doc.surfaces);
    const CalculationCheck check = CheckAmbiance(&record, Side::Exterior, doc.surfaces);
    EXPECT_EQ(check.code, GetParam().fault) << check.message;
    EXPECT_EQ(check.message.empty(), check.Passed());
}

// Built-in records: 1 constant 0 °C with a constant flux of 0, 2 sinusoid, 4 weekly ramp,
// 7 constant with a daily square-wave flux (hours 60 to 168), 10 computed sun, 11 weather file.
INSTANTIATE_TEST_SUITE_P(Records, AmbianceChecks,
    ::testing::Values(AmbianceCase { "unused values are not read", 2,
                          [](CBCData& r, SurfaceTexts&) {
                              r.temperature.values[3] = "abc";
                              r.flux.values = { "x", "y", "1e30", "" };
                          } },
        AmbianceCase { "temperatures and hours at their bounds", 4,
            [](CBCData& r, SurfaceTexts&) {
                r.temperature.values = { "-100", "1500", "-8760", "8760" };
            } },
        AmbianceCase { "a negative flux: a net loss to the sky", 1,
            [](CBCData& r, SurfaceTexts&) { r.flux.values[1] = "-2000"; } },
        AmbianceCase { "sun at a pole, on the last day, albedo 100 %", 10,
            [](CBCData& r, SurfaceTexts&) {
                r.flux.values = { "100", "-90", "100", "365" };
            } },
        AmbianceCase { "sun of day 0, the start of the year", 10,
            [](CBCData& r, SurfaceTexts&) { r.flux.values[3] = "0"; } },
        AmbianceCase { "weather from the last day, temperature values not read", 11,
            [](CBCData& r, SurfaceTexts&) {
                r.firstDay = 365;
                r.temperature.type = ProfileType::Solar;
                r.temperature.values[0] = "abc";
            } },
        AmbianceCase { "absorption outside 0..1 without flux", 2,
            [](CBCData&, SurfaceTexts& s) { s.absorptionExterior = "1.5"; } },
        AmbianceCase { "temperature above 1500 °C", 2,
            [](CBCData& r, SurfaceTexts&) { r.temperature.values[1] = "1500.1"; }, A::BadValue },
        AmbianceCase { "hour 8761", 4,
            [](CBCData& r, SurfaceTexts&) { r.temperature.values[3] = "8761"; }, A::BadValue },
        AmbianceCase { "hour -8761", 7,
            [](CBCData& r, SurfaceTexts&) { r.flux.values[2] = "-8761"; }, A::BadValue },
        AmbianceCase { "empty constant", 1,
            [](CBCData& r, SurfaceTexts&) { r.temperature.values[1] = ""; }, A::BadValue },
        AmbianceCase { "flux beyond 2000 W/m2", 7,
            [](CBCData& r, SurfaceTexts&) { r.flux.values[1] = "2001"; }, A::BadValue },
        AmbianceCase { "day -1 of the computed sun", 10,
            [](CBCData& r, SurfaceTexts&) { r.flux.values[3] = "-1"; }, A::BadValue },
        AmbianceCase { "weather from day 366", 11,
            [](CBCData& r, SurfaceTexts&) { r.firstDay = 366; }, A::BadValue },
        AmbianceCase { "weather with an unreadable albedo", 11,
            [](CBCData& r, SurfaceTexts&) { r.flux.values[2] = "abc"; }, A::BadValue },
        AmbianceCase { "temperature from the computed sun", 2,
            [](CBCData& r, SurfaceTexts&) { r.temperature.type = ProfileType::Solar; },
            A::TemperatureFromSun },
        AmbianceCase { "absorption 1.5 under a constant flux, even of 0", 1,
            [](CBCData&, SurfaceTexts& s) { s.absorptionExterior = "1.5"; }, A::BadAbsorption },
        AmbianceCase { "negative absorption under the weather file's sun", 11,
            [](CBCData&, SurfaceTexts& s) { s.absorptionExterior = "-0.1"; }, A::BadAbsorption }));

TEST(AmbianceCheck, EveryBuiltInRecordPassesAndNoRecordIsRefused)
{
    const KslDoc doc;
    for (const Side side : { Side::Exterior, Side::Interior })
        for (const CBCData& record : doc.Ambiances(side))
            EXPECT_TRUE(CheckAmbiance(&record, side, doc.surfaces).Passed()) << record.Name();
    EXPECT_EQ(CheckAmbiance(nullptr, Side::Interior, doc.surfaces).code, A::NoAmbiance);
}

} // namespace
} // namespace quelvan
