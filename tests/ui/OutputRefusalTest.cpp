// No output of the desktop replaces a file the project reads: "Enregistrer sous", the PDF export
// and the hours of the year refuse the project's weather file with the command line's message,
// before any question; another existing file is replaced only once the user says "Oui".
#include "UiTestSupport.h"
#include "engine/EngineTestSupport.h"
#include "engine/WeatherFiles.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/main/MainWindow.h"
#include "ui/studies/AnnualBalanceWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

constexpr int kMaconAmbiance = 11; // "Météo de la ville de Mâcon"

class OutputRefusal : public ::testing::Test {
protected:
    void SetUp() override
    {
        KslDoc project;
        project.selectedExterior = kMaconAmbiance;
        const CBCData* weather = project.SelectedAmbiance(Side::Exterior);
        ASSERT_TRUE(weather != nullptr && weather->weatherFlag);
        // The project's weather, found beside it.
        weatherFile = folder.File(WeatherFileName(weather->cityIndex));
        quelvan::test::WriteWeatherFile(weatherFile, 8760);
        weatherBytes = quelvan::test::ReadBytes(weatherFile);
        projectFile = folder.File("mur.ksl");
        ASSERT_EQ(WriteProjectFile(project, projectFile), WriteResult::Ok);
        ASSERT_TRUE(window.OpenPath(ToQ(projectFile)));
    }
    // The next file dialog chooses that file.
    void Choose(const std::string& path)
    {
        prompter.onDialog = [path](QDialog& dialog) {
            auto* files = dynamic_cast<QFileDialog*>(&dialog);
            if (files == nullptr)
                return static_cast<int>(QDialog::Rejected);
            EXPECT_TRUE(files->testOption(QFileDialog::DontConfirmOverwrite));
            files->selectFile(ToQ(path));
            return static_cast<int>(QDialog::Accepted);
        };
    }
    // The weather file is refused with the command line's text, before any question, and stays.
    void ExpectWeatherRefused(const char* output)
    {
        ASSERT_EQ(prompter.messages.size(), 1u) << output;
        const QString text = prompter.messages[0].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Écriture refusée : « "))) << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral(" » : il serait remplacé"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("est le fichier lu"))) << text.toStdString();
        // No question about replacing the file came first (a report without a run asks
        // whether to compute the week; the default answer prints the input pages).
        for (const QString& question : prompter.questions)
            EXPECT_FALSE(question.contains(QStringLiteral("existe déjà"))) << output;
        EXPECT_EQ(quelvan::test::ReadBytes(weatherFile), weatherBytes) << output;
        prompter.messages.clear();
        prompter.questions.clear();
    }
    AnnualBalanceWindow& Annual()
    {
        window.Action(QStringLiteral("actionAnnualBalance"))->trigger();
        AnnualBalanceWindow* annual = window.AnnualWindow();
        QElapsedTimer clock;
        clock.start();
        while (annual->IsComputing() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return *annual;
    }

    quelvan::test::TempFolder folder { "output-refusal" };
    std::string weatherFile;
    std::string weatherBytes;
    std::string projectFile;
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(OutputRefusal, EveryOutputRefusesTheWeatherFileTheProjectReads)
{
    prompter.saveNames.push_back(ToQ(weatherFile));
    window.SaveProjectAs();
    ExpectWeatherRefused("Enregistrer sous");
    EXPECT_EQ(window.Document().fullPath, projectFile);

    Choose(weatherFile);
    window.Action(QStringLiteral("actionExportPdf"))->trigger();
    ExpectWeatherRefused("Exporter en PDF");

    AnnualBalanceWindow& annual = Annual();
    ASSERT_TRUE(annual.Result()) << annual.Refusal().toStdString();
    Choose(weatherFile);
    annual.findChild<QPushButton*>(QStringLiteral("exportHours"))->click();
    ExpectWeatherRefused("Exporter les heures");

    // The project file itself is read too.
    Choose(projectFile);
    const std::string project = quelvan::test::ReadBytes(projectFile);
    annual.findChild<QPushButton*>(QStringLiteral("exportHours"))->click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("est le fichier lu")));
    EXPECT_EQ(quelvan::test::ReadBytes(projectFile), project);
}

TEST_F(OutputRefusal, AnotherExistingFileIsReplacedOnlyAfterYes)
{
    AnnualBalanceWindow& annual = Annual();
    ASSERT_TRUE(annual.Result());
    const std::string other = folder.File("heures.csv");
    quelvan::test::WriteBytes(other, "à garder");
    Choose(other);
    prompter.answers.push_back(Prompter::Answer::No);
    annual.findChild<QPushButton*>(QStringLiteral("exportHours"))->click();
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(prompter.questions[0],
        QStringLiteral("« heures.csv » existe déjà.\nVoulez-vous le remplacer ?"));
    EXPECT_EQ(quelvan::test::ReadBytes(other), "à garder");

    prompter.answers.push_back(Prompter::Answer::Yes);
    annual.findChild<QPushButton*>(QStringLiteral("exportHours"))->click();
    EXPECT_NE(quelvan::test::ReadBytes(other), "à garder");
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
