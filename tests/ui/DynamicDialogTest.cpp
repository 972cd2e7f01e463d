// The dynamic characteristics dialog follows the wall: the form's surface resistances as they
// are typed and the document when it changes; a wall the check refuses shows its message.
#include "UiTestSupport.h"
#include "core/Messages.h"
#include "engine/DynamicCharacteristicsText.h"
#include "engine/SiWall.h"
#include "graphics/NShpPolyLine.h"
#include "graphics/PeriodicResponsePlot.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "model/WallCheck.h"
#include "ui/main/MainWindow.h"
#include "ui/studies/DynamicCharacteristicsDialog.h"
#include "ui/widgets/NumberEdit.h"

#include <QAction>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

class DynamicDialog : public ::testing::Test {
protected:
    void Retype(const char* field, const char* text)
    {
        auto* edit = window.findChild<NumberEdit*>(field);
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, ToQ(text));
    }
    // The value column, row by row.
    QStringList Shown() const
    {
        QStringList texts;
        const QTableWidget* table = window.DynamicDialog()->Table();
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, DynamicCharacteristicsDialog::kColumnValue)->text();
        return texts;
    }
    // The values of the new project's wall with that interior surface resistance.
    static QStringList Expected(const std::string& resistanceInterior)
    {
        const KslDoc doc;
        SurfaceTexts surfaces = doc.surfaces;
        surfaces.resistanceInterior = resistanceInterior;
        const auto values
            = ComputeDynamicCharacteristics(SiWallFromProject(doc.layers, surfaces).value());
        QStringList texts;
        for (const DynamicValueInfo& info : kDynamicValues)
            texts << ToQ(DynamicValueText(info, values.value()));
        return texts;
    }

    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(DynamicDialog, OpensModelessAndFollowsTheFormAndTheDocument)
{
    window.show();
    window.Action(QStringLiteral("actionDynamic"))->trigger();
    DynamicCharacteristicsDialog* dialog = window.DynamicDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(Shown(), Expected("0.13"));
    const int bound = dialog->Plot().Bound();

    // Typed in the form, not yet stored in the document.
    Retype("c1052", "2");
    EXPECT_EQ(window.Document().surfaces.resistanceInterior, "0.13");
    EXPECT_EQ(Shown(), Expected("2"));
    EXPECT_NE(Shown(), Expected("0.13"));

    // A negative resistance: the wall check's message instead of the values and the chart.
    Retype("c1052", "-1");
    EXPECT_FALSE(dialog->ShowsValues());
    EXPECT_FALSE(dialog->Table()->isVisible());
    EXPECT_FALSE(dialog->Plot().Chart().Curve(1).IsVisible());

    // A new project replaces the document and reloads the form: values again.
    window.NewProject();
    EXPECT_TRUE(dialog->ShowsValues());
    EXPECT_TRUE(dialog->Table()->isVisible());
    EXPECT_TRUE(dialog->Refusal().isEmpty());
    EXPECT_EQ(Shown(), Expected("0.13"));
    EXPECT_EQ(dialog->Plot().Bound(), bound);

    // The same dialog is raised again, not a second one.
    window.Action(QStringLiteral("actionDynamic"))->trigger();
    EXPECT_EQ(window.DynamicDialog(), dialog);
}

} // namespace
