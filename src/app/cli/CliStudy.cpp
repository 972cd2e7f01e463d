#include "app/cli/CliStudy.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"
#include "app/cli/CommandLine.h"

#include "core/ControlText.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/CalculationInputs.h"
#include "engine/variants/StudyRunner.h"
#include "engine/variants/VariantStudy.h"
#include "engine/variants/VariantText.h"
#include "model/KslDoc.h"

#include <nlohmann/json.hpp>

#include <set>
#include <variant>

namespace quelvan::cli {

namespace {

// More threads than this is a typing error, not a machine.
constexpr int kMaxJobs = 4096;

std::optional<int> ReadJobs(const std::string& text)
{
    int jobs = 0;
    const bool digits = !text.empty() && text.size() <= 4
        && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || !ParseInt(text, jobs) || jobs < 1 || jobs > kMaxJobs)
        return std::nullopt;
    return jobs;
}

std::optional<Shard> ReadShard(const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return std::nullopt;
    const std::string k = text.substr(0, slash);
    const std::string n = text.substr(slash + 1);
    int index = 0, count = 0;
    for (const std::string* part : { &k, &n })
        if (part->empty() || part->size() > 9
            || part->find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
    if (!ParseInt(k, index) || !ParseInt(n, count) || count < 1 || index >= count)
        return std::nullopt;
    return Shard { static_cast<std::size_t>(index), static_cast<std::size_t>(count) };
}

// The files a study reads: the projects given, the weather files their weeks read and the
// moisture check's climate file, which no output may replace.
std::vector<std::string> FilesRead(const variants::VariantStudy& study,
    const std::vector<std::string>& projectFiles, const StudyCommandOptions& options)
{
    std::vector<std::string> files = projectFiles;
    if (options.moisture && !options.moistureOptions.climate.empty())
        files.push_back(options.moistureOptions.climate);
    WeatherSearch search;
    search.explicitDirectory = options.weatherDirectory;
    for (std::size_t p = 0; p < study.Projects().size(); ++p) {
        if (const std::unique_ptr<KslDoc> doc = study.BaseProject(p)) {
            const std::vector<std::string> weather
                = WeatherFilesRead(InputsFromDocument(*doc, search));
            files.insert(files.end(), weather.begin(), weather.end());
        }
    }
    return files;
}

nlohmann::ordered_json JsonRow(const std::vector<variants::StudyColumn>& columns,
    const variants::VariantStudy& study, const variants::VariantResult& result)
{
    nlohmann::ordered_json object;
    for (const variants::StudyColumn& column : columns) {
        const variants::Cell cell = variants::CellOf(column, study, result);
        nlohmann::ordered_json& value = object[column.key];
        if (const auto* number = std::get_if<double>(&cell))
            value = *number;
        else if (const auto* count = std::get_if<long long>(&cell))
            value = *count;
        else if (const auto* yes = std::get_if<bool>(&cell))
            value = *yes;
        else if (const auto* text = std::get_if<std::string>(&cell))
            value = *text;
        else
            value = nullptr;
    }
    return object;
}

// The keys of a JSON line, from the tables of the figures: the week's and the dynamic ones, the
// year's with --annual, the moisture check's with --moisture.
std::string JsonDescription()
{
    std::string always, annual, moisture;
    for (const variants::FigureColumn& figure : variants::kFigureColumns)
        (figure.annual ? annual : always) += std::string(", ") + figure.key;
    for (const moisture::SummaryColumn& column : moisture::kSummaryColumns)
        moisture += std::string(", ") + column.key;
    return "écrit une ligne JSON par variante (JSON Lines ; clés index, project ou valeurs "
           "variées"
        + always + ", avec --annual" + annual.substr(1) + ", avec --moisture" + moisture.substr(1)
        + ", puis error)";
}

// Whether a climate or interior option was given (they go with --moisture only).
bool MoistureOptionGiven(const MoistureCommandOptions& options)
{
    const moisture::InteriorChoice& i = options.interior;
    return !options.climate.empty() || i.relativeHumidity || i.humidityClass || i.vapourExcess
        || i.temperature;
}

// The figures a study computes: the week's, the year's with --annual, the moisture check with
// --moisture and its climate file read once; nothing, the file's fault printed, when it does not
// read.
std::optional<variants::FigureOptions> FiguresOf(const StudyCommandOptions& options)
{
    variants::FigureOptions figures;
    figures.annual = options.annual;
    figures.weather.explicitDirectory = options.weatherDirectory;
    if (options.moisture) {
        variants::MoistureStudy moisture { options.moistureOptions.interior, std::nullopt };
        if (!options.moistureOptions.climate.empty()) {
            moisture.climate = ClimateFromFile(options.moistureOptions.climate);
            if (!moisture.climate)
                return std::nullopt;
        }
        figures.moisture = moisture;
    }
    return figures;
}

// Where the rows go: each line printed as it comes, or kept for the output file.
class RowWriter {
public:
    explicit RowWriter(bool toFile)
        : toFile_(toFile)
    {
    }
    void Line(const std::string& line)
    {
        if (toFile_)
            text_ += ShowControls(line) + '\n';
        else
            PrintLine(line);
    }
    const std::string& Text() const { return text_; }

private:
    bool toFile_;
    std::string text_;
};

} // namespace

void AddStudyOptions(
    CLI::App& command, StudyCommandOptions& options, const std::string& forceDescription)
{
    AddForceFlag(command, options.force, forceDescription);
    command.add_flag("--annual", options.annual,
        "ajoute le bilan de l'année périodique (pertes, apports, net, heures au-dessus de "
        "26 °C, fRsi minimal), bien plus long que la semaine");
    AddReadOption<int>(command, "--jobs", options.jobs, ReadJobs, "N",
        "le nombre de tâches de calcul en parallèle (par défaut une par cœur)",
        "un nombre de tâches de 1 à 4096");
    AddReadOption<Shard>(command, "--shard", options.shard, ReadShard, "K/N",
        "ne calcule que les variantes dont le numéro vaut K modulo N (de 0 à N-1), pour "
        "partager l'étude entre plusieurs machines",
        "une part K/N avec 0 <= K < N");
    command.add_flag("--json", options.json, JsonDescription());
    command.add_flag("--csv", options.csv,
        "écrit un tableau CSV (en-tête des clés, virgule, point décimal), les valeurs variées "
        "en premier");
    AddOutputOption(command, "-o", options.output, "FICHIER",
        "écrit les lignes dans ce fichier plutôt qu'à l'écran");
    AddWeatherDirectoryOption(command, options.weatherDirectory);
    command.add_flag("--moisture", options.moisture,
        "ajoute la vérification hygrométrique de chaque variante (verdict de condensation, eau "
        "maximale et son mois, eau restante, f_Rsi et f_Rsi,max, heures au-dessus de 80 % avec "
        "un fichier météo), avec les options de climat et d'intérieur de condensation");
    AddMoistureOptions(command, options.moistureOptions);
}

int RunStudyCommand(const CLI::App& command, const variants::VariantStudy& study,
    const std::vector<std::string>& projectFiles, const StudyCommandOptions& options)
{
    if (options.json && options.csv)
        return UsageError(command, "--json et --csv : choisir l'un des deux formats");
    if (!options.moisture && MoistureOptionGiven(options.moistureOptions))
        return UsageError(command,
            "--climate, --interior-rh, --humidity-class, --vapour-excess et "
            "--interior-temperature vont avec --moisture");
    if (!OutputsAreSafe(FilesRead(study, projectFiles, options), { options.output }, options.force)
        || !OutputFoldersAreWritable({ options.output }))
        return kExitFailure;

    const std::optional<variants::FigureOptions> figures = FiguresOf(options);
    if (!figures)
        return kExitFailure;
    variants::RunOptions run;
    run.jobs = options.jobs.value_or(0);
    if (options.shard) {
        run.shardIndex = options.shard->index;
        run.shardCount = options.shard->count;
    }
    const std::vector<variants::StudyColumn> columns
        = variants::StudyColumns(study, options.annual, options.moisture);
    RowWriter rows(!options.output.empty());
    if (options.csv)
        rows.Line(variants::CsvHeader(columns));
    else if (!options.json)
        for (const std::string& line : variants::TableHeader(columns))
            rows.Line(line);
    std::set<std::string> notesShown;
    std::size_t computed = 0, refused = 0;
    variants::RunStudy(study, *figures, run, [&](variants::VariantResult&& result) {
        for (const std::string& note : result.outcome.notes)
            if (notesShown.insert(note).second)
                PrintError(note);
        (result.outcome.figures ? computed : refused) += 1;
        // A file name need not be UTF-8: its bytes outside UTF-8 become U+FFFD in the JSON,
        // and its DEL or C1 controls JSON escapes rather than the printer's.
        if (options.json)
            rows.Line(JsonControlsEscaped(
                JsonRow(columns, study, result)
                    .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)));
        else if (options.csv)
            rows.Line(variants::CsvRow(columns, study, result));
        else
            rows.Line(variants::TableRow(columns, study, result));
    });
    if (options.output.empty())
        return kExitOk;
    if (!WriteFileAtomically(options.output, rows.Text())) {
        PrintError("Le fichier de l'étude n'a pas pu être écrit : " + options.output);
        return kExitFailure;
    }
    PrintLine("Étude : " + options.output + " (" + std::to_string(computed) + " variante"
        + (computed > 1 ? "s" : "") + " calculée" + (computed > 1 ? "s" : "")
        + (refused > 0 ? ", " + std::to_string(refused) + " refusée" + (refused > 1 ? "s" : "")
                       : std::string())
        + ")");
    return kExitOk;
}

} // namespace quelvan::cli
