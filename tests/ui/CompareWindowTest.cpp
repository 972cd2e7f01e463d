// The wall comparison window: opened from the "Données" menu, it computes the walls off the
// interface thread, shows the core's figures for the form's project beside a project file and a
// reversed wall, draws each wall's week in its own colour with a legend, adds the year when
// asked, keeps to four walls and shows the message of a wall that cannot be computed.
#include "UiTestSupport.h"
#include "engine/variants/VariantFigures.h"
#include "engine/variants/VariantStudy.h"
#include "engine/variants/VariantText.h"
#include "graphics/ChartStyle.h"
#include "graphics/Legend.h"
#include "graphics/QtStrings.h"
#include "graphics/WeekOverlayPlot.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/HelpSupport.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

class CompareWindow : public ::testing::Test {
protected:
    void Wait(WallComparisonWindow& compare)
    {
        QElapsedTimer clock;
        clock.start();
        while (compare.IsComputing() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_FALSE(compare.IsComputing());
    }
    // A project file of the built-in wall with its glass wool at that thickness.
    QString ProjectFile(const std::string& name, const std::string& thickness)
    {
        KslDoc doc;
        doc.layers.At(1).SetThickness(thickness);
        EXPECT_EQ(WriteProjectFile(doc, temp.File(name)), WriteResult::Ok);
        return ToQ(temp.File(name));
    }
    // The figure of a cell, before the difference from the current wall that follows it.
    double Number(const QTableWidget& table, int row, int column)
    {
        return table.item(row, column)->text().section(QLatin1Char(' '), 0, 0).toDouble();
    }
    // Pixels of exactly that colour in the widget as drawn.
    static int PixelsOf(QWidget& widget, const QColor& colour)
    {
        const QImage image = widget.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
        return count;
    }

    quelvan::test::TempFolder temp { "compare-window" };
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(CompareWindow, ShowsTheWallsFiguresAndWeeksSideBySide)
{
    window.show();
    window.Document().layers.At(1).SetThickness("60");
    window.Action(QStringLiteral("actionCompareWalls"))->trigger();
    WallComparisonWindow* compare = window.ComparisonWindow();
    ASSERT_NE(compare, nullptr);
    // F1 anywhere in it opens its own help page.
    EXPECT_EQ(
        compare->findChild<HelpTopics*>()->TopicFor(compare->Table()), HelpTopic::CompareWalls);
    // The walls are computed elsewhere: their results wait for this thread's event loop.
    EXPECT_TRUE(compare->IsComputing());
    ASSERT_TRUE(compare->AddProjectFile(ProjectFile("epais.ksl", "150")));
    ASSERT_TRUE(compare->AddVariant(WallComparisonWindow::Variant::Reversed));
    EXPECT_TRUE(compare->IsComputing());
    Wait(*compare);

    const QTableWidget& table = *compare->Table();
    ASSERT_EQ(table.columnCount(), 3);
    ASSERT_EQ(table.rowCount(), 10);
    // Each heading names the wall and its layers in their order (whole in its tooltip).
    EXPECT_EQ(table.horizontalHeaderItem(0)->toolTip(),
        QStringLiteral(
            "Projet actuel (référence)\nBéton lourd 200 + Laine de verre 60 + Plâtre 10"));
    EXPECT_EQ(table.horizontalHeaderItem(1)->toolTip(),
        QStringLiteral("epais.ksl\nBéton lourd 200 + Laine de verre 150 + Plâtre 10"));
    EXPECT_EQ(table.horizontalHeaderItem(2)->toolTip(),
        QStringLiteral("Paroi inversée\nPlâtre 10 + Laine de verre 60 + Béton lourd 200"));
    EXPECT_EQ(table.verticalHeaderItem(0)->text(), QStringLiteral("U (W/(m².K))"));
    // The current project's figures are the core's; reversed, the wall keeps U and changes
    // its wave; 150 mm of glass wool lets less through than 60 mm.
    auto project = variants::CopyProject(window.Document());
    variants::FigureOptions options;
    options.keepSeries = true;
    const variants::VariantOutcome expected = variants::ComputeVariantFigures(*project, options);
    const auto columns = variants::FigureColumns(false);
    for (int row = 0; row < table.rowCount(); ++row)
        EXPECT_EQ(table.item(row, 0)->text().toStdString(),
            variants::FigureText(columns[static_cast<std::size_t>(row)], expected));
    // Reversed, the wall keeps its U: no difference from the reference, and no sign.
    EXPECT_EQ(Number(table, 0, 2), Number(table, 0, 0));
    EXPECT_TRUE(table.item(0, 2)->text().endsWith(QStringLiteral("(Δ 0.000)")))
        << table.item(0, 2)->text().toStdString();
    EXPECT_NE(Number(table, 1, 2), Number(table, 1, 0));
    EXPECT_LT(Number(table, 0, 1), Number(table, 0, 0));
    // The other walls' cells give their difference from the current wall's cell.
    for (int row = 0; row < table.rowCount(); ++row) {
        EXPECT_FALSE(table.item(row, 0)->text().contains(QStringLiteral("Δ")));
        const QString cell = table.item(row, 1)->text();
        const int delta = cell.indexOf(QStringLiteral("(Δ "));
        ASSERT_GT(delta, 0) << cell.toStdString();
        const double difference = cell.mid(delta + 3).chopped(1).toDouble();
        EXPECT_NEAR(difference, Number(table, row, 1) - Number(table, row, 0), 1e-9)
            << cell.toStdString();
        EXPECT_FALSE(table.verticalHeaderItem(row)->toolTip().isEmpty()) << row;
    }
    EXPECT_TRUE(table.verticalHeaderItem(1)->toolTip().startsWith(
        QStringLiteral("Facteur d'amortissement f : ")));

    for (const graphics::WeekOverlayPlot* plot :
        { &compare->TemperaturePlot(), &compare->FluxPlot() }) {
        ASSERT_EQ(plot->Curves().size(), 3u);
        const auto legend = plot->Legend();
        for (int w = 0; w < 3; ++w) {
            EXPECT_EQ(plot->Curves()[static_cast<std::size_t>(w)].values.size(), 169u);
            EXPECT_EQ(
                legend[static_cast<std::size_t>(w)].colour, WallComparisonWindow::WallColour(w));
        }
    }
    EXPECT_EQ(
        compare->TemperaturePlot().Curves()[0].values, expected.series.interiorSurfaceTemperature);
    QWidget* chart = compare->findChild<QWidget*>(QStringLiteral("temperatureChart"));
    ASSERT_NE(chart, nullptr);
    for (int w = 0; w < 3; ++w)
        EXPECT_GT(PixelsOf(*chart, WallComparisonWindow::WallColour(w)), 100) << w;
    EXPECT_TRUE(prompter.messages.empty());

    // A value typed on the form: once the typing pauses, the project's wall and its variant are
    // computed again (a higher exterior surface resistance lowers U on both).
    const double before = Number(table, 0, 0);
    auto* rse = window.View().findChild<NumberEdit*>(ControlName(1002));
    ASSERT_NE(rse, nullptr);
    for (const char* typed : { "0", "0.", "0.5" }) {
        rse->setText(QString::fromLatin1(typed));
        emit rse->textEdited(rse->text());
    }
    QElapsedTimer clock;
    clock.start();
    while (!compare->IsComputing() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    Wait(*compare);
    EXPECT_LT(Number(table, 0, 0), before);
    EXPECT_EQ(Number(table, 0, 2), Number(table, 0, 0));
}

TEST_F(CompareWindow, AddsTheYearKeepsToFourWallsAndShowsRefusals)
{
    window.Action(QStringLiteral("actionCompareWalls"))->trigger();
    WallComparisonWindow& compare = *window.ComparisonWindow();
    ASSERT_TRUE(compare.AddVariant(WallComparisonWindow::Variant::ThickerInsulation));
    ASSERT_TRUE(compare.AddVariant(WallComparisonWindow::Variant::ThinnerInsulation));
    EXPECT_FALSE(compare.AddProjectFile(ToQ(temp.File("absent.ksl"))));
    ASSERT_TRUE(compare.AddProjectFile(ProjectFile("vide.ksl", "0")));
    EXPECT_FALSE(compare.AddVariant(WallComparisonWindow::Variant::Reversed));
    EXPECT_FALSE(compare.AddProjectFile(ProjectFile("encore.ksl", "80")));
    compare.findChild<QCheckBox*>(QStringLiteral("annual"))->click();
    Wait(compare);

    const QTableWidget& table = *compare.Table();
    ASSERT_EQ(table.columnCount(), 4);
    ASSERT_EQ(table.rowCount(), 15);
    EXPECT_EQ(table.horizontalHeaderItem(1)->toolTip(),
        QStringLiteral("Épaisseur d'isolant × 2 (Laine de verre, 100 mm)\n"
                       "Béton lourd 200 + Laine de verre 100 + Plâtre 10"));
    EXPECT_EQ(table.horizontalHeaderItem(2)->toolTip(),
        QStringLiteral("Épaisseur d'isolant ÷ 2 (Laine de verre, 25 mm)\n"
                       "Béton lourd 200 + Laine de verre 25 + Plâtre 10"));
    // U follows the glass wool: 100, 50, 25 mm.
    EXPECT_LT(Number(table, 0, 1), Number(table, 0, 0));
    EXPECT_GT(Number(table, 0, 2), Number(table, 0, 0));
    EXPECT_EQ(table.verticalHeaderItem(10)->text(), QStringLiteral("Pertes annuelles (kWh/m²)"));
    EXPECT_TRUE(table.verticalHeaderItem(7)->toolTip().startsWith(
        QStringLiteral("Amplitude de Tsi le 7e jour")));
    EXPECT_NE(table.item(10, 0)->text(), QStringLiteral("---"));
    // The wall without glass wool cannot be computed: dashes, its message, and no curve.
    EXPECT_EQ(table.item(0, 3)->text(), QStringLiteral("---"));
    const QLabel* refusals = compare.findChild<QLabel*>(QStringLiteral("refusals"));
    EXPECT_TRUE(refusals->text().startsWith(
        QStringLiteral("vide.ksl : Couche 2 (Laine de verre) : épaisseur « 0 »")))
        << refusals->text().toStdString();
    EXPECT_EQ(compare.TemperaturePlot().Curves().size(), 3u);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
        QStringLiteral("« absent.ksl » : Erreur en lecture : fichier introuvable"));

    compare.RemoveLastWall();
    compare.SetAnnual(false);
    Wait(compare);
    EXPECT_EQ(compare.Table()->columnCount(), 3);
    EXPECT_EQ(compare.Table()->rowCount(), 10);
    EXPECT_TRUE(refusals->text().isEmpty());
}

// Every button and box of the window answers to its own Alt key.
TEST_F(CompareWindow, EveryButtonHasAKeyOfItsOwn)
{
    window.Action(QStringLiteral("actionCompareWalls"))->trigger();
    WallComparisonWindow& compare = *window.ComparisonWindow();
    QSet<QChar> keys;
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : compare.findChildren<QAbstractButton*>())
        if (qobject_cast<QPushButton*>(button) || qobject_cast<QCheckBox*>(button))
            buttons << button;
    ASSERT_GE(buttons.size(), 8);
    for (const QAbstractButton* button : buttons) {
        const qsizetype mark = button->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(mark, 0) << button->text().toStdString();
        const QChar key = button->text().at(mark + 1).toLower();
        // A key any keyboard types without a dead key or a compose sequence.
        EXPECT_TRUE(key.isLetterOrNumber() && key.unicode() < 128) << button->text().toStdString();
        EXPECT_FALSE(keys.contains(key)) << button->text().toStdString();
        keys.insert(key);
    }
    Wait(compare);
}

// Four walls in a window as narrow as a small screen gives: each heading shows every layer whole,
// the layers going on as many lines as the column needs, and the tooltip holds the heading on
// its two lines. Widened, the lines join again.
TEST_F(CompareWindow, FourWallHeadingsShowEveryLayerInNarrowColumns)
{
    window.Action(QStringLiteral("actionCompareWalls"))->trigger();
    WallComparisonWindow& compare = *window.ComparisonWindow();
    ASSERT_TRUE(compare.AddVariant(WallComparisonWindow::Variant::Reversed));
    ASSERT_TRUE(compare.AddVariant(WallComparisonWindow::Variant::ThickerInsulation));
    ASSERT_TRUE(compare.AddVariant(WallComparisonWindow::Variant::ThinnerInsulation));
    Wait(compare);
    const auto linesOf = [&](int width) {
        compare.resize(width, compare.height());
        // The header lays its sections out after the window's layout: both are let through.
        QTest::qWait(100);
        const QTableWidget& table = *compare.Table();
        int lines = 0;
        for (int c = 0; c < table.columnCount(); ++c) {
            const QTableWidgetItem& heading = *table.horizontalHeaderItem(c);
            const QFontMetrics metrics(heading.font());
            const QStringList shown = heading.text().split(QLatin1Char('\n'));
            // Each line is a name, its details or one or more whole layers within the column.
            for (qsizetype l = 0; l < shown.size(); ++l)
                EXPECT_LE(
                    metrics.horizontalAdvance(shown[l]), table.horizontalHeader()->sectionSize(c))
                    << width << " " << shown[l].toStdString();
            QString joined = heading.text();
            joined.replace(QStringLiteral(" +\n"), QStringLiteral(" + "))
                .replace(QStringLiteral("\n("), QStringLiteral(" ("));
            EXPECT_EQ(joined, heading.toolTip());
            EXPECT_EQ(heading.toolTip().count(QLatin1Char('\n')), 1) << c;
            lines += static_cast<int>(shown.size());
        }
        return lines;
    };
    const int narrow = linesOf(900);
    // Three layers each: the four headings need more than their two lines in 900 pixels.
    EXPECT_GT(narrow, 8);
    // The four walls' names fit in the legend strip under each chart, none cut.
    QWidget* chart = compare.findChild<QWidget*>(QStringLiteral("temperatureChart"));
    ASSERT_NE(chart, nullptr);
    const auto legend = compare.TemperaturePlot().Legend();
    ASSERT_EQ(legend.size(), 4u);
    EXPECT_LE(
        graphics::FlowLegendHeight(graphics::style::LegendFont(graphics::style::kStudyLegendPixels),
            chart->width(), legend),
        graphics::style::kComparisonLegendHeight)
        << chart->width();
    const int wide = linesOf(2400);
    EXPECT_LT(wide, narrow);
    EXPECT_EQ(wide, 8);
    EXPECT_EQ(linesOf(900), narrow);
}

} // namespace
