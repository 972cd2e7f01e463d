// Every command of quelvan-cli run against hostile names (of projects, outputs, weather folders)
// and hostile contents (a project's texts, an EPW file's location, the normals' quality flags):
// nothing printed on standard output or standard error holds a raw control character other than
// the line end, the hostile text shows escaped where it is printed, and every --json output
// still parses. And no code of the program prints but through its one printer.
#include "core/TextFile.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"
#include "support/SyntheticEpw.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace quelvan {
namespace {

namespace fs = std::filesystem;

const std::string kBuiltWeather = std::string(QUELVAN_BUILD_WEATHER_DIR) + "/";
const std::string kNormals = QUELVAN_SOURCE_DIR "/data/climate/normals.csv";

std::string Replaced(std::string text, std::string_view mark, const std::string& by)
{
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

// A hostile text and how the printer must show it, written out by hand. In a file's line the
// text holds a CR where it holds a line feed, which would end the line.
struct Hostile {
    const char* label;
    std::string text;
    std::string shown;

    std::string Content() const { return Replaced(text, "\n", "\r"); }
};

void PrintTo(const Hostile& hostile, std::ostream* os)
{
    *os << hostile.label;
}

// Where the first raw control character of printed bytes is, npos when there is none: a C0
// control but the line feed, DEL, a C1 control in UTF-8, or anything that is not UTF-8 (a lone
// 0x9B is CSI on 8-bit terminals).
size_t RawControl(std::string_view printed)
{
    if (!IsValidUtf8(printed))
        return 0;
    for (size_t i = 0; i < printed.size(); ++i) {
        const auto byte = static_cast<unsigned char>(printed[i]);
        const auto next = i + 1 < printed.size() ? static_cast<unsigned char>(printed[i + 1]) : 0u;
        if ((byte < 0x20 && byte != '\n') || byte == 0x7F || (byte == 0xC2 && next < 0xA0))
            return i;
    }
    return std::string_view::npos;
}

// A command, with @ for the hostile name, and what its output must hold, with @ for the name
// as shown (empty: nothing checked but the absence of controls). Contents are read as text, so
// the stray bytes of a content show decoded: only the absence of controls is checked for them.
struct Command {
    std::string arguments;
    std::string expected;
    bool json = false;
};

std::vector<Command> Commands()
{
    std::vector<Command> rows {
        { "new '@ neuf.ksl'", "" },
        { "check '@.ksl'", "Auteur : \\x1b[2J\\x1b]0;pirate\\x07Anaïs\\x0dfaux" },
        { "check '@ absent.ksl'", "Erreur en lecture : fichier introuvable" },
        { "check '@.ksl' '@'", "Argument inattendu : @" },
        { "'@'", "Commande inconnue : @" },
        { "run '@.ksl'", "Résultats : @.res (169 heures)" },
        { "run '@.ksl' -o '@.ksl'", "Écriture refusée : « @.ksl » est le fichier lu « @.ksl »" },
        { "run macon.ksl --weather-dir '@ météo'", ".wth : pas un fichier ordinaire" },
        { "run p.ksl --weather-dir '@ absent'", "le dossier « @ absent » n'existe pas" },
        { "dynamic '@.ksl'", "Période : 24 h" },
        { "dynamic '@.ksl' --json", "", true },
        { "weather import '@.epw' -o '@.wth'", "@.wth écrit (" },
        { "weather generate --out '@ gen' --city Agen --normals '@.csv'",
            "@ gen/FR_Agen.wth écrit (températures " },
        { "weather generate --out '@ gen' --city '@'", "Ville inconnue : @" },
        { "validate --weather-dir '@ absent'", "le dossier « @ absent » n'existe pas" },
        { "annual '@.ksl' --standard --hourly '@ heures.csv'",
            "Heures : @ heures.csv (8760 heures)" },
        { "annual '@.ksl' --standard --json", "", true },
        { "compare '@.ksl' p.ksl", " 0  @.ksl " },
        { "sweep '@.ksl' --reverse --json --jobs 1 --shard 0/2", "", true },
        { "sweep '@.ksl' --reverse --json -o '@ étude.json'", "Étude : @ étude.json (2 variantes" },
    };
#ifdef QUELVAN_WITH_QT
    rows.insert(rows.end(),
        { { "render '@.ksl' --wall '@.png' --size 60x60", "Image : @.png (60 x 60)" },
            { "report '@.ksl' -o '@.pdf' --parts 0", "Rapport : @.pdf (" } });
#endif
    return rows;
}

class CliHostileOutput : public test::CliFixture, public testing::WithParamInterface<Hostile> {
protected:
    // The hostile files: a project with controls in its texts, an EPW whose location is the
    // hostile content, normals whose quality flags are its first character, a weather folder
    // holding a pipe under the city's name, and two plain projects, one under the weather of
    // Mâcon.
    void SetUp() override
    {
        const std::string& name = GetParam().text;
        const std::string content = GetParam().Content();
        fs::copy_file(
            QUELVAN_TEST_DATA_DIR "/hostile-files/control-characters.ksl", File(name + ".ksl"));
        // The hostile text as the EPW file's city, in its LOCATION line.
        test::WriteSyntheticEpw(File(name + ".epw"), content, [](int) { return 10.0; });
        test::WriteBytes(File(name + ".csv"),
            std::regex_replace(test::ReadBytes(kNormals),
                std::regex("(\\nAgen,[^\\n]*,1981-2010,)A,"), "$1" + content.substr(0, 1) + ","));
        fs::create_directory(File(name + " météo"));
        ASSERT_EQ(::mkfifo(File(name + " météo/FR_Mâcon.wth").c_str(), 0600), 0);
        KslDoc doc;
        ASSERT_EQ(WriteProjectFile(doc, File("p.ksl")), WriteResult::Ok);
        doc.selectedExterior = 11; // "Météo de la ville de Mâcon"
        ASSERT_EQ(WriteProjectFile(doc, File("macon.ksl")), WriteResult::Ok);
    }
};

TEST_P(CliHostileOutput, PrintsNoRawControlCharacter)
{
    for (const Command& command : Commands()) {
        const std::string arguments = Replaced(command.arguments, "@", GetParam().text);
        Run(arguments);
        const std::string printed = out_ + err_;
        EXPECT_EQ(RawControl(out_), std::string_view::npos) << command.arguments << "\n" << out_;
        EXPECT_EQ(RawControl(err_), std::string_view::npos) << command.arguments << "\n" << err_;
        if (!command.expected.empty()) {
            const std::string expected = Replaced(command.expected, "@", GetParam().shown);
            EXPECT_NE(printed.find(expected), std::string::npos) << command.arguments << "\n"
                                                                 << printed;
        }
        if (command.json) {
            const nlohmann::json parsed = nlohmann::json::parse(out_, nullptr, false);
            EXPECT_FALSE(parsed.is_discarded()) << out_;
            EXPECT_TRUE(parsed.is_object()) << out_;
        }
    }
}

// JSON Lines written to a file parse line by line, whatever the name's controls.
TEST_P(CliHostileOutput, JsonLinesFileParses)
{
    ASSERT_EQ(Run("sweep '" + GetParam().text + ".ksl' --reverse --json -o etude.json"), 0) << err_;
    std::istringstream lines(test::ReadBytes(File("etude.json")));
    int rows = 0;
    for (std::string line; std::getline(lines, line); ++rows) {
        const nlohmann::json parsed = nlohmann::json::parse(line, nullptr, false);
        ASSERT_FALSE(parsed.is_discarded()) << line;
        EXPECT_EQ(RawControl(line), std::string_view::npos) << line;
    }
    EXPECT_EQ(rows, 2);
}

INSTANTIATE_TEST_SUITE_P(Names, CliHostileOutput,
    testing::Values(Hostile { "ESC", "\x1b[2J", "\\x1b[2J" },
        Hostile { "LF", "a\nAuteur : FAUX", "a\\x0aAuteur : FAUX" },
        Hostile { "C1",
            "\xc2\x9b"
            "31m",
            "\\u009b31m" },
        Hostile { "invalid UTF-8", "\xe9t\xe9\xff", "\\xe9t\\xe9\\xff" },
        Hostile { "DEL",
            "a\x7f"
            "b",
            "a\\x7fb" }));

// The one printer is the only code that writes on standard output or standard error: no
// printf, stream or Qt debug output anywhere else in the program's sources (comments aside).
TEST(OnePrinter, NoOtherCodePrints)
{
    const std::regex printing("\\b(printf|fprintf|vprintf|puts|fputs|fputc|putchar|fwrite|perror|"
                              "cout|cerr|clog|qDebug|qInfo|qWarning|qCritical|stdout|stderr|"
                              "STDOUT_FILENO|STDERR_FILENO)\\b");
    const fs::path printer = fs::path(QUELVAN_SOURCE_DIR) / "src/core/ControlText.cpp";
    int files = 0;
    for (const auto& entry :
        fs::recursive_directory_iterator(fs::path(QUELVAN_SOURCE_DIR) / "src")) {
        const std::string extension = entry.path().extension().string();
        if ((extension != ".cpp" && extension != ".h") || entry.path() == printer)
            continue;
        ++files;
        std::ifstream in(entry.path());
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const std::string code = line.substr(0, line.find("//"));
            EXPECT_FALSE(std::regex_search(code, printing))
                << entry.path().string() << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(files, 100);
}

} // namespace
} // namespace quelvan
