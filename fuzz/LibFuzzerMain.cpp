// The libFuzzer entry of one target; QUELVAN_FUZZ_ENTRY names its function (FuzzTargets.h).
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return quelvan::fuzz::QUELVAN_FUZZ_ENTRY(data, size);
}
