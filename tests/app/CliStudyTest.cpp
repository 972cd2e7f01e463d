// quelvan-cli compare and sweep: CSV that a spreadsheet reads, JSON Lines with the documented
// keys, the same bytes whatever the jobs, shards merged equal to the whole, compare of the
// variants' own files equal to the sweep, refusals with exit 2, a refused variant in its row.
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quelvan {
namespace {

const std::vector<std::string> kWeekKeys { "u", "f", "shift_h", "kappa_int", "kappa_ext",
    "week_tsi_max", "week_peak_flux_w_m2", "week_tsi_daily_range", "week_gain_wh_m2",
    "week_loss_wh_m2" };
const std::vector<std::string> kYearKeys { "loss_kwh_m2", "gain_kwh_m2", "net_kwh_m2",
    "hours_tsi_above_26", "frsi_min" };

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

std::vector<std::string> Keys(const nlohmann::ordered_json& object)
{
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items())
        keys.push_back(key);
    return keys;
}

class CliStudy : public test::CliFixture {
protected:
    void SetUp() override { ASSERT_EQ(Run("new mur.ksl"), 0) << err_; }
};

TEST_F(CliStudy, SweepCsvHasTheKeysTheVariedValuesFirstAndOneRowPerVariant)
{
    ASSERT_EQ(Run("sweep mur.ksl --layer 2 --thickness 20:300:20 --csv"), 0) << err_;
    const std::vector<std::string> lines = Lines(out_);
    ASSERT_EQ(lines.size(), 16u);
    std::vector<std::string> header { "index", "layer2_thickness_mm" };
    header.insert(header.end(), kWeekKeys.begin(), kWeekKeys.end());
    header.push_back("error");
    EXPECT_EQ(Fields(lines[0]), header);
    double previousU = 1e9;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> row = Fields(lines[i]);
        ASSERT_EQ(row.size(), header.size()) << lines[i];
        EXPECT_EQ(row[0], std::to_string(i - 1));
        EXPECT_EQ(row[1], std::to_string(20 * i));
        const double u = std::stod(row[2]);
        EXPECT_LT(u, previousU);
        previousU = u;
        EXPECT_EQ(row.back(), "");
    }
    EXPECT_EQ(err_, "");
}

TEST_F(CliStudy, JobsShardsAndOutputFileGiveTheSameBytes)
{
    const std::string sweep = "sweep mur.ksl --layer 2 --thickness 20:100:20 --reverse ";
    for (const std::string format : { "--csv", "--json", "" }) {
        ASSERT_EQ(Run(sweep + format + " --jobs 1"), 0) << err_;
        const std::string whole = out_;
        ASSERT_EQ(Run(sweep + format + " --jobs 2"), 0) << err_;
        EXPECT_EQ(out_, whole) << format;
        ASSERT_EQ(Run(sweep + format + " -o etude.txt"), 0) << err_;
        EXPECT_EQ(test::ReadBytes(File("etude.txt")), whole) << format;
        EXPECT_EQ(out_, "Étude : etude.txt (10 variantes calculées)\n");

        // Each shard repeats the header lines; its rows, sorted by index, make the whole.
        const std::size_t headerLines = format == "--csv" ? 1 : format == "" ? 2 : 0;
        std::map<long, std::string> rows;
        std::vector<std::string> header;
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(Run(sweep + format + " --shard " + std::to_string(k) + "/3"), 0) << err_;
            const std::vector<std::string> lines = Lines(out_);
            header.assign(lines.begin(), lines.begin() + static_cast<long>(headerLines));
            for (std::size_t i = headerLines; i < lines.size(); ++i) {
                const std::size_t start = format == "--json" ? lines[i].find(':') + 1 : 0;
                const long index = std::stol(lines[i].substr(start));
                EXPECT_EQ(index % 3, k);
                EXPECT_TRUE(rows.emplace(index, lines[i]).second);
            }
        }
        std::string merged;
        for (const std::string& line : header)
            merged += line + "\n";
        for (const auto& [index, line] : rows)
            merged += line + "\n";
        EXPECT_EQ(merged, whole) << format;
    }
}

TEST_F(CliStudy, CompareOfTheVariantsOwnFilesEqualsTheSweep)
{
    // The variants of 120 mm as built and reversed, written as projects of their own.
    KslDoc thick;
    thick.layers.At(1).SetThickness("120");
    ASSERT_EQ(WriteProjectFile(thick, File("epais.ksl")), WriteResult::Ok);
    auto layers = thick.layers.TakeAll();
    std::reverse(layers.begin(), layers.end());
    thick.layers.Replace(std::move(layers));
    ASSERT_EQ(WriteProjectFile(thick, File("inverse.ksl")), WriteResult::Ok);

    ASSERT_EQ(Run("compare epais.ksl inverse.ksl --json --annual"), 0) << err_;
    const std::vector<std::string> compared = Lines(out_);
    ASSERT_EQ(Run("sweep mur.ksl --layer 2 --thickness 120 --reverse --json --annual"), 0) << err_;
    const std::vector<std::string> swept = Lines(out_);
    ASSERT_EQ(compared.size(), 2u);
    ASSERT_EQ(swept.size(), 2u);
    std::vector<std::string> keys { "index", "project" };
    keys.insert(keys.end(), kWeekKeys.begin(), kWeekKeys.end());
    keys.insert(keys.end(), kYearKeys.begin(), kYearKeys.end());
    keys.push_back("error");
    for (std::size_t i = 0; i < 2; ++i) {
        const auto a = nlohmann::ordered_json::parse(compared[i]);
        const auto b = nlohmann::ordered_json::parse(swept[i]);
        EXPECT_EQ(Keys(a), keys);
        EXPECT_EQ(b["layer2_thickness_mm"], 120.0);
        EXPECT_EQ(b["reversed"], i == 1);
        for (const std::vector<std::string>* group : { &kWeekKeys, &kYearKeys })
            for (const std::string& key : *group)
                EXPECT_EQ(a[key], b[key]) << key; // the same doubles, printed to the last bit
        EXPECT_TRUE(a["error"].is_null());
    }
}

TEST_F(CliStudy, RefusalsExitWithTwoAndTheirMessage)
{
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        { "sweep mur.ksl --layer 4 --thickness 80",
            "--layer : la paroi n'a pas de couche 4 (couches 1 à 3)" },
        { "sweep mur.ksl --layer 1 --material Granit",
            "--material : le matériau « Granit » n'est pas dans la bibliothèque du projet" },
        { "sweep mur.ksl --layer 2 --thickness 1:20000:1 --azimuth all",
            "L'étude compte 160 000 variantes, plus de 100 000 : ajouter --force pour la lancer "
            "quand même" },
        { "sweep mur.ksl --thickness 80", "--thickness : --layer N doit le précéder" },
        { "sweep mur.ksl --layer 2", "--layer 2 : --thickness ou --material doit suivre" },
        { "sweep mur.ksl", "Rien à faire varier" },
        { "sweep mur.ksl --reverse --shard 3/3", "--shard : « 3/3 » n'est pas une part K/N" },
        { "sweep mur.ksl --reverse --jobs 0", "--jobs : « 0 » n'est pas un nombre de tâches" },
        { "compare mur.ksl --json --csv", "--json et --csv : choisir l'un des deux formats" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.arguments), 2) << c.arguments;
        EXPECT_EQ(err_.rfind(c.message, 0), 0u) << c.arguments << "\n" << err_;
        EXPECT_EQ(out_, "") << c.arguments;
    }
    EXPECT_EQ(Run("sweep mur.ksl --reverse -o mur.ksl"), 1);
    EXPECT_EQ(err_,
        "Écriture refusée : « mur.ksl » est le fichier lu « mur.ksl » : il serait remplacé\n");
    // An output that could not be written is refused before the study, not after it.
    EXPECT_EQ(Run("sweep mur.ksl --reverse -o absent/etude.csv --csv"), 1);
    EXPECT_EQ(
        err_, "Écriture refusée : « absent/etude.csv » : le dossier « absent » n'existe pas\n");
    EXPECT_EQ(out_, "");
}

// A study (or any table) that could not be written to standard output, a full disk here, is no
// success: a script or a cluster's job chain must see it fail.
TEST_F(CliStudy, WhatCouldNotBePrintedEndsInFailure)
{
    for (const std::string arguments :
        { "sweep mur.ksl --reverse --csv", "compare mur.ksl --json", "check mur.ksl" }) {
        const std::string command = "cd '" + folder_.string() + "' && '" + QUELVAN_CLI_PATH + "' "
            + arguments + " >/dev/full 2>err.txt";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << arguments;
        EXPECT_EQ(WEXITSTATUS(status), 1) << arguments;
        EXPECT_NE(test::ReadBytes(File("err.txt")).find("Erreur d'écriture sur la sortie standard"),
            std::string::npos)
            << arguments;
    }
    EXPECT_EQ(Run("check mur.ksl"), 0);
}

TEST_F(CliStudy, RefusedVariantsHaveTheirMessageInTheirRow)
{
    const std::string refusal = "Couche 2 (Laine de verre) : épaisseur « 0 » hors limites (de "
                                "0,001 à 10000 mm) : calcul impossible";
    ASSERT_EQ(Run("sweep mur.ksl --layer 2 --thickness 0,50 --csv"), 0) << err_;
    std::vector<std::string> lines = Lines(out_);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "0,0,,,,,,,,,,,\"" + refusal + "\"");
    EXPECT_EQ(Fields(lines[2]).back(), "");
    ASSERT_EQ(Run("compare mur.ksl absent.ksl"), 0) << err_;
    lines = Lines(out_);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], " 1  absent.ksl  Erreur en lecture : fichier introuvable");
    // A name that is not UTF-8 still gives JSON that parses.
    ASSERT_EQ(Run("compare '\xe9t\xe9.ksl' --json"), 0) << err_;
    const auto row = nlohmann::json::parse(out_);
    EXPECT_EQ(row["project"], "\xef\xbf\xbdt\xef\xbf\xbd.ksl");
    EXPECT_EQ(row["error"], "Erreur en lecture : fichier introuvable");
}

// A text cell that a spreadsheet would run as a formula gets a leading "'"; numbers, negative
// ones too, stay numbers.
TEST_F(CliStudy, CsvTextCellsAreNeverFormulas)
{
    const struct {
        const char* name;
        const char* cell;
    } cases[] = {
        { "=HYPERLINK(\"http:evil\")", "\"'=HYPERLINK(\"\"http:evil\"\")\"" },
        { "@SUM(1).ksl", "'@SUM(1).ksl" },
        { "+1.ksl", "'+1.ksl" },
        { "-2.ksl", "'-2.ksl" },
        { "a=b.ksl", "a=b.ksl" },
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Run(std::string("compare --csv -- '") + c.name + "'"), 0) << err_;
        const std::vector<std::string> lines = Lines(out_);
        ASSERT_EQ(lines.size(), 2u) << out_;
        EXPECT_EQ(lines[1].rfind(std::string("0,") + c.cell + ",", 0), 0u) << lines[1];
    }
    ASSERT_EQ(Run("sweep mur.ksl --azimuth -90 --csv"), 0) << err_;
    const std::vector<std::string> lines = Lines(out_);
    ASSERT_EQ(lines.size(), 2u) << out_;
    EXPECT_EQ(lines[1].rfind("0,-90,", 0), 0u) << lines[1];
}

// A --layer with no value of its own before another --layer is refused, not dropped.
TEST_F(CliStudy, ALayerWithoutValuesBeforeAnotherIsRefused)
{
    EXPECT_EQ(Run("sweep mur.ksl --layer 2 --layer 3 --thickness 80"), 2);
    EXPECT_EQ(err_.rfind("--layer 2 : --thickness ou --material doit suivre", 0), 0u) << err_;
    EXPECT_EQ(out_, "");
}

// A material whose name holds a comma is named in double quotes, as a CSV cell is.
TEST_F(CliStudy, AQuotedMaterialNameHoldsItsCommas)
{
    KslDoc doc;
    ASSERT_EQ(ReadProjectFile(doc, File("mur.ksl")), Failure::None);
    doc.AddMaterial(3020, 3, "Brique, pleine", "0.84", "1800", "840");
    doc.AddMaterial(3021, 4, "Bloc 20\"", "1.1", "1300", "1000");
    ASSERT_EQ(WriteProjectFile(doc, File("mur.ksl")), WriteResult::Ok);
    ASSERT_EQ(
        Run("sweep mur.ksl --layer 1 --material '\"Brique, pleine\",Laine de verre,Bloc 20\"' "
            "--csv"),
        0)
        << err_;
    const std::vector<std::string> lines = Lines(out_);
    ASSERT_EQ(lines.size(), 4u) << out_;
    EXPECT_EQ(lines[1].rfind("0,\"Brique, pleine\",", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("1,Laine de verre,", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3].rfind("2,\"Bloc 20\"\"\",", 0), 0u) << lines[3];
    EXPECT_EQ(Run("sweep mur.ksl --layer 1 --material '\"Brique, pleine'"), 2);
    EXPECT_EQ(err_.rfind("--material : guillemets mal fermés dans « \"Brique, pleine »", 0), 0u)
        << err_;
}

// Every angle of the table is taken on either side of the half-turn, and Nord-Est by its
// compass angle too; the table's names in any case.
TEST_F(CliStudy, OrientationsAreTakenOnEitherSideOfTheHalfTurn)
{
    ASSERT_EQ(Run("sweep mur.ksl --azimuth 180,-180,-145,215,-135,135,-225,nord-est,SUD --csv"), 0)
        << err_;
    const std::vector<std::string> lines = Lines(out_);
    ASSERT_EQ(lines.size(), 10u) << out_;
    const char* expected[] = { "180", "180", "-145", "-145", "-145", "135", "135", "-145", "0" };
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(Fields(lines[i + 1])[1], expected[i]) << lines[i + 1];
    for (const char* refused : { "-136", "181", "-360", "1e2" }) {
        EXPECT_EQ(Run(std::string("sweep mur.ksl --azimuth ") + refused), 2) << refused;
        EXPECT_EQ(err_.rfind(std::string("--azimuth : « ") + refused, 0), 0u) << err_;
    }
}

} // namespace
} // namespace quelvan
