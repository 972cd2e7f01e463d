// quelvan-cli report: reads a project, runs the whole week without pacing and writes the
// printed report as a PDF document.
#include "app/cli/CliCommands.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NFileName.h"
#include "core/NumberText.h"
#include "engine/EngineState.h"
#include "engine/WeatherFiles.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "printing/ReportJob.h"
#include "printing/ReportPages.h"
#include "printing/ReportPrinter.h"

#include <QDateTime>
#include <QGuiApplication>
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

void PrintError(const std::string& text)
{
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
}

// Solver progress lines are dropped; other notes go to standard error.
class NotesToStandardError final : public MessageSink {
public:
    void Message(std::string_view text) override
    {
        if (!text.empty() && text.front() == '\b')
            return;
        PrintError(std::string(text));
    }
};

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

// The offscreen platform lets the report be drawn without a display.
std::unique_ptr<QGuiApplication> MakeApplication()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quelvan-cli";
    static char* argv[] = { name, nullptr };
    return std::make_unique<QGuiApplication>(argc, argv);
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
    if (ReadProjectFile(doc, options->project) != kReadOk) {
        PrintError(msg::kReadError);
        return 1;
    }
    doc.SetPath(options->project);
    const printing::PrintFlags flags = options->parts.value_or(doc.printChoices);
    const std::string refusal = printing::PrintRefusal(true, flags);
    if (!refusal.empty()) {
        PrintError(refusal);
        return 1;
    }

    WeatherSearch search;
    search.explicitDirectory = options->weatherDirectory;
    search.projectDirectory = NFileName(options->project).Directory();
    CalculationInputs inputs = InputsFromDocument(doc, search);
    if (inputs.initialTemperatureMode == 1) {
        PrintError(msg::kNoPreviousCalculation);
        inputs.initialTemperatureMode = 0;
    }
    NotesToStandardError notes;
    EngineState engine(notes);
    const int code = engine.PrepareCalculation(doc, inputs);
    if (code != kEngineOk) {
        PrintError(EngineErrorMessage(code));
        return 1;
    }
    for (int step = 0; step < kRunHours && engine.CanAdvance(); ++step)
        engine.AdvanceHour(doc, true, true);

    const std::unique_ptr<QGuiApplication> application = MakeApplication();
    printing::ReportPrinter report(doc, inputs, engine.Snapshot());
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
