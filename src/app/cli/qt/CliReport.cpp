// quelvan-cli report: reads a project, runs the whole week without pacing and writes the
// printed report as a PDF document.
#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"
#include "app/cli/qt/CliGui.h"

#include "core/Messages.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "model/KslDoc.h"
#include "printing/ReportJob.h"
#include "printing/ReportPages.h"
#include "printing/ReportPrinter.h"

#include <QDateTime>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

constexpr const char* kUsage
    = "Usage : quelvan-cli report FICHIER.ksl [-o FICHIER.pdf] [--parts 0,1,2,3,4] "
      "[--weather-dir DOSSIER] [--date AAAA-MM-JJTHH:MM]";

struct ReportOptions {
    std::string project;
    std::string output;
    std::string weatherDirectory;
    std::optional<printing::PrintFlags> parts;
    std::optional<QDateTime> date;
};

// "0,1,2,3,4": the print-choice flags to set, each from 0 to 4, at least one.
std::optional<printing::PrintFlags> ParseParts(const std::string& text)
{
    printing::PrintFlags flags {};
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        int flag = -1;
        if (!ParseInt(text.substr(start, comma - start), flag) || flag < 0 || flag > 4)
            return std::nullopt;
        flags[static_cast<size_t>(flag)] = 1;
        start = comma + 1;
    }
    return flags;
}

std::optional<ReportOptions> ParseOptions(const Args& args)
{
    ReportOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "-o" && hasValue) {
            options.output = args[++i];
        } else if (a == "--weather-dir" && hasValue) {
            options.weatherDirectory = args[++i];
        } else if (a == "--parts" && hasValue) {
            options.parts = ParseParts(args[++i]);
            if (!options.parts)
                return std::nullopt;
        } else if (a == "--date" && hasValue) {
            const QDateTime date
                = QDateTime::fromString(QString::fromStdString(args[++i]), Qt::ISODate);
            if (!date.isValid())
                return std::nullopt;
            options.date = date;
        } else if (!a.empty() && a.front() != '-' && options.project.empty()) {
            options.project = a;
        } else {
            return std::nullopt;
        }
    }
    if (options.project.empty())
        return std::nullopt;
    return options;
}

} // namespace

int CommandReport(const Args& args)
{
    const std::optional<ReportOptions> options = ParseOptions(args);
    if (!options) {
        PrintError(kUsage);
        return 2;
    }
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options->project))
        return 1;
    const printing::PrintFlags flags = options->parts.value_or(doc.printChoices);
    const std::string refusal = printing::PrintRefusal(true, flags);
    if (!refusal.empty()) {
        PrintError(refusal);
        return 1;
    }

    NotesToStandardError notes;
    EngineState engine(notes);
    const std::optional<CalculationInputs> inputs
        = RunWeek(doc, engine, options->project, options->weatherDirectory);
    if (!inputs)
        return 1;

    const std::unique_ptr<QGuiApplication> application = MakeOffscreenApplication();
    printing::ReportPrinter report(doc, *inputs, engine.Snapshot());
    report.SetFlags(flags);
    if (options->date)
        report.SetPrintTime(*options->date);
    const std::string output
        = options->output.empty() ? doc.pathWithoutExtension + ".pdf" : options->output;
    if (!printing::ExportReportPdf(report, output)) {
        PrintError(std::string(msg::kReportNotWritten) + " : " + output);
        return 1;
    }
    std::printf("Rapport : %s (%d page%s)\n", output.c_str(), report.PageCount(),
        report.PageCount() > 1 ? "s" : "");
    return 0;
}

} // namespace quelvan::cli
