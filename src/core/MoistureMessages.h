#pragma once

// Texts of the moisture check (interstitial condensation and surface mould), shared by the
// command-line tool and the desktop application.
namespace quelvan::msg {

// "Couche 2 (Film) : le matériau « Film » n'a ni μ ni s_d ..." : the layer, then this text.
inline constexpr const char* kMaterialWithoutVapour
    = "n'a ni facteur de résistance à la diffusion de vapeur μ ni épaisseur d'air équivalente "
      "s_d : donnez-lui l'un des deux (section « nb de materiaux avec vapeur » du projet, ou "
      "clé \"mu\" ou \"sd_m\" d'un mur décrit en JSON) ; aucune valeur n'est supposée";
inline constexpr const char* kMoistureCheckImpossible = "vérification hygrométrique impossible";

// The monthly climate file (--climate).
inline constexpr const char* kClimateFile = "Fichier de climat mensuel";
inline constexpr const char* kClimateHeader
    = "en-tête attendu : mois,theta_e_C,rh_e_pct ou mois,theta_e_C,p_e_Pa";
inline constexpr const char* kClimateMonthCount = "douze lignes de mois (1 à 12) attendues";
inline constexpr const char* kClimateFieldCount = "trois champs attendus";
inline constexpr const char* kClimateNotANumber = "nombre attendu";
inline constexpr const char* kClimateMonth = "mois de 1 à 12 attendu, une fois chacun";
inline constexpr const char* kClimateHumidity = "humidité relative de 0 (exclu) à 100 % attendue";
inline constexpr const char* kClimatePressure
    = "pression de vapeur positive, au plus la pression saturante, attendue";
inline constexpr const char* kClimateTemperature = "température de -60 à 60 °C attendue";

// The weather file's humidity column.
inline constexpr const char* kWeatherWithoutHumidity
    = "ne porte pas la colonne d'humidité relative (8e colonne) : régénérez-le avec "
      "« quelvan-cli weather generate » ou « weather import », ou donnez un climat mensuel "
      "avec --climate";
inline constexpr const char* kWeatherYearExpected = "une année de 8760 heures est attendue";
inline constexpr const char* kExteriorNotWeather
    = "L'ambiance extérieure choisie n'est pas une ambiance météo : donnez un climat mensuel "
      "avec --climate";
inline constexpr const char* kInteriorTemperatureNeeded
    = "La température moyenne de l'ambiance intérieure n'est pas connue sans calcul : "
      "donnez-la avec --interior-temperature";

// The verdicts, then the surface check.
inline constexpr const char* kVerdictNone = "Pas de condensation dans la paroi";
inline constexpr const char* kVerdictEvaporates = "Condensation qui s'évapore en totalité";
inline constexpr const char* kVerdictAccumulates
    = "Condensation qui s'accumule : l'eau ne s'évapore pas en totalité dans l'année";
inline constexpr const char* kMouldPasses = "Risque de moisissure en surface : non";
inline constexpr const char* kMouldFails = "Risque de moisissure en surface : oui";

} // namespace quelvan::msg
