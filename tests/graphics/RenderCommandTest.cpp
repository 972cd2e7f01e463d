#include "GraphicsTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/CliFixture.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace quelvan::graphics {
namespace {

namespace fs = std::filesystem;

class RenderCommand : public quelvan::test::CliFixture {
protected:
    void SetUp() override { ASSERT_EQ(Run("new " + project_), 0); }

    const std::string project_ = File("projet.ksl");
};

TEST_F(RenderCommand, WallImageShowsEveryLayerColour)
{
    ASSERT_EQ(Run("render " + project_ + " --wall " + File("paroi.png")), 0);
    const QImage image(ToQ(File("paroi.png")));
    ASSERT_EQ(image.size(), QSize(800, 600));
    KslDoc doc;
    ASSERT_EQ(ReadProjectFile(doc, project_), Failure::None);
    ASSERT_GT(doc.layers.Count(), 0);
    for (const NMaterialLayer& layer : doc.layers) {
        const Colour c = layer.Material()->GetColour();
        const QColor colour(RedOf(c), GreenOf(c), BlueOf(c));
        EXPECT_GT(test::CountColour(image, image.rect(), colour), 2000) << layer.Thickness();
    }
}

TEST_F(RenderCommand, ProfileAndFluxImagesShowTheirCurves)
{
    ASSERT_EQ(Run("render " + project_ + " --profile " + File("profil.png") + " --flux "
                  + File("flux.png") + " --size 640x480"),
        0);
    const QImage profile(ToQ(File("profil.png")));
    const QImage flux(ToQ(File("flux.png")));
    ASSERT_EQ(profile.size(), QSize(640, 480));
    ASSERT_EQ(flux.size(), QSize(640, 480));
    // Envelopes in blue and red on the profile; both surface fluxes on the flux plot.
    EXPECT_GT(test::CountColour(profile, profile.rect(), QColor(0, 0, 255)), 100);
    EXPECT_GT(test::CountColour(profile, profile.rect(), QColor(255, 0, 0)), 100);
    EXPECT_GT(test::CountColour(flux, QRect(0, 0, 640, 430), QColor(0, 0, 255)), 200);
    EXPECT_GT(test::CountColour(flux, QRect(0, 0, 640, 430), QColor(255, 0, 0)), 200);
    EXPECT_FALSE(fs::exists(File("paroi.png")));
}

TEST_F(RenderCommand, ReportsFailures)
{
    EXPECT_EQ(Run("render " + File("absent.ksl") + " --wall " + File("a.png")), 1);
    EXPECT_EQ(Run("render " + project_ + " --wall " + File("nowhere/a.png")), 1);
    EXPECT_FALSE(fs::exists(File("a.png")));
}

} // namespace
} // namespace quelvan::graphics
