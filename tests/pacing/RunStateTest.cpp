#include "pacing/RunState.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace quelvan {
namespace {

struct Row {
    RunState state;
    bool tracerShown;
    RunButtons previous;
    RunButtons expected;
    friend void PrintTo(const Row& c, std::ostream* os)
    {
        *os << "state " << static_cast<int>(c.state) << (c.tracerShown ? ", curves shown" : "")
            << (c.previous.runEnabled ? ", from all on" : ", from all off");
    }
};
class RunStateRows : public ::testing::TestWithParam<Row> { };

const RunButtons kAllOn { true, true, true, true, std::string("avant") };
const RunButtons kAllOff { false, false, false, false, std::string("avant") };

TEST_P(RunStateRows, ButtonsAfterTheState)
{
    const Row& r = GetParam();
    EXPECT_EQ(ApplyRunState(r.state, r.tracerShown, r.previous), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RunStateRows,
    ::testing::Values(
        // 0: everything off, "Lance Calcul".
        Row { RunState::Idle, false, kAllOn,
            { false, false, false, false, std::string("Lance Calcul") } },
        // 1: run on, tracer unless shown; step and stop untouched; text unchanged.
        Row { RunState::Ready, false, kAllOff, { true, false, false, true, std::string("avant") } },
        Row { RunState::Ready, true, kAllOn, { true, true, true, false, std::string("avant") } },
        // 2: run and stop on, step off, tracer untouched.
        Row {
            RunState::Running, true, kAllOff, { true, false, true, false, std::string("Pause") } },
        Row { RunState::Running, false, kAllOn, { true, false, true, true, std::string("Pause") } },
        // 3: run, step, stop on; tracer unless shown.
        Row {
            RunState::Paused, false, kAllOff, { true, true, true, true, std::string("Reprise") } },
        Row { RunState::Paused, true, kAllOn, { true, true, true, false, std::string("Reprise") } },
        // 4: run on, step and stop off, tracer untouched.
        Row { RunState::Finished, false, kAllOn,
            { true, false, false, true, std::string("ReInitialise") } },
        Row { RunState::Finished, false, kAllOff,
            { true, false, false, false, std::string("ReInitialise") } }));

} // namespace
} // namespace quelvan
