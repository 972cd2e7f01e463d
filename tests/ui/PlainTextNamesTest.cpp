// Names from files and users are plain text everywhere in the desktop: a material, an ambiance,
// a project file and an EPW file's place named with markup ("<b>", "<font>", "<img src=...>")
// are shown as they are written in the message boxes, the import dialog, the refusals of the
// dynamic dialog, the annual window and the comparison window, the tooltips and the window
// title. Every label showing such a name is checked for plain text before anything is drawn, so
// that a fault fails the test instead of letting Qt load what the name points at.
#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"
#include "support/TempFolder.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/EpwImportDialog.h"
#include "ui/project/ProjectController.h"
#include "ui/shell/Prompter.h"
#include "ui/studies/AnnualBalanceWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/studies/WallComparisonWindow.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/ElidedComboBox.h"
#include "weather/EpwImport.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QWindow>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

// Read as HTML, it would be bold, large and red, and load an image.
const QString kMarkup
    = QStringLiteral("<b><font size=7 color=red>Gras</font></b><img src=absent.png>");
// Read as HTML, it would read /dev/zero without end.
const QString kZero = QStringLiteral("<img src=/dev/zero>");

// Checks that every label of the widget (itself included) that shows the text shows it as
// plain text and that no tooltip holds it as markup; returns how many labels show it.
int PlainLabelsShowing(QWidget& root, const QString& text)
{
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    int found = 0;
    for (QWidget* widget : widgets) {
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->text().contains(text)) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
            ++found;
        }
        EXPECT_FALSE(widget->toolTip().contains(text)) << widget->toolTip().toStdString();
    }
    return found;
}

// What a tooltip shows, as Qt reads it.
QString ShownToolTip(const QString& toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

TEST(PlainTextNames, MessageBoxesShowTheirTextAsWritten)
{
    const QString text = QStringLiteral("Couche 2 (") + kZero + kMarkup
        + QStringLiteral(") : masse volumique « abc » n'est pas un nombre");
    for (const Prompter::Icon icon :
        { Prompter::Icon::Information, Prompter::Icon::Exclamation, Prompter::Icon::Stop }) {
        const std::unique_ptr<QMessageBox> box = MessageBoxFor(nullptr, text, icon);
        ASSERT_EQ(box->textFormat(), Qt::PlainText);
        ASSERT_EQ(PlainLabelsShowing(*box, kZero), 1);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Quelvan"));
        EXPECT_FALSE(box->grab().isNull());
    }
    const std::unique_ptr<QMessageBox> question = QuestionBox(nullptr, text);
    ASSERT_EQ(question->textFormat(), Qt::PlainText);
    ASSERT_EQ(PlainLabelsShowing(*question, kZero), 1);
    EXPECT_FALSE(question->grab().isNull());
}

TEST(PlainTextNames, TheEpwImportDialogShowsTheFileAndItsPlaceAsWritten)
{
    weather::EpwImportResult result;
    result.location = (kZero + QStringLiteral(", ") + kMarkup).toStdString();
    EpwImportDialog dialog(kMarkup + QStringLiteral(".epw"), result, nullptr);
    // The file's name and its place.
    ASSERT_EQ(PlainLabelsShowing(dialog, kMarkup), 2);
    ASSERT_EQ(PlainLabelsShowing(dialog, kZero), 1);
    EXPECT_EQ(dialog.StationName(), kZero);
    EXPECT_FALSE(dialog.grab().isNull());
}

class PlainTextWindows : public ::testing::Test {
protected:
    // A project whose glass wool is named with markup and refused (its density is no number),
    // under an exterior ambiance named with markup, saved under a name with markup and "[*]".
    void SetUp() override
    {
        KslDoc doc;
        for (int i = 0; i < doc.materials.Count(); ++i)
            if (doc.materials.At(i).Name() == "Laine de verre") {
                doc.materials.At(i).SetName(kMarkup.toStdString());
                doc.materials.At(i).SetDensity("abc");
            }
        const CBCData& ambiance
            = doc.AddAmbiance(kAmbianceIdentifierBase + doc.exteriorAmbiances.Count(),
                Side::Exterior, kMarkup.toStdString(), ProfileType::Constant, ProfileType::Null,
                Period::Day, Period::Day, { "0", "20", "0", "0" }, { "0", "0", "0", "0" });
        doc.selectedExterior = ambiance.Index();
        path_ = temp_.File(fileName_.toStdString());
        ASSERT_EQ(WriteProjectFile(doc, path_), WriteResult::Ok);
        ASSERT_TRUE(window_.Controller().OpenPath(ToQ(path_)));
        window_.show();
    }

    const QString fileName_ = QStringLiteral("<b>Gras[*]<img src=absent.png>.ksl");
    quelvan::test::TempFolder temp_ { "plain-text" };
    std::string path_;
    ScriptedPrompter prompter_;
    MainWindow window_ { &prompter_ };
};

TEST_F(PlainTextWindows, TheMainWindowShowsTheNamesAsWritten)
{
    // "[*]" is no place for a modified mark in a file's name.
    ASSERT_NE(window_.windowHandle(), nullptr);
    EXPECT_EQ(
        window_.windowHandle()->title(), QStringLiteral("<b>Gras[*]<img src=absent.png> - Quelvan"))
        << window_.windowHandle()->title().toStdString();
    PlainLabelsShowing(window_, kMarkup);
    auto* list = window_.View().findChild<ElidedComboBox*>(ControlName(1007));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), kMarkup);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list, &help);
    EXPECT_EQ(ShownToolTip(list->toolTip()), kMarkup);
    // "Mode Calcul" refuses the wall with the material's name in its message.
    window_.View().findChild<QPushButton*>(ControlName(1058))->click();
    ASSERT_FALSE(prompter_.messages.empty());
    EXPECT_TRUE(prompter_.messages.back().text.contains(kMarkup));
}

TEST_F(PlainTextWindows, RefusalsShowTheNamesAsWritten)
{
    window_.Action(QStringLiteral("actionDynamic"))->trigger();
    DynamicCharacteristicsDialog* dynamic = window_.DynamicDialog();
    ASSERT_NE(dynamic, nullptr);
    EXPECT_TRUE(dynamic->Refusal().contains(kMarkup));
    EXPECT_EQ(PlainLabelsShowing(*dynamic, kMarkup), 1);

    window_.Action(QStringLiteral("actionAnnualBalance"))->trigger();
    AnnualBalanceWindow* annual = window_.AnnualWindow();
    ASSERT_NE(annual, nullptr);
    QElapsedTimer clock;
    clock.start();
    while (annual->IsComputing() && clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(annual->Refusal().contains(kMarkup));
    // The refusal, and the wall named by its layers above the table.
    EXPECT_EQ(PlainLabelsShowing(*annual, kMarkup), 2);

    window_.Action(QStringLiteral("actionCompareWalls"))->trigger();
    WallComparisonWindow* compare = window_.ComparisonWindow();
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(compare->AddProjectFile(ToQ(path_)));
    clock.restart();
    while (compare->IsComputing() && clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    // The form's project and the file: both refused, the file named.
    EXPECT_EQ(PlainLabelsShowing(*compare, kMarkup), 1);
    EXPECT_EQ(PlainLabelsShowing(*compare, fileName_), 1);
}

} // namespace
