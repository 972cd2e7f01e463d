#include "core/ErrorCodes.h"

#include "core/Messages.h"

namespace quelvan {

namespace {

struct FailureText {
    ErrorCode code;
    const char* message;
};

constexpr FailureText kFailureTexts[] = {
    { Failure::None, "" },
    { Failure::WeatherFile, msg::kWeatherReadError },
    { Failure::General, msg::kInternalError },
};

} // namespace

const char* FailureMessage(ErrorCode code)
{
    for (const FailureText& text : kFailureTexts)
        if (text.code == code)
            return text.message;
    return msg::kInternalError;
}

} // namespace quelvan
