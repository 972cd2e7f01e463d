// The condensation window: opened from the "Données" menu, it shows for the form's project the
// figures `quelvan-cli condensation --json` prints for the saved project (run here as a separate
// process); it follows an interior humidity changed and undone; its diagram goes to a PNG that
// never replaces a file the project reads. The interior humidity dialog stores, saves, reads
// back and undoes its setting, and leaves a project that never sets it byte for byte as it was.
#include "ui/studies/CondensationWindow.h"
#include "UiTestSupport.h"
#include "engine/moisture/Psychrometrics.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EditHistory.h"
#include "ui/project/ProjectController.h"
#include "ui/records/InteriorHumidityDialog.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/NumberEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::AcceptAs;
using quelvan::ui::test::ScriptedPrompter;

namespace {

QString Fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

class CondensationWindowTest : public ::testing::Test {
protected:
    // A new project on the weather of Mâcon (the generated file carries the humidity), with
    // the interior given in the project: class 3 at 20 °C.
    std::string WeatherProject(const std::string& name)
    {
        KslDoc doc;
        doc.selectedExterior = doc.exteriorAmbiances.At(11).Index();
        doc.moisture.Append(std::make_unique<MoistureSettings>(
            MoistureSettings { InteriorHumidity::HumidityClass, "3", "20" }));
        const std::string path = temp.File(name);
        EXPECT_EQ(WriteProjectFile(doc, path), WriteResult::Ok);
        return path;
    }

    std::string Climate()
    {
        const std::string path = temp.File("climat.csv");
        std::string text = "mois,theta_e_C,rh_e_pct\n";
        const double theta[12] = { 1, 2, 5, 10, 14, 18, 19, 18, 14, 10, 5, 2 };
        for (int m = 0; m < 12; ++m)
            text += std::to_string(m + 1) + "," + std::to_string(theta[m]) + ",85\n";
        quelvan::test::WriteBytes(path, text);
        return path;
    }

    CondensationWindow& OpenAndWait()
    {
        window.Action(QStringLiteral("actionCondensation"))->trigger();
        CondensationWindow* w = window.CondensationRiskWindow();
        EXPECT_NE(w, nullptr);
        Wait(*w);
        return *w;
    }

    // Until the check running on the window's thread is shown (or refused).
    static void WaitDone(CondensationWindow& w)
    {
        QElapsedTimer clock;
        clock.start();
        while (w.IsComputing() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    static void Wait(CondensationWindow& w)
    {
        QElapsedTimer clock;
        clock.start();
        while (!w.IsUpToDate() && w.Refusal().isEmpty() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(w.IsUpToDate()) << w.Refusal().toStdString();
    }

    // quelvan-cli condensation on the saved project, as a separate process.
    QJsonObject CliJson(const QStringList& extra)
    {
        QProcess cli;
        cli.setWorkingDirectory(ToQ(temp.Path().string()));
        cli.start(QStringLiteral(QUELVAN_CLI_PATH),
            QStringList { QStringLiteral("condensation") } << extra << QStringLiteral("--json"));
        EXPECT_TRUE(cli.waitForFinished(120000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    }

    // Every figure of the table and of the diagram of each month against the JSON.
    static void ExpectSameFigures(CondensationWindow& w, const QJsonObject& json)
    {
        const QJsonArray months = json[QStringLiteral("months")].toArray();
        const QTableWidget* table = w.Table();
        ASSERT_EQ(table->rowCount(), months.size());
        const int last = table->columnCount() - 1;
        for (int row = 0; row < months.size(); ++row) {
            const QJsonObject m = months[row].toObject();
            EXPECT_EQ(
                table->item(row, 1)->text(), Fixed(m[QStringLiteral("theta_e_c")].toDouble(), 1));
            EXPECT_EQ(
                table->item(row, 2)->text(), Fixed(m[QStringLiteral("p_e_pa")].toDouble(), 0));
            EXPECT_EQ(
                table->item(row, 3)->text(), Fixed(m[QStringLiteral("p_i_pa")].toDouble(), 0));
            EXPECT_EQ(table->item(row, last)->text().remove(QLatin1Char(' ')).toLongLong(),
                std::llround(m[QStringLiteral("m_a_total_g_m2")].toDouble()));
            // The diagram of that month: the faces and interfaces, by thickness and pressure.
            w.ShowThickness(true);
            w.ShowMonth(m[QStringLiteral("month")].toInt());
            const QJsonArray points = m[QStringLiteral("interfaces")].toArray();
            const auto& shown = w.Diagram().points;
            ASSERT_EQ(static_cast<int>(shown.size()), points.size());
            for (int j = 0; j < points.size(); ++j) {
                const QJsonObject p = points[j].toObject();
                EXPECT_NEAR(shown[j].x, p[QStringLiteral("x_m")].toDouble(), 1e-12);
                EXPECT_NEAR(shown[j].thetaC, p[QStringLiteral("theta_c")].toDouble(), 1e-9);
                EXPECT_NEAR(shown[j].psatPa, p[QStringLiteral("psat_pa")].toDouble(), 1e-7);
                EXPECT_NEAR(shown[j].pPa, p[QStringLiteral("p_pa")].toDouble(), 1e-7);
            }
        }
        const QJsonObject mould = json[QStringLiteral("mould")].toObject();
        const QString text = w.findChild<QLabel*>(QStringLiteral("mould"))->text();
        EXPECT_TRUE(text.contains(Fixed(mould[QStringLiteral("frsi_wall")].toDouble(), 3)))
            << text.toStdString();
        EXPECT_TRUE(text.contains(Fixed(mould[QStringLiteral("frsi_max")].toDouble(), 3)))
            << text.toStdString();
    }

    quelvan::test::TempFolder temp { "condensation-window" };
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(CondensationWindowTest, ShowsWhatTheCommandLinePrintsForTheWeatherProject)
{
    const std::string path = WeatherProject("meteo.ksl");
    ASSERT_TRUE(window.OpenFile(path));
    window.show();
    CondensationWindow& w = OpenAndWait();
    EXPECT_FALSE(w.isModal());
    ASSERT_TRUE(w.Study());
    const QJsonObject json = CliJson({ QStringLiteral("meteo.ksl") });
    // The diagram opens on the month holding the most water, else the mould's critical month.
    const QJsonValue most = json[QStringLiteral("max_month")];
    const int critical = most.isNull()
        ? json[QStringLiteral("mould")].toObject()[QStringLiteral("critical_month")].toInt()
        : most.toInt();
    EXPECT_EQ(w.Diagram().month, critical);
    EXPECT_EQ(w.Diagram().axis, moisture::DiagramAxis::Sd);
    ExpectSameFigures(w, json);
    // The climate's origin is named, and the hours above 80 % are the command line's.
    EXPECT_TRUE(w.ClimateSource().contains(QStringLiteral("Fichier météo")))
        << w.ClimateSource().toStdString();
    ASSERT_TRUE(w.Study()->surface);
    const QJsonArray hours
        = json[QStringLiteral("surface_rh")].toObject()[QStringLiteral("hours_above_80")].toArray();
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(w.Study()->surface->hoursAbove80[static_cast<std::size_t>(m)], hours[m].toInt());
    EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("hoursChart"))->isVisible());
}

// A monthly climate file chosen in the window gives the command line's --climate figures; the
// interior humidity changed in its dialog is followed, and so is its undo.
TEST_F(CondensationWindowTest, FollowsTheInteriorHumidityAndItsUndo)
{
    const std::string climate = Climate();
    const std::string path = temp.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc {}, path), WriteResult::Ok);
    ASSERT_TRUE(window.OpenFile(path));
    window.show();
    window.Action(QStringLiteral("actionCondensation"))->trigger();
    CondensationWindow& w = *window.CondensationRiskWindow();
    WaitDone(w);
    // The new project's exterior ambiance is not a weather one: the window says what to do.
    EXPECT_TRUE(w.Refusal().contains(QStringLiteral("Climat mensuel")))
        << w.Refusal().toStdString();
    w.UseClimateFile(climate);
    Wait(w);
    EXPECT_TRUE(w.ClimateSource().contains(QStringLiteral("climat.csv")));
    ExpectSameFigures(w,
        CliJson({ QStringLiteral("mur.ksl"), QStringLiteral("--climate"),
            QStringLiteral("climat.csv") }));
    // Default interior: 50 % at the interior ambiance's mean.
    ASSERT_TRUE(w.Study());
    const double thetaI = w.Study()->interior.thetaI;
    const QString half = Fixed(0.5 * moisture::SaturationPressure(thetaI), 0);
    EXPECT_EQ(w.Table()->item(0, 3)->text(), half);

    prompter.onDialog = AcceptAs<InteriorHumidityDialog>([](InteriorHumidityDialog& d) {
        d.Choose(InteriorHumidity::RelativeHumidity);
        auto* rh = d.findChild<NumberEdit*>(QStringLiteral("relativeHumidity"));
        rh->selectAll();
        QTest::keyClicks(rh, QStringLiteral("80"));
    });
    ASSERT_TRUE(window.Controller().InteriorHumidity());
    EXPECT_FALSE(w.IsUpToDate()); // greyed until the pause is over
    Wait(w);
    EXPECT_EQ(w.Table()->item(0, 3)->text(), Fixed(0.8 * moisture::SaturationPressure(thetaI), 0));
    EXPECT_TRUE(w.ClimateSource().contains(QStringLiteral("humidité relative 80 %")));
    ExpectSameFigures(w,
        CliJson({ QStringLiteral("mur.ksl"), QStringLiteral("--climate"),
            QStringLiteral("climat.csv"), QStringLiteral("--interior-rh"), QStringLiteral("80") }));
    window.Controller().History().Stack().undo();
    Wait(w);
    EXPECT_EQ(w.Table()->item(0, 3)->text(), half);
}

TEST_F(CondensationWindowTest, CopiesTheTableAndExportsTheDiagramNeverOverTheProject)
{
    const std::string climate = Climate();
    const std::string path = temp.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc {}, path), WriteResult::Ok);
    ASSERT_TRUE(window.OpenFile(path));
    window.Action(QStringLiteral("actionCondensation"))->trigger();
    CondensationWindow& w = *window.CondensationRiskWindow();
    w.UseClimateFile(climate);
    Wait(w);
    w.CopyTable();
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 15);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Mois\tθe (°C)\tpe (Pa)\tpi (Pa)")));
    EXPECT_EQ(lines[3].split(QLatin1Char('\t')).value(3), w.Table()->item(0, 3)->text());

    const auto exportTo = [this, &w](const std::string& target) {
        prompter.onDialog = quelvan::ui::test::ChooseFile(ToQ(target));
        w.findChild<QPushButton*>(QStringLiteral("exportDiagram"))->click();
    };
    // Over the project and over the climate file it reads: refused, both left as they were.
    const std::string project = quelvan::test::ReadBytes(path);
    const std::string climateBytes = quelvan::test::ReadBytes(climate);
    exportTo(path);
    exportTo(climate);
    EXPECT_EQ(quelvan::test::ReadBytes(path), project);
    EXPECT_EQ(quelvan::test::ReadBytes(climate), climateBytes);
    EXPECT_EQ(prompter.messages.size(), 2U);
    exportTo(temp.File("diagramme.png"));
    QImage image(ToQ(temp.File("diagramme.png")));
    ASSERT_FALSE(image.isNull());
}

TEST_F(CondensationWindowTest, InteriorHumidityIsStoredSavedReadBackAndUndone)
{
    const std::string path = temp.File("mur.ksl");
    ASSERT_EQ(WriteProjectFile(KslDoc {}, path), WriteResult::Ok);
    const std::string original = quelvan::test::ReadBytes(path);
    ASSERT_TRUE(window.OpenFile(path));
    // "OK" without a change stores nothing: the project saves as it was.
    prompter.onDialog = AcceptAs<InteriorHumidityDialog>([](InteriorHumidityDialog&) {});
    EXPECT_FALSE(window.Controller().InteriorHumidity());
    EXPECT_TRUE(window.Document().moisture.IsEmpty());
    ASSERT_TRUE(window.Controller().Save());
    EXPECT_EQ(quelvan::test::ReadBytes(path), original);

    // A vapour excess of 6 g/m³: "forte" hygrometry, stored with the temperature.
    prompter.onDialog = AcceptAs<InteriorHumidityDialog>([](InteriorHumidityDialog& d) {
        d.Choose(InteriorHumidity::VapourExcess);
        auto* excess = d.findChild<NumberEdit*>(QStringLiteral("vapourExcess"));
        excess->selectAll();
        QTest::keyClicks(excess, QStringLiteral("6"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("hygrometry"))->text(),
            QStringLiteral("Hygrométrie forte"));
        auto* temperature = d.findChild<NumberEdit*>(QStringLiteral("interiorTemperature"));
        QTest::keyClicks(temperature, QStringLiteral("19"));
    });
    ASSERT_TRUE(window.Controller().InteriorHumidity());
    const MoistureSettings expected { InteriorHumidity::VapourExcess, "6", "19" };
    ASSERT_EQ(window.Document().moisture.Count(), 1);
    EXPECT_EQ(window.Document().moisture.At(0), expected);

    // A humidity beyond 100 % is framed in red and refused; the dialog stays open.
    prompter.onDialog = [](QDialog& dialog) {
        auto& d = dynamic_cast<InteriorHumidityDialog&>(dialog);
        d.Choose(InteriorHumidity::RelativeHumidity);
        auto* rh = d.findChild<NumberEdit*>(QStringLiteral("relativeHumidity"));
        rh->selectAll();
        QTest::keyClicks(rh, QStringLiteral("120"));
        EXPECT_TRUE(rh->IsRefused());
        d.accept();
        EXPECT_EQ(d.result(), 0);
        return static_cast<int>(QDialog::Rejected);
    };
    EXPECT_FALSE(window.Controller().InteriorHumidity());
    EXPECT_EQ(window.Document().moisture.At(0), expected);

    // Undone: the project is the saved original again, byte for byte.
    window.Controller().History().Stack().undo();
    EXPECT_TRUE(window.Document().moisture.IsEmpty());
    ASSERT_TRUE(window.Controller().Save());
    EXPECT_EQ(quelvan::test::ReadBytes(path), original);
}

// "Humidité" in the comparison window: three rows per wall, the current project's those of the
// condensation window, the reversed wall (insulation outside) without condensation.
TEST_F(CondensationWindowTest, ComparisonShowsTheMoistureRowsWhenTicked)
{
    const std::string path = WeatherProject("meteo.ksl");
    ASSERT_TRUE(window.OpenFile(path));
    window.Action(QStringLiteral("actionCondensation"))->trigger();
    CondensationWindow& condensation = *window.CondensationRiskWindow();
    Wait(condensation);
    ASSERT_TRUE(condensation.Study());
    const moisture::Study current = *condensation.Study();

    window.Action(QStringLiteral("actionCompareWalls"))->trigger();
    WallComparisonWindow& compare = *window.ComparisonWindow();
    const auto settle = [&compare] {
        QElapsedTimer clock;
        clock.start();
        while (compare.IsComputing() && clock.elapsed() < 120000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    settle();
    const int rows = compare.Table()->rowCount();
    compare.AddVariant(WallComparisonWindow::Variant::Reversed);
    compare.SetMoisture(true);
    settle();
    QTableWidget* table = compare.Table();
    ASSERT_EQ(table->rowCount(), rows + 3);
    EXPECT_EQ(table->verticalHeaderItem(rows)->text(), QStringLiteral("Humidité : condensation"));
    const QString water = ToQ(moisture::GroupedGrams(current.condensation.maxTotalGPerM2));
    EXPECT_EQ(table->item(rows + 1, 0)->text(), water);
    EXPECT_EQ(table->item(rows + 2, 0)->text(),
        QStringLiteral("%1 / %2").arg(
            Fixed(current.mould.frsiWall, 3), Fixed(current.mould.frsiMax, 3)));
    // The inside-insulated wall condenses; reversed, the insulant outside keeps it dry.
    EXPECT_NE(current.condensation.verdict, moisture::Verdict::None);
    EXPECT_EQ(table->item(rows, 1)->text(), QStringLiteral("aucune"));
    compare.SetMoisture(false);
    settle();
    EXPECT_EQ(compare.Table()->rowCount(), rows);
}

} // namespace
