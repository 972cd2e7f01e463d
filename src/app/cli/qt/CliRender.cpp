// quelvan-cli render: draws a project's wall section and, after a full calculation, the
// in-wall temperature profile and the surface flux-density plot, as PNG images. The same
// drawables and Draw calls serve the screen and the printed report.
#include "app/cli/CliArguments.h"
#include "app/cli/CliBatch.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliOutputs.h"
#include "app/cli/CliPrint.h"
#include "app/cli/qt/CliGui.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/EngineState.h"
#include "graphics/CWallDrawing.h"
#include "graphics/ChartStyle.h"
#include "graphics/FluxDensityPlot.h"
#include "graphics/ProfileChart.h"
#include "model/KslDoc.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

constexpr int kMinimumSide = 50;
constexpr int kMaximumSide = 8000;
constexpr QSize kDefaultSize(800, 600);

struct RenderOptions {
    std::string project;
    std::string wall;
    std::string profile;
    std::string flux;
    std::string weatherDirectory;
    std::optional<QSize> size;
    bool fine = false;
    bool force = false;
};

// "800x600": two whole numbers within the accepted sides.
std::optional<QSize> ParseSize(const std::string& text)
{
    const size_t cut = text.find_first_of("xX");
    if (cut == std::string::npos)
        return std::nullopt;
    int w = 0;
    int h = 0;
    const std::string ws = text.substr(0, cut);
    const std::string hs = text.substr(cut + 1);
    if (ws.empty() || hs.empty() || !ParseInt(ws, w) || !ParseInt(hs, h))
        return std::nullopt;
    if (w < kMinimumSide || h < kMinimumSide || w > kMaximumSide || h > kMaximumSide)
        return std::nullopt;
    return QSize(w, h);
}

bool SavePng(const QImage& image, const std::string& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return false;
    return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

// A drawable that keeps its proportions (world square) is centred in the largest square.
void MapToCentredSquare(graphics::CDrawObject& drawable, int width, int height)
{
    const int side = std::min(width, height);
    drawable.SetDeviceMapping((width - side) / 2, (height - side) / 2, side, -side);
}

QImage RenderWall(const KslDoc& doc, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    graphics::CWallDrawing drawing(&doc);
    MapToCentredSquare(drawing, width, height);
    QPainter painter(&image);
    drawing.Draw(painter);
    return image;
}

QImage RenderProfile(const RunView& run, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    graphics::ProfileChart chart;
    chart.ShowRun(run);
    MapToCentredSquare(chart.Chart(), width, height);
    QPainter painter(&image);
    chart.Chart().Draw(painter);
    return image;
}

QImage RenderFlux(const RunView& run, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(graphics::style::WindowGround());
    graphics::FluxDensityPlot plot;
    plot.ShowRun(run);
    QPainter painter(&image);
    plot.Paint(painter, image.size(), graphics::style::kLegendHeight);
    return image;
}

bool Write(const QImage& image, const std::string& path)
{
    if (SavePng(image, path)) {
        PrintLine("Image : " + path + " (" + FormatInt("%d", image.width()) + " x "
            + FormatInt("%d", image.height()) + ")");
        return true;
    }
    PrintError(std::string(msg::kImageNotWritten) + " : " + path);
    return false;
}

int Render(const CLI::App& command, const RenderOptions& options)
{
    if (options.wall.empty() && options.profile.empty() && options.flux.empty())
        return UsageError(command, "Aucune image demandée : indiquer --wall, --profile ou --flux");
    const int width = options.size.value_or(kDefaultSize).width();
    const int height = options.size.value_or(kDefaultSize).height();
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options.project)
        || !OutputsAreSafe(FilesReadByRun(options.project, doc, options.weatherDirectory),
            { options.wall, options.profile, options.flux }, options.force)
        || !CheckCalculationForBatch(doc))
        return kExitFailure;
    const std::unique_ptr<QGuiApplication> application = MakeOffscreenApplication();
    bool ok = true;
    if (!options.wall.empty())
        ok = Write(RenderWall(doc, width, height), options.wall) && ok;
    if (options.profile.empty() && options.flux.empty())
        return ok ? kExitOk : kExitFailure;

    NullMessageSink quiet;
    EngineState engine(quiet);
    if (!RunWeek(doc, engine, options.weatherDirectory, ModeOf(options.fine)))
        return kExitFailure;
    if (!options.profile.empty())
        ok = Write(RenderProfile(engine.View(), width, height), options.profile) && ok;
    if (!options.flux.empty())
        ok = Write(RenderFlux(engine.View(), width, height), options.flux) && ok;
    return ok ? kExitOk : kExitFailure;
}

} // namespace

void DeclareRender(CommandLine& commands)
{
    auto options = std::make_shared<RenderOptions>();
    CLI::App& command = commands.Add(commands.Root(), "render",
        "dessine la paroi et, après le calcul, les courbes en images PNG",
        [options](const CLI::App& self) { return Render(self, *options); });
    AddProjectArgument(command, options->project, "le projet à dessiner");
    AddOutputOption(command, "--wall", options->wall, "IMAGE.png", "la coupe de la paroi");
    AddOutputOption(command, "--profile", options->profile, "IMAGE.png",
        "le profil des températures dans la paroi à la fin de la semaine, avec ses enveloppes");
    AddOutputOption(command, "--flux", options->flux, "IMAGE.png",
        "les densités de flux aux deux surfaces pendant la semaine");
    AddReadOption<QSize>(command, "--size", options->size, ParseSize, "LxH",
        "la taille des images en pixels (par défaut 800x600)",
        "une taille LxH de 50 à 8000 pixels de côté");
    AddWeatherDirectoryOption(command, options->weatherDirectory);
    AddFineFlag(command, options->fine);
    AddForceFlag(command, options->force);
    command.footer("Au moins une image est demandée.");
}

} // namespace quelvan::cli
