// What the user must be able to read: read-outs that keep their sign, highlighted list entries,
// computed fields, the layer list's hint, Qt's own buttons in French; the page setup reaching
// the PDF export; What's This help.
#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "printing/ReportJob.h"
#include "ui/lists/LayerListAdapter.h"
#include "ui/lists/RecordListDlg.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ReadoutLabel.h"
#include "ui/records/AmbianceDialog.h"
#include "ui/records/MaterialDialog.h"
#include "ui/shell/HelpSupport.h"
#include "ui/shell/QtFrench.h"
#include "ui/widgets/ControlNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QWhatsThis>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green())
        + 0.0722 * linear(colour.blue());
}
double ContrastRatio(const QColor& a, const QColor& b)
{
    const auto [dark, light] = std::minmax({ Luminance(a), Luminance(b) });
    return (light + 0.05) / (dark + 0.05);
}

// The colours of a highlighted entry as the open list draws it: the row's most frequent colour
// is its background, the pixel farthest from it in contrast is the text's.
std::pair<QColor, QColor> HighlightAsDrawn(QComboBox& list)
{
    list.showPopup();
    const QModelIndex entry = list.model()->index(1, 0);
    list.view()->setCurrentIndex(entry);
    const QImage image = list.view()->viewport()->grab().toImage();
    const QRect row = list.view()->visualRect(entry) & image.rect();
    list.hidePopup();
    std::map<QRgb, int> counts;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QColor background
        = QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
              return a.second < b.second;
          })->first);
    QColor text = background;
    for (const auto& [rgb, count] : counts)
        if (ContrastRatio(QColor(rgb), background) > ContrastRatio(text, background))
            text = QColor(rgb);
    return { background, text };
}

TEST(Readability, HighlightedEntryOfEveryYellowListIsReadable)
{
    EXPECT_LT(ContrastRatio(Qt::white, QColor(255, 255, 0)), 1.1); // what users could not read
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    AmbianceDialog ambiance(window.Document().exteriorAmbiances.At(0));
    ambiance.show();
    QList<QComboBox*> lists = window.View().findChildren<QComboBox*>();
    lists += ambiance.findChildren<QComboBox*>();
    for (QComboBox* list : lists) {
        if (!list->isEnabled() || list->count() < 2)
            continue;
        const auto [background, text] = HighlightAsDrawn(*list);
        EXPECT_NE(background, QColor(240, 240, 100)) << list->objectName().toStdString();
        EXPECT_GE(ContrastRatio(background, text), 4.5) << list->objectName().toStdString();
    }
}

class ReadoutFit : public ::testing::TestWithParam<std::tuple<const char*, double>> { };

// A value wider than the narrowest read-out keeps its sign and first digit, and its shown text
// is within the box and a rounding of the value; the tooltip has it whole.
TEST_P(ReadoutFit, SignAndFirstDigitStayVisible)
{
    const auto [text, pointSize] = GetParam();
    const QString value = ToQ(text);
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    window.View().SetCalculationMode(true);
    QFont font = window.View().font();
    font.setPointSizeF(pointSize);
    window.View().setFont(font);
    const QList<ReadoutLabel*> boxes = window.View().findChildren<ReadoutLabel*>();
    ASSERT_FALSE(boxes.isEmpty());
    ReadoutLabel* box = *std::min_element(boxes.begin(), boxes.end(),
        [](const QWidget* a, const QWidget* b) { return a->width() < b->width(); });
    box->SetValue(value);
    const QString shown = box->text();
    EXPECT_EQ(box->toolTip(), value);
    EXPECT_LE(QFontMetricsF(box->font()).horizontalAdvance(shown), box->contentsRect().width());
    const int lead = value.startsWith(QLatin1Char('-')) ? 2 : 1;
    EXPECT_EQ(shown.left(lead), value.left(lead));
    const qsizetype point = shown.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(shown.size() - point - 1);
    EXPECT_LE(std::abs(shown.toDouble() - value.toDouble()), 0.5 * std::pow(10.0, -decimals));
}

INSTANTIATE_TEST_SUITE_P(Values, ReadoutFit,
    ::testing::Combine(
        ::testing::Values("-0.0067", "-12.3456", "0.0067"), ::testing::Values(9.0, 16.0, 24.0)));

TEST(Readability, ComputedFieldsLookReadOnlyAndTheLayerHintIsWhole)
{
    const KslDoc doc;
    MaterialDialog material(doc.materials.At(0));
    const auto* name = material.findChild<QLineEdit*>(ControlName(128));
    for (const char* id : { "c127", "c130" }) {
        const auto* computed = material.findChild<QLineEdit*>(ToQ(id));
        EXPECT_TRUE(computed->isReadOnly()) << id;
        EXPECT_NE(computed->palette().color(QPalette::Base), name->palette().color(QPalette::Base));
    }

    KslDoc layersDoc;
    ScriptedPrompter prompter;
    RecordListDlg layers(
        std::make_unique<LayerListAdapter>(layersDoc.layers, layersDoc.materials), prompter);
    layers.show();
    const auto* hint = layers.findChild<QLabel*>(QStringLiteral("hint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains(QStringLiteral("Double-clic")));
    EXPECT_GE(hint->height(), hint->heightForWidth(hint->width()));
    const QRect inside = hint->parentWidget()->rect();
    EXPECT_TRUE(inside.contains(hint->geometry()));
    for (const QPushButton* button : layers.findChildren<QPushButton*>())
        EXPECT_FALSE(button->geometry().intersects(hint->geometry()));
}

TEST(Readability, QtStandardButtonsSpeakFrench)
{
    const auto french = InstallQtFrench();
    ASSERT_NE(french, nullptr) << "qtbase_fr.qm is missing (Debian: qt6-translations-l10n)";
    const auto box = QuestionBox(nullptr, QStringLiteral("Enregistrer ?"));
    auto label = [&box](QMessageBox::StandardButton which) {
        return box->button(which)->text().remove(QLatin1Char('&'));
    };
    EXPECT_EQ(label(QMessageBox::Yes), QStringLiteral("Oui"));
    EXPECT_EQ(label(QMessageBox::No), QStringLiteral("Non"));
    EXPECT_EQ(label(QMessageBox::Cancel), QStringLiteral("Annuler"));
}

TEST(Readability, PageSetupChoiceGivesThePdfItsPageSize)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("rapport.pdf"));
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    // A5 portrait, 148 × 210 mm, where the report's own page is A4 landscape.
    QPageLayout opened;
    prompter.onDialog = [&path, &opened](QDialog& dialog) {
        if (auto* setup = dynamic_cast<QPageSetupDialog*>(&dialog)) {
            opened = setup->printer()->pageLayout();
            setup->printer()->setPageLayout(QPageLayout(QPageSize(QPageSize::A5),
                QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        } else if (auto* files = dynamic_cast<QFileDialog*>(&dialog))
            files->selectFile(path);
        return static_cast<int>(QDialog::Accepted);
    };
    window.PrinterSetup();
    // The first setup opens on the export's own page, not on the printer's narrow margins.
    const QPageLayout report = printing::DefaultPdfPageLayout();
    EXPECT_EQ(opened.orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(opened.margins(QPageLayout::Millimeter).left(),
        report.margins(QPageLayout::Millimeter).left(), 0.01);
    window.ExportPdf();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch box
        = QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"))
              .match(QString::fromLatin1(pdf.readAll()));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 148 / 25.4 * 72, 1.0);
    EXPECT_NEAR(box.captured(2).toDouble(), 210 / 25.4 * 72, 1.0);
}

TEST(Help, WhatsThisClickOpensTheTopicThatF1Opens)
{
    ScriptedPrompter prompter;
    MainWindow window(&prompter);
    window.show();
    auto* field = window.View().findChild<QWidget*>(ControlName(1002));
    const auto* topics = window.View().findChild<HelpTopics*>();
    QWhatsThis::enterWhatsThisMode();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(3, 3));
    QCoreApplication::processEvents();
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    const auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().toString(), HelpPageFor(topics->TopicFor(field)));
    EXPECT_NE(topics->TopicFor(field), HelpTopic::Contents);
}

} // namespace
