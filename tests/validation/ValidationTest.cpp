// The validation cases that `quelvan-cli validate` prints: each runs through the engine in both
// modes against a reference computed without the engine, and the fine mode must meet every
// tolerance.
#include "validation/ValidationSuite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace quelvan::validation {

void PrintTo(const ValidationCase& c, std::ostream* os)
{
    *os << c.id;
}

namespace {

class Validation : public ::testing::TestWithParam<ValidationCase> { };

TEST_P(Validation, FineModeMeetsTheReferenceAndBothModesGiveNumbers)
{
    const ValidationResult result = RunValidationCase(GetParam());
    ASSERT_EQ(result.error, "");
    ASSERT_FALSE(result.rows.empty());
    for (const ValidationRow& row : result.rows) {
        EXPECT_TRUE(std::isfinite(row.reference) && std::isfinite(row.standard)) << row.quantity;
        EXPECT_TRUE(row.Passed()) << row.quantity << ": reference " << row.reference
                                  << ", fine mode " << row.fine << ", tolerance " << row.tolerance
                                  << (row.relative ? " %" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Validation, ::testing::ValuesIn(ValidationCases()));

} // namespace
} // namespace quelvan::validation
