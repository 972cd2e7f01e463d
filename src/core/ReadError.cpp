#include "core/ReadError.h"

#include <array>

namespace quelvan {

namespace {

// A reason that names a value says it between its text and its ending.
struct ReadFaultInfo {
    ReadFault fault;
    std::string_view text;
    std::string_view ending = {};
};

constexpr std::array<ReadFaultInfo, 21> kReadFaults { {
    { ReadFault::Unreadable, "fichier illisible" },
    { ReadFault::NotFound, "fichier introuvable" },
    { ReadFault::Empty, "fichier vide" },
    { ReadFault::MissingLine, "ligne absente" },
    { ReadFault::LineTooLong, "ligne trop longue" },
    { ReadFault::LineTooShort, "ligne trop courte" },
    { ReadFault::MissingColumn, "colonne absente" },
    { ReadFault::NotANumber, "nombre attendu" },
    { ReadFault::OutOfRange, "valeur hors limites" },
    { ReadFault::NotInTable, "valeur hors de la table" },
    { ReadFault::UnknownMaterial, "matériau inconnu" },
    { ReadFault::UnknownAmbiance, "ambiance inconnue" },
    { ReadFault::NotAFile, "pas un fichier ordinaire" },
    { ReadFault::TooLarge, "fichier trop volumineux" },
    { ReadFault::BrokenLink, "lien brisé" },
    { ReadFault::UnexpectedHour, "heure attendue" },
    { ReadFault::IncompleteLine, "ligne incomplète" },
    { ReadFault::UnendedLastLine, "dernière ligne sans fin de ligne (fichier coupé ?)" },
    { ReadFault::DuplicateIdentifier, "identifiant", "en double" },
    { ReadFault::UnknownStation, "station météo inconnue" },
    { ReadFault::NotABareFileName, "nom de fichier sans dossier attendu" },
} };

const ReadFaultInfo& InfoOf(ReadFault fault)
{
    for (const ReadFaultInfo& info : kReadFaults)
        if (info.fault == fault)
            return info;
    return kReadFaults.front();
}

} // namespace

std::string_view ReadFaultText(ReadFault fault)
{
    return InfoOf(fault).text;
}

std::string ReadFaultReason(ReadFault fault, std::size_t limitBytes, std::string_view value)
{
    const ReadFaultInfo& info = InfoOf(fault);
    std::string text(info.text);
    if (!value.empty())
        text += " " + std::string(value);
    if (!info.ending.empty())
        text += " " + std::string(info.ending);
    if (fault != ReadFault::TooLarge || limitBytes == 0)
        return text;
    constexpr std::size_t kKilo = 1024;
    if (limitBytes % (kKilo * kKilo) == 0)
        return text + " (au plus " + std::to_string(limitBytes / (kKilo * kKilo)) + " Mo)";
    if (limitBytes % kKilo == 0)
        return text + " (au plus " + std::to_string(limitBytes / kKilo) + " ko)";
    return text + " (au plus " + std::to_string(limitBytes) + " octets)";
}

std::string FormatReadError(std::string_view heading, const ReadError& error)
{
    std::string place = error.file;
    const auto add = [&place](const std::string& part) {
        if (!place.empty())
            place += ", ";
        place += part;
    };
    if (error.line > 0)
        add("ligne " + std::to_string(error.line));
    if (!error.field.empty())
        add("champ " + error.field);
    std::string text(heading);
    if (!place.empty())
        text += " : " + place;
    text += " : " + ReadFaultReason(error.fault, error.limitBytes, error.value);
    if (!error.limits.empty())
        text += " (" + error.limits + ")";
    return text;
}

} // namespace quelvan
