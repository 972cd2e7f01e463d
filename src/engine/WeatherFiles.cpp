#include "engine/WeatherFiles.h"

#include "core/NumberText.h"
#include "core/TextFile.h"
#include "model/CBCData.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace quelvan {

namespace {

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

std::string UserWeatherDirectory()
{
#ifdef _WIN32
    const std::string base = EnvironmentValue("LOCALAPPDATA");
    return base.empty() ? std::string() : base + "/quelvan/weather";
#else
    const std::string xdg = EnvironmentValue("XDG_DATA_HOME");
    // Relative XDG paths are to be ignored.
    if (!xdg.empty() && xdg.front() == '/')
        return xdg + "/quelvan/weather";
    const std::string home = EnvironmentValue("HOME");
    return home.empty() ? std::string() : home + "/.local/share/quelvan/weather";
#endif
}

namespace {

// Whether the folder holds an entry of that name, whatever it is: a link to nothing or a named
// pipe is found too, so that the reader refuses it by name rather than the search passing on to
// another folder's file.
bool EntryExists(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& directory, const std::string& name)
{
    if (directory.empty() || directory == ".")
        return name;
    if (directory.back() == '/' || directory.back() == '\\')
        return directory + name;
    return directory + "/" + name;
}

} // namespace

bool HoldsWeatherYear(const std::string& path)
{
    constexpr std::size_t kNumericCells = 7;
    const std::optional<TextLines> text = ReadTextLines(path);
    if (!text || text->lines.size() < 2)
        return false;
    std::string_view line = text->lines[1];
    for (std::size_t cell = 0; cell < kNumericCells; ++cell) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            return false;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
        float value = 0.0f;
        // The hour column starts at 1 (a results file's first hour is 0).
        if (!ParseFloat(line.substr(0, end), value) || (cell == 0 && value != 1.0f))
            return false;
        line.remove_prefix(end);
    }
    return true;
}

std::string WeatherFileName(int cityIndex)
{
    const bool known = cityIndex >= 0 && cityIndex < static_cast<int>(kCities.size());
    return std::string("FR_")
        + (known ? kCities[static_cast<std::size_t>(cityIndex)] : "UndefinedFile") + ".wth";
}

std::string WeatherFileName(int cityIndex, const WeatherSearch& search)
{
    const auto station = search.stationFiles.find(cityIndex);
    return station != search.stationFiles.end() ? station->second : WeatherFileName(cityIndex);
}

std::string WeatherDirectoryBesideProgram()
{
#if defined(QUELVAN_PROGRAM_TO_WEATHER_DIR) && defined(__linux__)
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty())
        return {};
    return (program.parent_path() / QUELVAN_PROGRAM_TO_WEATHER_DIR).lexically_normal().string();
#else
    return {};
#endif
}

std::vector<std::string> WeatherSearchDirectories(const WeatherSearch& search)
{
    std::vector<std::string> directories;
    const auto add = [&directories](const std::string& directory) {
        if (!directory.empty())
            directories.push_back(directory);
    };
    add(search.explicitDirectory);
    add(".");
    add(search.projectDirectory);
    add(UserWeatherDirectory());
    const std::string besideProgram = WeatherDirectoryBesideProgram();
#ifdef QUELVAN_INSTALLED_WEATHER_DIR
    if (besideProgram != QUELVAN_INSTALLED_WEATHER_DIR)
        add(besideProgram);
    add(QUELVAN_INSTALLED_WEATHER_DIR);
#else
    add(besideProgram);
#endif
#ifdef QUELVAN_BUILD_WEATHER_DIR
    add(QUELVAN_BUILD_WEATHER_DIR);
#endif
    return directories;
}

std::optional<std::string> FindWeatherFile(const std::string& fileName, const WeatherSearch& search)
{
    // Files copied from the original platform keep their single-byte Western European names.
    const std::optional<std::string> legacyName = Utf8ToCp1252(fileName);
    for (const std::string& directory : WeatherSearchDirectories(search)) {
        const std::string path = Join(directory, fileName);
        if (EntryExists(path))
            return path;
        if (legacyName && *legacyName != fileName) {
            const std::string legacyPath = Join(directory, *legacyName);
            if (EntryExists(legacyPath))
                return legacyPath;
        }
    }
    return std::nullopt;
}

} // namespace quelvan
