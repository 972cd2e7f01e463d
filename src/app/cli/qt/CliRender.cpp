// quelvan-cli render: draws a project's wall section and, after a full calculation, the
// in-wall temperature profile and the surface flux-density plot, as PNG images. The same
// drawables and Draw calls serve the screen and the printed report.
#include "app/cli/CliCommands.h"
#include "app/cli/CliSupport.h"
#include "app/cli/qt/CliGui.h"

#include "core/MessageSink.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/EngineState.h"
#include "graphics/CWallDrawing.h"
#include "graphics/FluxDensityPlot.h"
#include "graphics/ProfileChart.h"
#include "model/KslDoc.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace quelvan::cli {

namespace {

constexpr const char* kUsage
    = "Usage : quelvan-cli render FICHIER.ksl --wall IMAGE.png [--profile IMAGE.png] "
      "[--flux IMAGE.png] [--size LxH] [--weather-dir DOSSIER]";
constexpr int kMinimumSide = 50;
constexpr int kMaximumSide = 8000;
constexpr int kLegendHeight = 40;

struct RenderOptions {
    std::string project;
    std::string wall;
    std::string profile;
    std::string flux;
    std::string weatherDirectory;
    int width = 800;
    int height = 600;
};

// "800x600": two whole numbers within the accepted sides.
bool ParseSize(const std::string& text, int& width, int& height)
{
    const size_t cut = text.find_first_of("xX");
    if (cut == std::string::npos)
        return false;
    int w = 0;
    int h = 0;
    const std::string ws = text.substr(0, cut);
    const std::string hs = text.substr(cut + 1);
    if (ws.empty() || hs.empty() || !ParseInt(ws, w) || !ParseInt(hs, h))
        return false;
    if (w < kMinimumSide || h < kMinimumSide || w > kMaximumSide || h > kMaximumSide)
        return false;
    width = w;
    height = h;
    return true;
}

std::optional<RenderOptions> ParseOptions(const Args& args)
{
    RenderOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--wall" && hasValue)
            o.wall = args[++i];
        else if (a == "--profile" && hasValue)
            o.profile = args[++i];
        else if (a == "--flux" && hasValue)
            o.flux = args[++i];
        else if (a == "--weather-dir" && hasValue)
            o.weatherDirectory = args[++i];
        else if (a == "--size" && hasValue) {
            if (!ParseSize(args[++i], o.width, o.height))
                return std::nullopt;
        } else if (!a.empty() && a.front() != '-' && o.project.empty())
            o.project = a;
        else
            return std::nullopt;
    }
    if (o.project.empty() || (o.wall.empty() && o.profile.empty() && o.flux.empty()))
        return std::nullopt;
    return o;
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

QImage RenderProfile(const EngineState& engine, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    graphics::ProfileChart chart;
    const NodeProfiles& nodes = engine.Nodes();
    const auto labels = engine.AbscissaLabels();
    chart.SetAbscissa(labels[0], labels[1], nodes.x, engine.TotalThickness());
    chart.SetProfiles(
        nodes.T, nodes.Tmin, nodes.Tmax, engine.Bounds().lower, engine.Bounds().upper);
    MapToCentredSquare(chart.Chart(), width, height);
    QPainter painter(&image);
    chart.Chart().Draw(painter);
    return image;
}

QImage RenderFlux(const EngineState& engine, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    graphics::FluxDensityPlot plot;
    plot.Update(engine.Hours(), engine.Series(SeriesId::InteriorSurfaceFlux),
        engine.Series(SeriesId::ExteriorSurfaceFlux));
    QPainter painter(&image);
    plot.Paint(painter, image.size(), kLegendHeight);
    return image;
}

bool Write(const QImage& image, const std::string& path)
{
    if (SavePng(image, path)) {
        std::printf("Image : %s (%d x %d)\n", path.c_str(), image.width(), image.height());
        return true;
    }
    PrintError(std::string(msg::kImageNotWritten) + " : " + path);
    return false;
}

} // namespace

int CommandRender(const Args& args)
{
    const std::optional<RenderOptions> options = ParseOptions(args);
    if (!options) {
        PrintError(kUsage);
        return 2;
    }
    const std::unique_ptr<QGuiApplication> application = MakeOffscreenApplication();
    KslDoc doc;
    if (!ReadProjectForBatch(doc, options->project))
        return 1;
    bool ok = true;
    if (!options->wall.empty())
        ok = Write(RenderWall(doc, options->width, options->height), options->wall) && ok;
    if (options->profile.empty() && options->flux.empty())
        return ok ? 0 : 1;

    NullMessageSink quiet;
    EngineState engine(quiet);
    if (!RunWeek(doc, engine, options->project, options->weatherDirectory))
        return 1;
    if (!options->profile.empty())
        ok = Write(RenderProfile(engine, options->width, options->height), options->profile) && ok;
    if (!options->flux.empty())
        ok = Write(RenderFlux(engine, options->width, options->height), options->flux) && ok;
    return ok ? 0 : 1;
}

} // namespace quelvan::cli
