// quelvan-cli weather: writes the typical-year weather files of the ten cities from the climate
// normals, and converts EPW files into the program's weather files.

#include "app/cli/CliCommands.h"

#include "core/Messages.h"
#include "engine/WeatherFiles.h"
#include "engine/weather/ClimateNormals.h"
#include "engine/weather/EpwImport.h"
#include "engine/weather/TypicalYear.h"
#include "model/CBCData.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace quelvan::cli {

namespace {

constexpr const char* kUsage
    = "Usage : quelvan-cli weather generate --out DOSSIER [--city VILLE] [--normals FICHIER.csv]\n"
      "        quelvan-cli weather import FICHIER.epw -o FICHIER.wth\n";

int UsageError(const std::string& why)
{
    std::fprintf(stderr, "%s\n%s", why.c_str(), kUsage);
    return 2;
}

// The normals table: the given file, else the installed one, else the build tree's copy.
std::optional<std::string> NormalsPath(const std::string& given)
{
    if (!given.empty())
        return given;
    std::vector<std::string> candidates;
#ifdef QUELVAN_INSTALLED_WEATHER_DIR
    candidates.push_back(std::string(QUELVAN_INSTALLED_WEATHER_DIR) + "/../climate/normals.csv");
#endif
#ifdef QUELVAN_BUILD_WEATHER_DIR
    candidates.push_back(std::string(QUELVAN_BUILD_WEATHER_DIR) + "/../climate/normals.csv");
#endif
    for (const std::string& path : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error))
            return path;
    }
    return std::nullopt;
}

// Index in the city list of a name typed by the user ("Mâcon", "macon", "La Rochelle").
int CityOfName(const std::string& name)
{
    for (std::size_t i = 0; i < kCities.size(); ++i) {
        if (CityKey(kCities[i]) == CityKey(name))
            return static_cast<int>(i);
    }
    return -1;
}

int Generate(const Args& args)
{
    std::string outDirectory;
    std::string city;
    std::string normals;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--out" && hasValue)
            outDirectory = args[++i];
        else if (a == "--city" && hasValue)
            city = args[++i];
        else if (a == "--normals" && hasValue)
            normals = args[++i];
        else
            return UsageError("Argument inattendu : " + a);
    }
    if (outDirectory.empty())
        return UsageError("Le dossier de sortie (--out) est obligatoire");

    std::vector<int> cities;
    if (city.empty()) {
        for (std::size_t i = 0; i < kCities.size(); ++i)
            cities.push_back(static_cast<int>(i));
    } else {
        const int index = CityOfName(city);
        if (index < 0) {
            std::string known;
            for (const char* c : kCities)
                known += std::string(known.empty() ? "" : ", ") + c;
            std::fprintf(
                stderr, "Ville inconnue : %s (villes : %s)\n", city.c_str(), known.c_str());
            return 1;
        }
        cities.push_back(index);
    }

    const std::optional<std::string> tablePath = NormalsPath(normals);
    if (!tablePath) {
        std::fprintf(
            stderr, "%s : fichier introuvable (indiquer --normals)\n", msg::kClimateTableError);
        return 1;
    }
    const ClimateTableResult table = ReadClimateTable(*tablePath);
    if (!table.table) {
        std::fprintf(stderr, "%s\n", table.error.c_str());
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(outDirectory, error);
    for (const int index : cities) {
        const CityNormals* normalsOfCity
            = FindCity(*table.table, kCities[static_cast<std::size_t>(index)]);
        if (!normalsOfCity) {
            std::fprintf(stderr, "%s : pas de normales complètes pour %s\n",
                msg::kClimateTableError, kCities[static_cast<std::size_t>(index)]);
            return 1;
        }
        const std::string path = outDirectory + "/" + WeatherFileName(index);
        if (!GenerateTypicalYear(*normalsOfCity).Write(path)) {
            std::fprintf(stderr, "%s : %s\n", msg::kWeatherWriteError, path.c_str());
            return 1;
        }
        std::printf("%s écrit (températures %c, ensoleillement %c%s)\n", path.c_str(),
            normalsOfCity->temperatureQuality, normalsOfCity->sunshineQuality,
            normalsOfCity->sunshineQuality == 'P' ? " : valeurs provisoires" : "");
    }
    return 0;
}

int Import(const Args& args)
{
    std::string input;
    std::string output;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "-o" || a == "--out") && i + 1 < args.size())
            output = args[++i];
        else if (input.empty() && !a.empty() && a.front() != '-')
            input = a;
        else
            return UsageError("Argument inattendu : " + a);
    }
    if (input.empty() || output.empty())
        return UsageError("Le fichier EPW et le fichier de sortie (-o) sont obligatoires");
    const EpwImportResult result = ImportEpwFile(input);
    if (!result.year) {
        std::fprintf(stderr, "%s\n", result.error.c_str());
        return 1;
    }
    for (const std::string& repair : result.repairs)
        std::printf("Réparé : %s\n", repair.c_str());
    if (!result.year->Write(output)) {
        std::fprintf(stderr, "%s : %s\n", msg::kWeatherWriteError, output.c_str());
        return 1;
    }
    std::printf("%s écrit (%s)\n", output.c_str(), result.location.c_str());
    return 0;
}

} // namespace

int CommandWeather(const Args& args)
{
    if (args.empty())
        return UsageError("Sous-commande manquante");
    if (args[0] == "generate")
        return Generate(args);
    if (args[0] == "import")
        return Import(args);
    return UsageError("Sous-commande inconnue : " + args[0]);
}

} // namespace quelvan::cli
