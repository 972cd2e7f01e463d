#pragma once

#include <string_view>

// Texts shown to users, shared by the command-line tool and the desktop application.
namespace quelvan::msg {

inline constexpr const char* kReadError = "Erreur en lecture";
inline constexpr const char* kWeatherReadError = "Erreur en lecture du fichier météo";
inline constexpr const char* kInternalError = "Erreur interne";
inline constexpr const char* kBuiltInDataError = "Erreur à la création des bibliothèques internes";
inline constexpr const char* kResultsNotSaved
    = "Les données n'ont pas été sauvegardées sur fichier : pas d'enregistrement des résultats";
inline constexpr const char* kProjectNotSaved
    = "Le projet n'a pas pu être enregistré : le fichier ne peut pas être écrit";
inline constexpr const char* kValueTooLong
    = "Le projet n'a pas pu être enregistré : une valeur ne tient pas dans le fichier";
inline constexpr const char* kNoSelectedRow = "Aucune ligne selectionnée ...";
inline constexpr const char* kMaxElements = "Le nombre maximum d'élément est atteint";
inline constexpr const char* kNoDefaultPrinter = "Absence d'une imprimante par défaut";
inline constexpr const char* kNoPrintSelection = "Aucune sélection d'impression";
inline constexpr const char* kReportNotWritten = "Le rapport n'a pas pu être écrit";
inline constexpr const char* kPreparing = "Mise en forme des données ...";
inline constexpr const char* kImageNotWritten = "L'image n'a pas pu être écrite";
// The start of the refusal of an output that would destroy a file that is read.
inline constexpr const char* kWriteRefused = "Écriture refusée";
// Before what an import repaired, and before what it warns of.
inline constexpr const char* kRepairedPrefix = "Réparé : ";
inline constexpr const char* kWarningPrefix = "Attention : ";
// "« mur.pdf » existe déjà." then this question, before an output replaces a file.
inline constexpr const char* kReplaceQuestion = "Voulez-vous le remplacer ?";
inline constexpr const char* kWallHasNoLayer
    = "La paroi ne comporte aucune couche : calcul impossible";
// The end of every refusal of the checks made before a calculation (wall, ambiances).
inline constexpr const char* kCalculationImpossible = "calcul impossible";

// Weather tools (typical-year generation, EPW import).
inline constexpr const char* kClimateTableError = "Table des normales climatiques";
inline constexpr const char* kWeatherWriteError = "Le fichier météo ne peut pas être écrit";
inline constexpr const char* kEpwReadError = "Fichier EPW illisible";
inline constexpr const char* kEpwNoLocation = "Fichier EPW : la ligne LOCATION est absente";
inline constexpr const char* kEpwBadLocation
    = "Fichier EPW : latitude, longitude ou fuseau horaire illisible dans la ligne LOCATION";
inline constexpr const char* kEpwNotHourly
    = "Fichier EPW : seuls les fichiers horaires (un enregistrement par heure) sont acceptés";
inline constexpr const char* kEpwLine = "Fichier EPW, ligne";
inline constexpr const char* kEpwMissingFields = "champs manquants";
inline constexpr const char* kEpwBadDate = "date ou heure invalide";
inline constexpr const char* kEpwDuplicateHour = "heure déjà lue";
inline constexpr const char* kEpwNotNumeric = "valeur non numérique";
inline constexpr const char* kEpwIncompleteYear = "Fichier EPW : année incomplète";
inline constexpr const char* kEpwLongGap = "Fichier EPW : trop de valeurs manquantes d'affilée";
// Followed by the date of the gap and ")".
inline constexpr const char* kEpwNoHumidity
    = "humidité relative absente ou trop lacunaire : fichier écrit sans la colonne d'humidité "
      "(à partir du ";
// Followed by the time zone, the count of the hours that contradict it, and what to do.
inline constexpr const char* kEpwTimeZoneContradiction
    = "Fichier EPW : le fuseau horaire de la ligne LOCATION";

// The solver's note when its sweeps reach their limit: the text around the limit, and the whole
// note, built once from the solver's own limit (kJacobiMaxSweeps) in
// engine/solver/SolverMessages.cpp.
inline constexpr std::string_view kSolverDirectFallbackBefore
    = "Le solveur itératif n'a pas convergé en ";
inline constexpr std::string_view kSolverDirectFallbackAfter
    = " itérations : pas de temps résolu par méthode directe";
extern const char* const kSolverDirectFallback;
inline constexpr const char* kSolverStalled = "Le solveur itératif s'est arrêté loin de la "
                                              "solution : pas de temps résolu par méthode directe";
inline constexpr const char* kResultsNotWritten = "Le fichier de résultats n'a pas pu être écrit";
// A surface resistance too small for the standard method's single precision: the beginning, then
// the face and its value, the flux step and the advice.
inline constexpr const char* kSurfaceResistanceTooSmall
    = "Attention : avec la résistance superficielle";
inline constexpr const char* kSurfaceFluxUnreliable
    = ", les flux de surface de la méthode standard (simple précision) et les énergies qui les "
      "cumulent ne sont pas fiables pour cette paroi : le calcul fin est conseillé";
inline constexpr const char* kNoPreviousCalculation
    = "Aucun calcul précédent : le calcul part de l'état stationnaire";
// Followed by the number of characters: "Le nom d'une station compte au plus 80 caractères".
inline constexpr const char* kStationNameLimit = "Le nom d'une station compte au plus";
inline constexpr const char* kHourlyNotWritten = "Le fichier des heures n'a pas pu être écrit";
inline constexpr const char* kWeekNotComputed
    = "La semaine n'a pas été calculée : les pages de courbes seraient vides.\n\n"
      "Oui : lancer le calcul de la semaine, puis imprimer une fois le calcul terminé.\n"
      "Non : imprimer seulement les données du projet.";
inline constexpr const char* kYearNotPeriodic
    = "Régime périodique non atteint : les chiffres sont ceux de la dernière année simulée";

} // namespace quelvan::msg
