// quelvan-cli weather: writes the typical-year weather files of the ten cities from the climate
// normals, and converts EPW files into the program's weather files.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"

#include "core/Messages.h"
#include "engine/InstalledData.h"
#include "engine/WeatherFiles.h"
#include "model/CBCData.h"
#include "weather/ClimateNormals.h"
#include "weather/EpwImport.h"
#include "weather/TypicalYear.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace quelvan::cli {

namespace {

struct GenerateOptions {
    std::string outDirectory;
    std::string city;
    std::string normals;
    bool force = false;
};

struct ImportOptions {
    std::string input;
    std::string output;
    bool force = false;
};

// A file in a folder.
std::string InFolder(const std::filesystem::path& folder, const std::string& name)
{
    return (folder / name).string();
}

// The normals table: the given file, else the installed one (beside the program's prefix, then
// the build's), else the build tree's copy (each in the climate folder beside the weather folder).
std::optional<std::string> NormalsPath(const std::string& given)
{
    if (!given.empty())
        return given;
    return FindInstalledDataFile("climate", "normals.csv");
}

// Index in the city list of a name typed by the user ("Mâcon", "macon", "La Rochelle").
int CityOfName(const std::string& name)
{
    for (std::size_t i = 0; i < kCities.size(); ++i) {
        if (weather::CityKey(kCities[i]) == weather::CityKey(name))
            return static_cast<int>(i);
    }
    return -1;
}

int Generate(const GenerateOptions& options)
{
    std::vector<int> cities;
    if (options.city.empty()) {
        for (std::size_t i = 0; i < kCities.size(); ++i)
            cities.push_back(static_cast<int>(i));
    } else {
        const int index = CityOfName(options.city);
        if (index < 0) {
            std::string known;
            for (const char* c : kCities)
                known += std::string(known.empty() ? "" : ", ") + c;
            PrintError("Ville inconnue : " + options.city + " (villes : " + known + ")");
            return kExitFailure;
        }
        cities.push_back(index);
    }

    const std::optional<std::string> tablePath = NormalsPath(options.normals);
    if (!tablePath) {
        PrintError(
            std::string(msg::kClimateTableError) + " : fichier introuvable (indiquer --normals)");
        return kExitFailure;
    }
    const weather::ClimateTableResult table = weather::ReadClimateTable(*tablePath);
    if (!table.table) {
        PrintError(table.error);
        return kExitFailure;
    }
    std::vector<std::string> outputs;
    for (const int index : cities)
        outputs.push_back(InFolder(options.outDirectory, WeatherFileName(index)));
    if (!OutputsAreSafe({ *tablePath }, outputs, options.force))
        return kExitFailure;
    std::error_code error;
    std::filesystem::create_directories(options.outDirectory, error);
    for (std::size_t k = 0; k < cities.size(); ++k) {
        const int index = cities[k];
        const weather::CityNormals* normalsOfCity
            = FindCity(*table.table, kCities[static_cast<std::size_t>(index)]);
        if (!normalsOfCity) {
            PrintError(std::string(msg::kClimateTableError) + " : pas de normales complètes pour "
                + kCities[static_cast<std::size_t>(index)]);
            return kExitFailure;
        }
        const std::string& path = outputs[k];
        if (!weather::GenerateTypicalYear(*normalsOfCity).Write(path)) {
            PrintError(std::string(msg::kWeatherWriteError) + " : " + path);
            return kExitFailure;
        }
        PrintLine(path + " écrit (températures " + normalsOfCity->temperatureQuality
            + ", ensoleillement " + normalsOfCity->sunshineQuality
            + (normalsOfCity->sunshineQuality == 'P' ? " : valeurs provisoires" : "") + ")");
    }
    return kExitOk;
}

int Import(const ImportOptions& options)
{
    if (!OutputsAreSafe({ options.input }, { options.output }, options.force))
        return kExitFailure;
    const weather::EpwImportResult result
        = weather::ImportEpwFile(options.input, { options.force });
    if (!result.year) {
        // A time zone that contradicts the irradiance may still be what the user wants.
        PrintError(result.error
            + (result.nightIrradianceHours > weather::kMostNightIrradianceHours
                    ? " : vérifier le 9e champ de la ligne LOCATION, ou importer quand même avec "
                      "--force"
                    : ""));
        return kExitFailure;
    }
    if (!result.warning.empty())
        PrintError(msg::kWarningPrefix + result.warning + " (importé avec --force)");
    for (const std::string& repair : result.repairs)
        PrintLine(msg::kRepairedPrefix + repair);
    if (!result.year->Write(options.output)) {
        PrintError(std::string(msg::kWeatherWriteError) + " : " + options.output);
        return kExitFailure;
    }
    PrintLine(options.output + " écrit (" + result.location + ")");
    return kExitOk;
}

} // namespace

void DeclareWeather(CommandLine& commands)
{
    CLI::App& weather
        = commands.AddGroup(commands.Root(), "weather", "fichiers météo des dix villes");

    auto generate = std::make_shared<GenerateOptions>();
    CLI::App& generating = commands.Add(weather, "generate",
        "écrit les fichiers météo des dix villes, ou d'une seule",
        [generate](const CLI::App&) { return Generate(*generate); });
    AddOutputOption(generating, "--out", generate->outDirectory, "DOSSIER",
        "le dossier où écrire les fichiers météo")
        ->required();
    AddNameOption(generating, "--city", generate->city, "VILLE", "la seule ville à écrire");
    generating
        .add_option("--normals", generate->normals,
            "la table des normales climatiques (par défaut celle qui est installée)")
        ->type_name("FICHIER.csv");
    AddForceFlag(generating, generate->force, "remplace les fichiers météo qui existent déjà");

    auto import = std::make_shared<ImportOptions>();
    CLI::App& importing = commands.Add(weather, "import",
        "convertit un fichier EPW horaire en fichier météo du programme",
        [import](const CLI::App&) { return Import(*import); });
    importing.add_option("FICHIER.epw", import->input, "le fichier EPW à lire")->required();
    AddOutputOption(importing, "-o,--out", import->output, "FICHIER.wth",
        "le fichier météo à écrire, nommé FR_ suivi de la ville")
        ->required();
    AddForceFlag(importing, import->force,
        "remplace le fichier météo s'il existe déjà et importe même un fichier dont le fuseau "
        "horaire contredit le rayonnement");
}

} // namespace quelvan::cli
