// The number rules must give the same texts whatever the process locale. When the variable
// QUELVAN_EXPECT_FRENCH_LOCALE is set (the "core_under_french_locale" run), every test of this
// program runs after setlocale(LC_ALL, "") with a French environment, and the run fails if the
// French locale is missing (a run that silently stayed in "C" would prove nothing).

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

namespace quelvan {
namespace {

bool FrenchLocaleExpected()
{
    return std::getenv("QUELVAN_EXPECT_FRENCH_LOCALE") != nullptr;
}

class ProcessLocaleEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!FrenchLocaleExpected())
            return;
        const char* name = std::setlocale(LC_ALL, "");
        ASSERT_NE(name, nullptr) << "the locale of the environment cannot be set";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",")
            << "expected a French locale, got " << name;
    }
};

// Registered before main runs, so that the locale is set before the first test.
[[maybe_unused]] ::testing::Environment* const kLocaleEnvironment
    = ::testing::AddGlobalTestEnvironment(new ProcessLocaleEnvironment);

} // namespace
} // namespace quelvan
