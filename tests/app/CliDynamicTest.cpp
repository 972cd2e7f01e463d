// quelvan-cli dynamic: the wall's characteristics in French and as JSON, both agreeing with the
// core's values within their rounding; check's summary repeats three of the lines.
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>

namespace quelvan {
namespace {

class CliDynamic : public test::CliFixture {
protected:
    // The core's values for the project as written by quelvan-cli new.
    static DynamicCharacteristics CoreValues(double period)
    {
        const KslDoc doc;
        const auto wall = SiWallFromProject(doc.layers, doc.surfaces);
        const auto values = ComputeDynamicCharacteristics(wall.value(), period);
        return values.value();
    }

    // The number of the line that starts with the label; NaN when there is no such line.
    double ValueOfLine(const std::string& label, const std::string& unit) const
    {
        std::istringstream lines(out_);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(label + " : ", 0) != 0)
                continue;
            EXPECT_TRUE(line.ends_with(unit)) << line;
            // Decimal point, as every number the program shows.
            return std::stod(line.substr(label.size() + 3));
        }
        return std::nan("");
    }
};

TEST_F(CliDynamic, TextShowsEveryValueWithinItsRounding)
{
    ASSERT_EQ(Run("new p.ksl"), 0);
    ASSERT_EQ(Run("dynamic p.ksl"), 0) << err_;
    EXPECT_TRUE(err_.empty()) << err_;
    EXPECT_EQ(out_.rfind("Période : 24 h\n", 0), 0u) << out_;
    const DynamicCharacteristics core = CoreValues(24.0);
    for (const DynamicValueInfo& info : kDynamicValues) {
        const double expected = core.*info.member;
        const double shown = ValueOfLine(info.label, info.unit);
        // Two decimals for hours, three significant digits for the others.
        const double tolerance = info.hours ? 0.005 : 0.005 * std::fabs(expected);
        EXPECT_NEAR(shown, expected, tolerance) << info.label;
    }
}

TEST_F(CliDynamic, JsonHoldsTheCoreValuesForThePeriodAsked)
{
    ASSERT_EQ(Run("new p.ksl"), 0);
    ASSERT_EQ(Run("dynamic p.ksl --json --period 12"), 0) << err_;
    const nlohmann::json object = nlohmann::json::parse(out_);
    ASSERT_TRUE(object.is_object());
    std::set<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.insert(key);
        EXPECT_TRUE(value.is_number()) << key;
    }
    EXPECT_EQ(keys,
        (std::set<std::string> { "u", "y12", "f", "shift_h", "kappa_int", "kappa_ext", "y_int",
            "y_ext", "shift_int_h", "shift_ext_h", "heat_capacity", "period_h" }));
    const DynamicCharacteristics core = CoreValues(12.0);
    EXPECT_EQ(object["period_h"].get<double>(), 12.0);
    for (const DynamicValueInfo& info : kDynamicValues)
        EXPECT_DOUBLE_EQ(object[info.key].get<double>(), core.*info.member) << info.key;
}

TEST_F(CliDynamic, CheckFollowsTheWallWithTheDynamicLinesOfUDecrementAndShift)
{
    ASSERT_EQ(Run("new p.ksl"), 0);
    ASSERT_EQ(Run("dynamic p.ksl"), 0);
    const std::string dynamic = out_;
    ASSERT_EQ(Run("check p.ksl"), 0) << err_;
    std::string expected;
    for (const char* key : { "u", "f", "shift_h" }) {
        const std::string label = DynamicValue(key).label;
        const size_t start = dynamic.find(label + " : ");
        ASSERT_NE(start, std::string::npos) << label;
        expected += dynamic.substr(start, dynamic.find('\n', start) + 1 - start);
    }
    EXPECT_NE(out_.find("Inclinaison : 90°/sol (verticale)\n" + expected), std::string::npos)
        << out_;
}

} // namespace
} // namespace quelvan
