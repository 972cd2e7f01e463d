#include "app/cli/CliMoistureOptions.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliPrint.h"

#include "core/MoistureMessages.h"
#include "core/TextFile.h"
#include "engine/moisture/MoistureBounds.h"

namespace quelvan::cli {

void AddMoistureOptions(CLI::App& command, MoistureCommandOptions& options, CLI::Option* weather)
{
    CLI::Option* climate = command
                               .add_option("--climate", options.climate,
                                   "climat mensuel de calcul (CSV : mois,theta_e_C,rh_e_pct ou "
                                   "mois,theta_e_C,p_e_Pa) au lieu du fichier météo")
                               ->type_name("MOIS.csv");
    if (weather != nullptr)
        climate->excludes(weather);
    moisture::InteriorChoice& interior = options.interior;
    CLI::Option* rh = AddNumberOption(command, "--interior-rh", interior.relativeHumidity,
        moisture::bounds::kInteriorHumidity, "P", "humidité relative intérieure fixe en %");
    CLI::Option* hc = AddNumberOption(command, "--humidity-class", interior.humidityClass,
        moisture::bounds::kHumidityClass, "N",
        "classe d'humidité intérieure 1 à 5 (Δν de 2 à 10 g/m³ sous 0 °C, nul à 20 °C, × 1,10)");
    CLI::Option* ve = AddNumberOption(command, "--vapour-excess", interior.vapourExcess,
        moisture::bounds::kVapourExcess, "G",
        "excès de vapeur intérieur constant W/n en g/m³ (hygrométrie faible ≤ 2,5, moyenne ≤ 5, "
        "forte ≤ 7,5, très forte au-delà)");
    rh->excludes(hc)->excludes(ve);
    hc->excludes(ve);
    AddNumberOption(command, "--interior-temperature", interior.temperature,
        moisture::bounds::kInteriorTemperature, "T",
        "température intérieure en °C (par défaut la moyenne de l'ambiance intérieure)");
}

std::optional<moisture::ExteriorYear> ClimateFromFile(const std::string& path)
{
    const TextFileRead read = ReadTextFile(path);
    if (!read.text) {
        PrintError(std::string(msg::kClimateFile) + " : " + path + " : "
            + std::string(ReadFaultText(read.fault)));
        return std::nullopt;
    }
    std::string error;
    std::optional<moisture::ExteriorYear> year
        = moisture::ParseMonthlyClimate(read.text->lines, &error);
    if (!year)
        PrintError(path + " : " + error);
    return year;
}

} // namespace quelvan::cli
