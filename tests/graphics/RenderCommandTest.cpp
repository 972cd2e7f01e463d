#include "GraphicsTestSupport.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quelvan::graphics {
namespace {

namespace fs = std::filesystem;

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("quelvan_render_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        project_ = (dir_ / "projet.ksl").string();
        ASSERT_EQ(Run("new " + project_), 0);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static int Run(const std::string& arguments)
    {
        const std::string command
            = std::string(QUELVAN_CLI_PATH) + " " + arguments + " > /dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Out(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
    std::string project_;
};

TEST_F(RenderCommand, WallImageShowsEveryLayerColour)
{
    ASSERT_EQ(Run("render " + project_ + " --wall " + Out("paroi.png")), 0);
    const QImage image(QString::fromStdString(Out("paroi.png")));
    ASSERT_EQ(image.size(), QSize(800, 600));
    KslDoc doc;
    ASSERT_EQ(ReadProjectFile(doc, project_), kReadOk);
    ASSERT_GT(doc.layers.Count(), 0);
    for (const NMaterialLayer& layer : doc.layers) {
        const Colour c = layer.Material()->GetColour();
        const QColor colour(RedOf(c), GreenOf(c), BlueOf(c));
        EXPECT_GT(test::CountColour(image, image.rect(), colour), 2000) << layer.Thickness();
    }
}

TEST_F(RenderCommand, ProfileAndFluxImagesShowTheirCurves)
{
    ASSERT_EQ(Run("render " + project_ + " --profile " + Out("profil.png") + " --flux "
                  + Out("flux.png") + " --size 640x480"),
        0);
    const QImage profile(QString::fromStdString(Out("profil.png")));
    const QImage flux(QString::fromStdString(Out("flux.png")));
    ASSERT_EQ(profile.size(), QSize(640, 480));
    ASSERT_EQ(flux.size(), QSize(640, 480));
    // Envelopes in blue and red on the profile; both surface fluxes on the flux plot.
    EXPECT_GT(test::CountColour(profile, profile.rect(), QColor(0, 0, 255)), 100);
    EXPECT_GT(test::CountColour(profile, profile.rect(), QColor(255, 0, 0)), 100);
    EXPECT_GT(test::CountColour(flux, QRect(0, 0, 640, 430), QColor(0, 0, 255)), 200);
    EXPECT_GT(test::CountColour(flux, QRect(0, 0, 640, 430), QColor(255, 0, 0)), 200);
    EXPECT_FALSE(fs::exists(Out("paroi.png")));
}

TEST_F(RenderCommand, ReportsFailures)
{
    EXPECT_EQ(Run("render " + Out("absent.ksl") + " --wall " + Out("a.png")), 1);
    EXPECT_EQ(Run("render " + project_ + " --wall " + Out("nowhere/a.png")), 1);
    EXPECT_FALSE(fs::exists(Out("a.png")));
}

} // namespace
} // namespace quelvan::graphics
