// quelvan-cli report: reads a project, runs the whole week without pacing and writes the
// printed report as a PDF document.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"
#include "app/cli/qt/CliGui.h"
#include "graphics/QtStrings.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "engine/annual/AnnualBalance.h"
#include "engine/moisture/MoistureStudy.h"
#include "model/KslDoc.h"
#include "model/WallComposition.h"
#include "printing/ReportJob.h"
#include "printing/ReportPages.h"
#include "printing/ReportPrinter.h"

#include <QDateTime>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

// What --parts chooses: print-choice flags, the annual balance page and the condensation page.
struct ReportParts {
    printing::PrintFlags flags {};
    bool annualBalance = false;
    bool condensation = false;
};

constexpr const char* kAnnualPart = "annuel";
constexpr const char* kCondensationPart = "condensation";

struct ReportOptions {
    std::string project;
    std::string output;
    std::string weatherDirectory;
    std::optional<ReportParts> parts;
    std::optional<QDateTime> date;
    bool fine = false;
    bool force = false;
};

// "0,1,2,3,4,annuel,condensation": the print-choice flags to set, each from 0 to 4, the annual
// balance page and the condensation page; at least one.
std::optional<ReportParts> ParseParts(const std::string& text)
{
    ReportParts parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string part = text.substr(start, comma - start);
        int flag = -1;
        if (part == kAnnualPart)
            parts.annualBalance = true;
        else if (part == kCondensationPart)
            parts.condensation = true;
        else if (ParseInt(part, flag) && flag >= 0 && flag <= 4)
            parts.flags[static_cast<size_t>(flag)] = 1;
        else
            return std::nullopt;
        start = comma + 1;
    }
    return parts;
}

std::optional<QDateTime> ParseDate(const std::string& text)
{
    const QDateTime date = QDateTime::fromString(ToQ(text), Qt::ISODate);
    return date.isValid() ? std::optional<QDateTime>(date) : std::nullopt;
}

int Report(const ReportOptions& options)
{
    const std::string output
        = options.output.empty() ? printing::ReportPdfPathFor(options.project) : options.output;
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project)
        || !OutputsAreSafe(FilesReadByRun(options.project, doc, options.weatherDirectory),
            { output }, options.force))
        return kExitFailure;
    const printing::PrintFlags flags = options.parts ? options.parts->flags : doc.printChoices;
    const bool annualBalance = options.parts && options.parts->annualBalance;
    const bool condensation = options.parts && options.parts->condensation;
    const std::string refusal = printing::PrintRefusal(true, flags, annualBalance || condensation);
    if (!refusal.empty()) {
        PrintError(refusal);
        return kExitFailure;
    }

    NotesToStandardError notes;
    EngineState engine(notes);
    const std::optional<CalculationInputs> inputs
        = RunWeek(doc, engine, options.weatherDirectory, ModeOf(options.fine));
    if (!inputs)
        return kExitFailure;

    const std::unique_ptr<QGuiApplication> application = MakeOffscreenApplication();
    printing::ReportPrinter report(doc, *inputs, engine.View());
    report.SetFlags(flags);
    if (annualBalance) {
        // The year of the project as the week ran it, in the fine mode; a year that cannot be
        // computed prints its reason on the page.
        std::string error;
        const auto problem
            = annual::PrepareAnnualBalance(doc, *inputs, CalculationMode::Fine, &error);
        auto year = problem ? annual::RunAnnualBalance(*problem) : std::nullopt;
        if (problem && !year)
            error = msg::kInternalError;
        report.SetAnnualBalance(
            std::move(year), error, WallAndWeather(doc, inputs->exteriorAmbiance));
    }
    if (condensation) {
        // The check `condensation` makes on the project; a refusal prints its reason.
        moisture::StudyOutcome outcome = moisture::RunStudy(doc, *inputs, {});
        report.SetCondensation(std::move(outcome.study), outcome.message);
    }
    if (options.date)
        report.SetPrintTime(*options.date);
    if (!printing::ExportReportPdf(report, output)) {
        PrintError(std::string(msg::kReportNotWritten) + " : " + output);
        return kExitFailure;
    }
    PrintLine("Rapport : " + output + " (" + FormatInt("%d", report.PageCount()) + " page"
        + (report.PageCount() > 1 ? "s" : "") + ")");
    return kExitOk;
}

} // namespace

void DeclareReport(CommandLine& commands)
{
    auto options = std::make_shared<ReportOptions>();
    CLI::App& command = commands.Add(commands.Root(), "report",
        "calcule la semaine et écrit le rapport imprimé en PDF",
        [options](const CLI::App&) { return Report(*options); });
    AddProjectArgument(command, options->project, "le projet à calculer et imprimer");
    AddOutputOption(command, "-o", options->output, "FICHIER.pdf",
        "le rapport à écrire (par défaut le projet, sa dernière extension remplacée par .pdf)");
    AddReadOption<ReportParts>(command, "--parts", options->parts, ParseParts, "0,1,2,3,4",
        "les parties à imprimer (par défaut les choix d'impression du projet) ; « annuel » ajoute "
        "le bilan annuel, « condensation » le risque de condensation",
        "une liste de numéros de 0 à 4, « annuel » ou « condensation » séparés par des virgules");
    AddWeatherDirectoryOption(command, options->weatherDirectory);
    AddReadOption<QDateTime>(command, "--date", options->date, ParseDate, "AAAA-MM-JJTHH:MM",
        "la date d'impression écrite dans le rapport (par défaut maintenant)",
        "une date et une heure AAAA-MM-JJTHH:MM");
    AddFineFlag(command, options->fine);
    AddForceFlag(command, options->force);
}

} // namespace quelvan::cli
