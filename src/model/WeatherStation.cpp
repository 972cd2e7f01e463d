#include "model/WeatherStation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quelvan {

namespace {

// The accented letters of French and their plain ASCII letter.
constexpr std::array<std::pair<std::string_view, char>, 30> kAccented { {
    { "à", 'a' },
    { "â", 'a' },
    { "ä", 'a' },
    { "ç", 'c' },
    { "é", 'e' },
    { "è", 'e' },
    { "ê", 'e' },
    { "ë", 'e' },
    { "î", 'i' },
    { "ï", 'i' },
    { "ô", 'o' },
    { "ö", 'o' },
    { "ù", 'u' },
    { "û", 'u' },
    { "ü", 'u' },
    { "À", 'A' },
    { "Â", 'A' },
    { "Ä", 'A' },
    { "Ç", 'C' },
    { "É", 'E' },
    { "È", 'E' },
    { "Ê", 'E' },
    { "Ë", 'E' },
    { "Î", 'I' },
    { "Ï", 'I' },
    { "Ô", 'O' },
    { "Ö", 'O' },
    { "Ù", 'U' },
    { "Û", 'U' },
    { "Ü", 'U' },
} };

bool IsAsciiLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The length of the UTF-8 sequence a byte starts (1 for anything that starts none).
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

bool IsBareFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || c == ' ' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

std::string StationFileName(std::string_view stationName)
{
    std::string plain;
    for (std::size_t i = 0; i < stationName.size();) {
        char letter = '_';
        std::size_t length = 1;
        if (IsAsciiLetterOrDigit(stationName[i]) || stationName[i] == '-') {
            letter = stationName[i];
        } else {
            length = SequenceLength(static_cast<unsigned char>(stationName[i]));
            for (const auto& [accented, ascii] : kAccented)
                if (stationName.substr(i).starts_with(accented)) {
                    letter = ascii;
                    length = accented.size();
                }
        }
        // One underscore for a run of other characters.
        if (letter != '_' || (!plain.empty() && plain.back() != '_'))
            plain += letter;
        i += length;
    }
    constexpr std::size_t kLongestFileName = 255;
    const std::string prefix = "Station_";
    const std::string suffix = ".wth";
    plain.resize(std::min(plain.size(), kLongestFileName - prefix.size() - suffix.size()));
    while (!plain.empty() && plain.back() == '_')
        plain.pop_back();
    return prefix + (plain.empty() ? std::string("EPW") : plain) + suffix;
}

int FreeStationIndex(const NList<WeatherStation>& stations)
{
    for (int index = kFirstStationIndex; index <= kLastStationIndex; ++index) {
        bool used = false;
        for (const WeatherStation& station : stations)
            used = used || station.index == index;
        if (!used)
            return index;
    }
    return -1;
}

const WeatherStation* StationWithFile(const NList<WeatherStation>& stations, std::string_view file)
{
    for (const WeatherStation& station : stations)
        if (station.fileName == file)
            return &station;
    return nullptr;
}

} // namespace quelvan
