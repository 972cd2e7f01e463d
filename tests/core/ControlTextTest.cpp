#include "core/ControlText.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

struct ShownCase {
    std::string text;
    std::string shown;
    friend void PrintTo(const ShownCase& c, std::ostream* os)
    {
        *os << quelvan::test::Quoted(c.text);
    }
};

class ShowControlsTest : public testing::TestWithParam<ShownCase> { };

TEST_P(ShowControlsTest, EscapesControlsOnly)
{
    EXPECT_EQ(ShowControls(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, ShowControlsTest,
    testing::Values(
        // French text, accents and the euro sign (whose UTF-8 holds 0x82) pass byte for byte.
        ShownCase { "Béton lourd à 20 °C, 5 € — Mâcon", "Béton lourd à 20 °C, 5 € — Mâcon" },
        ShownCase { "\x1b[2J\x1b]0;titre\x07", "\\x1b[2J\\x1b]0;titre\\x07" },
        ShownCase { "faux\rvrai", "faux\\x0dvrai" }, ShownCase { "a\tb\x7f", "a\\x09b\\x7f" },
        ShownCase { std::string("nul\0fin", 7), "nul\\x00fin" },
        // A line feed inside a name would forge a line of its own.
        ShownCase { "a\nAuteur : FAUX.ksl", "a\\x0aAuteur : FAUX.ksl" },
        // C1 controls (CSI U+009B, OSC U+009D) written in UTF-8.
        ShownCase { "\xC2\x9B"
                    "31m\xC2\x9D",
            "\\u009b31m\\u009d" },
        ShownCase { "\xC2\xA0", "\xC2\xA0" },
        // Bytes outside well-formed UTF-8: a lone CSI of 8-bit terminals, Windows-1252 accents,
        // a sequence cut short, an overlong "/", a surrogate; four-byte characters pass.
        ShownCase { "\x9B"
                    "2J",
            "\\x9b2J" },
        ShownCase { "projet_\xE9t\xE9.ksl", "projet_\\xe9t\\xe9.ksl" },
        ShownCase { "\xE2\x82", "\\xe2\\x82" }, ShownCase { "\xC0\xAF", "\\xc0\\xaf" },
        ShownCase { "\xED\xA0\x80", "\\xed\\xa0\\x80" },
        ShownCase { "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80" }));

} // namespace
} // namespace quelvan
