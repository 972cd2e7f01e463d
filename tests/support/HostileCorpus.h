#pragma once

// The hostile corpus of tests/data/hostile: its project files and, from the folder's README
// table (the manifest), the outcome each must have. The runners of the command-line tool and
// of the library share it; a new command or a new kind of file adds a runner or a row.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace quelvan::test {

inline const std::filesystem::path kHostileCorpus
    = std::filesystem::path(QUELVAN_TEST_DATA_DIR) / "hostile";

// What must come of one project: a refusal with its exact message, or finite results.
struct HostileOutcome {
    std::string message; // "résultats finis" for finite results

    bool Finite() const { return message == "résultats finis"; }
    // Refused when a weather file is read: by the calculation only, not by `check`.
    bool WeatherRefusal() const
    {
        return message.starts_with("Erreur en lecture du fichier météo : ");
    }
    // Refused when the project file is read.
    bool ReadRefusal() const { return message.starts_with("Erreur en lecture : "); }
};

// File name -> outcome, from the rows "| file.ksl | what is wrong | outcome |".
inline std::map<std::string, HostileOutcome> HostileManifest()
{
    std::map<std::string, HostileOutcome> rows;
    std::ifstream readme(kHostileCorpus / "README.md");
    for (std::string line; std::getline(readme, line);) {
        const size_t fileEnd = line.find(".ksl |");
        const size_t outcomeStart = line.rfind(" | ", line.size() - 3);
        if (line.starts_with("| ") && fileEnd != std::string::npos && outcomeStart > fileEnd)
            rows[line.substr(2, fileEnd + 2)]
                = { line.substr(outcomeStart + 3, line.size() - outcomeStart - 5) };
    }
    return rows;
}

// The project files of the corpus, in name order.
inline std::vector<std::string> HostileProjects()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(kHostileCorpus))
        if (entry.path().extension() == ".ksl")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace quelvan::test
