// The annual balance against references computed without it: a wall without mass follows the
// steady state hour by hour, any linear wall stores nothing over a periodic year, and a year of
// daily sinusoids has closed-form losses and gains from U and the periodic transmittance (EN ISO
// 13786), whose value the test first computes with its own transfer matrices.
#include "engine/annual/AnnualBalance.h"

#include "engine/EngineTestSupport.h"
#include "engine/SiWall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace quelvan::annual {
namespace {

constexpr double kPi = std::numbers::pi;

// A year whose exterior runs from about -1 °C in January to 17 °C in July with a daily swing of
// ±5 K and a sun of up to 500 W/m² at noon.
test::WeatherColumns SyntheticYear()
{
    test::WeatherColumns c;
    c.temperature = [](int j) {
        return 8.0 - 9.0 * std::cos(2 * kPi * (j - 400) / 8760.0)
            + 5.0 * std::cos(2 * kPi * (j % 24 - 15) / 24.0);
    };
    auto height
        = [](int j) { return std::max(0.0, 50.0 * std::sin(2 * kPi * (j % 24 - 6) / 24.0)); };
    c.height = height;
    c.azimuth = [](int j) { return 15.0 * (j % 24 - 12); };
    c.direct = [height](int j) { return 10.0 * height(j); };
    c.diffuse = [height](int j) { return 2.0 * height(j); };
    return c;
}

class AnnualBalance : public ::testing::Test {
protected:
    AnnualBalance() { test::WriteWeatherFile(temp_.File("FR_Agen.wth"), 8760, SyntheticYear()); }

    // Selects on the exterior the weather of the synthetic year, starting on that day.
    void UseWeather(int firstDay = 1)
    {
        NList<CBCData>& list = doc_.Ambiances(Side::Exterior);
        CBCData& record = doc_.AddAmbiance(kAmbianceIdentifierBase + list.Count(), Side::Exterior,
            "Météo", ProfileType::Weather, ProfileType::Weather, Period::Day, Period::Day,
            { "Agen", std::to_string(firstDay), "7", "0" }, { "0", "0", "20", "0" });
        doc_.selectedExterior = record.Index();
    }
    void UseMaterial(const char* name, const char* lambda, const char* rho, const char* c)
    {
        doc_.AddMaterial(3001 + doc_.materials.Count(), 0, name, lambda, rho, c);
    }

    AnnualBalanceResult Year(
        CalculationMode mode = CalculationMode::Fine, AnnualOptions options = {})
    {
        WeatherSearch search;
        search.explicitDirectory = temp_.Path().string();
        std::string error;
        const auto problem
            = PrepareAnnualBalance(doc_, InputsFromDocument(doc_, search), mode, &error);
        EXPECT_TRUE(problem) << error;
        const auto result = problem ? RunAnnualBalance(*problem, options) : std::nullopt;
        EXPECT_TRUE(result);
        return result.value_or(AnnualBalanceResult {});
    }

    test::TempFolder temp_ { "annual" };
    KslDoc doc_;
};

void ExpectSameFigures(const BalanceTable& a, const BalanceTable& b, double tolerance)
{
    for (int m = 0; m <= kMonthCount; ++m) {
        const BalanceFigures& x = m < kMonthCount ? a.months[size_t(m)] : a.year;
        const BalanceFigures& y = m < kMonthCount ? b.months[size_t(m)] : b.year;
        EXPECT_NEAR(x.loss, y.loss, tolerance) << "month " << m + 1;
        EXPECT_NEAR(x.gain, y.gain, tolerance) << "month " << m + 1;
        EXPECT_NEAR(x.tsiMin, y.tsiMin, tolerance) << "month " << m + 1;
        EXPECT_EQ(x.hoursBelow17, y.hoursBelow17) << "month " << m + 1;
    }
}

TEST_F(AnnualBalance, AWallWithoutMassLosesEachMonthWhatItsUValueSays)
{
    // Without sun, so that the steady loss of each hour is U (20 °C − T_ext) with the exterior
    // running straight between the file's lines (line 8760 at 1 January 0:00).
    test::WeatherColumns shade = SyntheticYear();
    shade.direct = shade.diffuse = [](int) { return 0.0; };
    test::WriteWeatherFile(temp_.File("FR_Agen.wth"), 8760, shade);
    UseMaterial("Sans masse", "0.5", "0", "1000");
    test::SetWall(doc_, { { "Sans masse", "100" } });
    UseWeather();
    test::SelectConstant(doc_, Side::Interior, "20");
    const AnnualBalanceResult year = Year();
    EXPECT_TRUE(year.converged);
    const double u = 1.0 / (0.04 + 0.1 / 0.5 + 0.13);
    EXPECT_NEAR(year.u, u, 1e-6);
    auto line
        = [&shade](int h) { return std::round(shade.temperature(h == 0 ? 8760 : h) * 1e6) / 1e6; };
    int hour = 0;
    for (const BalanceFigures& month : year.figures.months) {
        double expected = 0.0; // kWh/m²
        for (int end = hour + HoursOfMonth(MonthOfHour(hour + 1)); hour < end; ++hour)
            expected += u * (20.0 - (line(hour) + line(hour + 1)) / 2) / 1000.0;
        EXPECT_NEAR(month.net, expected, 0.001 * std::fabs(expected));
        EXPECT_NEAR(month.steady, expected, 0.001 * std::fabs(expected));
        EXPECT_NEAR(month.loss - month.gain, month.net, 1e-9);
    }
}

// Every linear wall, in both methods, ends the periodic year holding the heat it started with.
TEST_F(AnnualBalance, OverThePeriodicYearTheNetIsTheSteadyEstimate)
{
    const struct {
        test::WallLayers wall;
        CalculationMode mode;
    } cases[] = {
        { { { "Béton lourd", "200" }, { "Laine de verre", "50" }, { "Plâtre", "10" } },
            CalculationMode::Fine },
        { { { "Béton lourd", "200" }, { "Laine de verre", "50" }, { "Plâtre", "10" } },
            CalculationMode::Standard },
        { { { "Métal ferreux", "1" }, { "Laine de roche", "100" }, { "Métal ferreux", "1" } },
            CalculationMode::Fine },
        { { { "Béton lourd", "400" } }, CalculationMode::Fine },
    };
    UseWeather();
    test::SelectConstant(doc_, Side::Interior, "20");
    for (const auto& c : cases) {
        test::SetWall(doc_, c.wall);
        const AnnualBalanceResult year = Year(c.mode);
        EXPECT_TRUE(year.converged);
        EXPECT_EQ(year.mode, c.mode);
        EXPECT_GT(year.figures.year.steady, 10.0);
        EXPECT_NEAR(
            year.figures.year.net, year.figures.year.steady, 0.005 * year.figures.year.steady)
            << c.wall.front().first << " " << static_cast<int>(c.mode);
    }
}

// Z = S_si L_n ... L_1 S_se, written here from the layer and surface matrices.
std::complex<double> PeriodicTransmittance(const SiWall& wall, double periodHours)
{
    using C = std::complex<double>;
    using M = std::array<C, 4>; // row-major 2x2
    auto times = [](const M& a, const M& b) {
        return M { a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
            a[2] * b[1] + a[3] * b[3] };
    };
    const double omega = 2 * kPi / (periodHours * 3600.0);
    M z { 1.0, -wall.resistanceExterior, 0.0, 1.0 };
    for (const SiLayer& l : wall.layers) {
        const C k = std::sqrt(C(0.0, omega * l.density * l.heatCapacity / l.conductivity));
        const C kd = k * l.thickness;
        z = times({ std::cosh(kd), -std::sinh(kd) / (l.conductivity * k),
                      -l.conductivity * k * std::sinh(kd), std::cosh(kd) },
            z);
    }
    z = times({ 1.0, -wall.resistanceInterior, 0.0, 1.0 }, z);
    return -1.0 / z[1];
}

// ∫ max(0, m + a cos θ) dθ / 2π over a period.
double MeanPositivePart(double m, double a)
{
    if (m >= a)
        return m;
    if (m <= -a)
        return 0.0;
    const double theta = std::acos(-m / a);
    return (m * theta + a * std::sin(theta)) / kPi;
}

TEST_F(AnnualBalance, DailySinusoidsLoseAndGainWhatTheClosedFormSays)
{
    const struct {
        test::WallLayers wall;
        const char* interior;
    } cases[] = {
        { { { "Béton lourd", "200" }, { "Laine de verre", "50" }, { "Plâtre", "10" } }, "10.5" },
        { { { "Béton lourd", "200" } }, "12" },
    };
    // Exterior 0/20 °C with its maximum at 15 h, seen through hourly values joined by straight
    // lines, whose daily harmonic is (sin(π/24) / (π/24))² of the sinusoid's.
    doc_.selectedExterior = 3;
    const double amplitude = 10.0 * std::pow(std::sin(kPi / 24) / (kPi / 24), 2);
    for (const auto& c : cases) {
        test::SetWall(doc_, c.wall);
        test::SelectConstant(doc_, Side::Interior, c.interior);
        const SiWall wall = SiWallFromProject(doc_.layers, doc_.surfaces).value();
        const std::complex<double> y12 = PeriodicTransmittance(wall, 24.0);
        const DynamicCharacteristics exact = ComputeDynamicCharacteristics(wall).value();
        ASSERT_NEAR(std::abs(y12), exact.y12, 1e-9 * exact.y12);
        ASSERT_NEAR(std::fmod(-std::arg(y12) * 24 / (2 * kPi) + 24, 24.0), exact.shiftHours, 1e-9);

        const double m = exact.u * (std::stod(c.interior) - 10.0); // mean FSI, W/m²
        const double a = amplitude * std::abs(y12);
        const double lossPerDay = MeanPositivePart(m, a) * 24 / 1000; // kWh/m²
        const double gainPerDay = MeanPositivePart(-m, a) * 24 / 1000;
        // FSI = m − a cos(ω (t − 15 h) + arg Y12) at the whole hours, Tsi = T_i − FSI / h_i.
        double highest = -1e9, lowest = 1e9;
        for (int h = 0; h < 24; ++h) {
            const double wave = std::cos(2 * kPi * (h - 15) / 24 + std::arg(y12));
            highest = std::max(highest, wave);
            lowest = std::min(lowest, wave);
        }
        const double tsiAmplitude = a * wall.resistanceInterior * (highest - lowest) / 2;

        const AnnualBalanceResult year = Year();
        for (int month = 0; month < kMonthCount; ++month) {
            const BalanceFigures& f = year.figures.months[size_t(month)];
            const double days = kDaysPerMonth[size_t(month)];
            EXPECT_NEAR(f.loss, days * lossPerDay, 0.01 * days * lossPerDay) << month + 1;
            EXPECT_NEAR(f.gain, days * gainPerDay, 0.01 * days * gainPerDay) << month + 1;
            EXPECT_NEAR((f.tsiMax - f.tsiMin) / 2, tsiAmplitude, 0.01 * tsiAmplitude) << month + 1;
        }
    }
}

TEST_F(AnnualBalance, AWeatherYearIsReadFromJanuaryWhateverItsFirstDay)
{
    UseWeather(1);
    const AnnualBalanceResult fromJanuary = Year();
    UseWeather(200);
    const AnnualBalanceResult fromJuly = Year();
    ExpectSameFigures(fromJanuary.figures, fromJuly.figures, 1e-12);
    // January is cold on the synthetic year: the first hours read its first lines.
    EXPECT_GT(fromJuly.figures.months[0].net, fromJuly.figures.months[6].net + 1.0);
}

// A weather file shorter than a year is refused for the year with its hour count (a week still
// reads it again from its start); a whole year reads.
TEST_F(AnnualBalance, AWeatherFileShorterThanAYearIsRefused)
{
    UseWeather();
    WeatherSearch search;
    search.explicitDirectory = temp_.Path().string();
    for (const int hours : { 24, 5000, 8759 }) {
        test::WriteWeatherFile(temp_.File("FR_Agen.wth"), hours, SyntheticYear());
        std::string error;
        EXPECT_FALSE(PrepareAnnualBalance(
            doc_, InputsFromDocument(doc_, search), CalculationMode::Fine, &error));
        EXPECT_EQ(error,
            "Erreur en lecture du fichier météo : " + temp_.File("FR_Agen.wth") + ", ligne "
                + std::to_string(hours + 2)
                + " : ligne absente (une année compte 8760 heures : le fichier s'arrête à "
                  "l'heure "
                + std::to_string(hours) + ")");
    }
    test::WriteWeatherFile(temp_.File("FR_Agen.wth"), 8760, SyntheticYear());
    std::string error;
    EXPECT_TRUE(PrepareAnnualBalance(
        doc_, InputsFromDocument(doc_, search), CalculationMode::Standard, &error))
        << error;
}

TEST_F(AnnualBalance, PassesEndOnThePeriodicYearFromAnyStart)
{
    test::SetWall(doc_, { { "Béton lourd", "400" }, { "Laine de verre", "100" } });
    UseWeather();
    const AnnualBalanceResult steadyStart = Year();
    EXPECT_TRUE(steadyStart.converged);
    EXPECT_GE(steadyStart.passes, 2);
    EXPECT_LE(steadyStart.passes, 5);

    // From the periodic year's own end, one pass suffices.
    AnnualOptions again;
    again.startTemperatures = steadyStart.endTemperatures;
    const AnnualBalanceResult fromEnd = Year(CalculationMode::Fine, again);
    EXPECT_EQ(fromEnd.passes, 1);
    ExpectSameFigures(fromEnd.figures, steadyStart.figures, 0.01);

    for (const double start : { -10.0, 40.0 }) {
        AnnualOptions uniform;
        uniform.startTemperature = start;
        const AnnualBalanceResult year = Year(CalculationMode::Fine, uniform);
        EXPECT_TRUE(year.converged);
        EXPECT_GE(year.passes, 2);
        ExpectSameFigures(year.figures, steadyStart.figures, 0.01);
    }

    AnnualOptions onePass;
    onePass.startTemperature = 100.0;
    onePass.maximumPasses = 1;
    const AnnualBalanceResult cut = Year(CalculationMode::Fine, onePass);
    EXPECT_FALSE(cut.converged);
    EXPECT_EQ(cut.passes, 1);
    EXPECT_GT(cut.endDifference, 0.01);
}

TEST(AnnualHeatSplit, AStraightHourSplitsWhereItCrossesZero)
{
    const struct {
        double q0, q1, loss, gain; // W/m², W/m², Wh/m², Wh/m²
    } cases[] = {
        { 2.0, 4.0, 3.0, 0.0 }, // one sign
        { -3.0, -1.0, 0.0, 2.0 },
        { -1.0, 3.0, 9.0 / 8.0, 1.0 / 8.0 }, // crossing at a quarter of the hour
        { 4.0, -4.0, 1.0, 1.0 }, // crossing at the half
        { 0.0, -2.0, 0.0, 1.0 },
    };
    for (const auto& c : cases) {
        const HourHeat heat = StraightHourHeat(c.q0, c.q1);
        EXPECT_NEAR(heat.loss, c.loss * 3600.0, 1e-9) << c.q0 << " " << c.q1;
        EXPECT_NEAR(heat.gain, c.gain * 3600.0, 1e-9) << c.q0 << " " << c.q1;
    }
}

} // namespace
} // namespace quelvan::annual
