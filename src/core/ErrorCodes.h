#pragma once

#include <type_traits>

// The program's error codes: one enum per family, whose values are the numbers the program has
// always reported; ErrorCode carries a code of any family, and FailureMessage gives the French
// message a failed calculation shows for it.
namespace quelvan {

// The failures of a whole operation.
enum class Failure : int {
    None = 0,
    TableSplit = 922, // a text-table line could not be split as asked
    WeatherFile = 3456,
    // The general failure: a project file that did not read (its ReadError says where and why),
    // a missing record, or what the engine could not compute although the checks passed.
    General = 9999,
};

// Why a time profile could not be finalised (NCodedString::FinalizeProfile).
enum class ProfileFault : int {
    None = 0,
    NotLoadable = 9123,
    NoLines = 23320,
    InvalidCode = 23321,
    BadCell = 23322, // a data cell of the file is not a number within its bounds
    BadLine = 23323, // a file line out of sequence or incomplete
    BadMultiplier = 23345,
    NoSegment = 23567,
};

// The families ErrorCode accepts; the checks' faults (WallFault, AmbianceFault) join beside
// their enums.
template <typename E> inline constexpr bool kIsErrorFamily = false;
template <> inline constexpr bool kIsErrorFamily<Failure> = true;
template <> inline constexpr bool kIsErrorFamily<ProfileFault> = true;

// A code of any family, compared by its number; 0 in every family means no error.
class ErrorCode {
public:
    constexpr ErrorCode() = default;
    template <typename E>
    requires kIsErrorFamily<E>
    constexpr ErrorCode(E code) // implicit: a code of any family is an ErrorCode
        : number_(static_cast<int>(code))
    {
    }

    constexpr int Number() const { return number_; }
    constexpr bool IsError() const { return number_ != 0; }

    friend constexpr bool operator==(ErrorCode, ErrorCode) = default;

private:
    int number_ = 0;
};

// The message a failed preparation shows: "" without error, "Erreur en lecture du fichier
// météo" for Failure::WeatherFile, "Erreur interne" for any other code. (The checks' faults
// carry their own messages.)
const char* FailureMessage(ErrorCode code);

} // namespace quelvan
