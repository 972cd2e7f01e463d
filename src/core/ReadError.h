#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelvan {

// Why a line of a file did not read. The project file and the weather files share these, so
// that a refusal always says the same thing for the same fault.
enum class ReadFault : std::uint8_t {
    Unreadable, // the file could not be opened or read
    NotFound, // no folder holds the file
    Empty, // the file holds no line
    MissingLine, // the file ends before this line
    LineTooLong,
    LineTooShort, // the line ends before a field it must hold
    MissingColumn, // the line ends before the column read
    NotANumber,
    OutOfRange, // a number outside the field's limits
    NotInTable, // a number that is not one of the field's values
    UnknownMaterial, // a layer naming no material of the library
    UnknownAmbiance, // a selection naming no ambiance of its list
    NotAFile, // a folder, a named pipe or a device where a file was expected
    TooLarge, // a file above the reader's size limit
    BrokenLink, // a symbolic link to nothing, or a loop of links
    UnexpectedHour, // a weather line whose hour does not follow the previous line's
    IncompleteLine, // a line with fewer fields than the file's lines hold
    UnendedLastLine, // a last line without its line end: the file may have been cut inside it
    DuplicateIdentifier, // a record whose identifier an earlier record of its list holds
    UnknownStation, // an ambiance naming no city of the list and no weather station of the file
    NotABareFileName, // a file name with a folder part or a blank, where a bare name is kept
};

// "nombre attendu", "ligne absente", ...
std::string_view ReadFaultText(ReadFault fault);

// The reason in full: ReadFaultText, and for TooLarge the limit when it is known
// ("fichier trop volumineux (au plus 64 Mo)"); a reason that names a value takes it in its
// place ("heure attendue 1234", "identifiant 19 en double").
std::string ReadFaultReason(ReadFault fault, std::size_t limitBytes, std::string_view value = {});

// Where a file failed to read: the file (when the message must name it), the line counted from
// 1 (0 when the fault is the whole file's), the field's label (empty for a whole line), why,
// and for a value out of range the range it must lie in ("de 0 à 7"; empty when not known).
struct ReadError {
    std::string file;
    int line = 0;
    std::string field;
    ReadFault fault = ReadFault::Unreadable;
    std::string limits;
    std::size_t limitBytes = 0; // the reader's size limit, said with TooLarge
    std::string value = {}; // the value the reason names: the hour expected, the identifier doubled

    friend bool operator==(const ReadError&, const ReadError&) = default;
};

// The heading, then what is known of the place, then the reason and the limits:
// "Erreur en lecture : ligne 23, champ L= : nombre attendu",
// "Erreur en lecture : ligne 67, champ N= : valeur hors limites (de 0 à 7)",
// "Erreur en lecture du fichier météo : FR_Mâcon.wth, ligne 1234 : nombre attendu",
// "Erreur en lecture du fichier météo : FR_Mâcon.wth, ligne 1235, champ 1 : heure attendue 1234".
std::string FormatReadError(std::string_view heading, const ReadError& error);

} // namespace quelvan
