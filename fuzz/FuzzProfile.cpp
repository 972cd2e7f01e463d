// The weather-file profile loader (an NCodedString file profile) on arbitrary file bytes: any
// column, an optional multiplier, a day or week layout, and a time window over a year file.
// The loader reads through a file name, so the bytes go to a scratch file first.
#include "FuzzTargets.h"

#include "engine/NCodedString.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace quelvan::fuzz {

namespace {

const std::string& ScratchFile()
{
    static const std::string path = [] {
        const auto dir = std::filesystem::temp_directory_path()
            / ("quelvan-fuzz-profile-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return (dir / "profile.wth").string();
    }();
    return path;
}

// A year file has a header and 8760 lines: the input's lines are repeated up to that length so
// that the windowed read is reached.
std::string RepeatedToYear(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        lines.push_back(bytes.substr(start, stop - start));
        start = stop + 1;
    }
    if (lines.empty())
        return std::string(bytes);
    std::string text;
    for (std::size_t i = 0; i < 8761; ++i) {
        text += lines[i % lines.size()];
        text += '\n';
    }
    return text;
}

} // namespace

int FuzzProfile(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int column = input.Byte() % 12;
    const std::uint8_t flags = input.Byte();
    const double fromHour = (input.Byte() << 8 | input.Byte()) % 8800;
    const double hours = (input.Byte() << 8 | input.Byte()) % 9000;
    const std::string multiplier = (flags & 8) != 0 ? input.Text(12) : std::string();
    const std::string_view bytes = input.Rest();

    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        if ((flags & 1) != 0)
            out << RepeatedToYear(bytes);
        else
            out << bytes;
    }

    NCodedString profile;
    profile.SetDimension((flags & 2) != 0 ? "HD7" : "HD1");
    profile.SetValueUnit((flags & 4) != 0 ? 'P' : 'R');
    if (!multiplier.empty())
        profile.SetCode(multiplier + profile.Code());
    profile.SetFileAndColumn(ScratchFile(), column);
    const double from = fromHour * 3600.0;
    const double to = from + hours * 3600.0;
    const ErrorCode code = profile.FinalizeProfile(from, to);
    if (code == ProfileFault::None) {
        if (profile.Segments().empty())
            ReportBrokenInvariant("a finalised profile without segments");
        if (!std::isfinite(profile.Span()))
            ReportBrokenInvariant("a profile span that is not finite");
        for (const double t : { from, to, from - 1.0, to + 1.0, -1e9, 1e9, 0.0, 3600.0 * 8760 })
            (void)profile.EvaluateProfile(t);
        for (double t = from; t <= to && t < from + 48 * 3600.0; t += 1800.0)
            (void)profile.EvaluateProfile(t);
    }
    return 0;
}

} // namespace quelvan::fuzz
