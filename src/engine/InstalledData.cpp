#include "engine/InstalledData.h"

#include "engine/WeatherFiles.h"
#include "model/MaterialCatalogue.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace quelvan {

std::optional<std::string> FindInstalledDataFile(const std::string& folder, const std::string& name)
{
    std::vector<std::filesystem::path> weatherFolders;
    if (const std::string installed = WeatherDirectoryBesideProgram(); !installed.empty())
        weatherFolders.emplace_back(installed);
#ifdef QUELVAN_INSTALLED_WEATHER_DIR
    weatherFolders.emplace_back(QUELVAN_INSTALLED_WEATHER_DIR);
#endif
#ifdef QUELVAN_BUILD_WEATHER_DIR
    weatherFolders.emplace_back(QUELVAN_BUILD_WEATHER_DIR);
#endif
    for (const std::filesystem::path& weather : weatherFolders) {
        const std::string path = (weather / ".." / folder / name).string();
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error))
            return path;
    }
    return std::nullopt;
}

std::optional<std::string> FindMaterialCatalogue()
{
    return FindInstalledDataFile("materials", kCatalogueFileName);
}

} // namespace quelvan
