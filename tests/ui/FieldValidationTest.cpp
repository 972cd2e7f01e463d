#include "UiTestSupport.h"
#include "graphics/QtStrings.h"
#include "model/KslDoc.h"
#include "ui/main/KslView.h"
#include "ui/main/MainWindow.h"
#include "ui/project/ProjectController.h"
#include "ui/records/AmbianceDialog.h"
#include "ui/records/LayerDialog.h"
#include "ui/records/MaterialDialog.h"
#include "ui/widgets/NumberEdit.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using quelvan::ToQ;
using quelvan::ui::AmbianceDialog;
using quelvan::ui::LayerDialog;
using quelvan::ui::MainWindow;
using quelvan::ui::MaterialDialog;
using quelvan::ui::NumberEdit;
using quelvan::ui::test::ScriptedPrompter;

namespace {

class FieldValidation : public ::testing::Test {
protected:
    NumberEdit* Field(const char* name) { return window.findChild<NumberEdit*>(name); }
    void Retype(NumberEdit* edit, const char* text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, ToQ(text));
    }
    ScriptedPrompter prompter;
    MainWindow window { &prompter };
};

TEST_F(FieldValidation, InteriorAbsorptionRefusesAboveOneAtTheFive)
{
    NumberEdit* interior = Field("c1001");
    ASSERT_NE(interior, nullptr);
    Retype(interior, "1.5");
    EXPECT_EQ(interior->text(), QStringLiteral("1."));
    EXPECT_EQ(interior->cursorPosition(), 2); // caret at 5, clamped to the text
}

// The fields of the editing dialogs keep one level of undo of their own; the main form's
// fields hand their undo keys to the window's history (EditHistoryTest).
TEST(DialogField, UndoRestoresTheLastValidTextAndASecondUndoRedoes)
{
    NumberEdit edit(quelvan::EditKind::Real, 32000);
    edit.LoadText(QStringLiteral("0.4"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, QStringLiteral("5"));
    ASSERT_EQ(edit.text(), QStringLiteral("0.45"));
    QTest::keyClicks(&edit, QStringLiteral("x")); // refused: the text stays
    ASSERT_EQ(edit.text(), QStringLiteral("0.45"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("0.4"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("0.45"));
}

TEST_F(FieldValidation, AValueOutsideItsBoundIsFramedInRedWithTheBoundInItsTooltip)
{
    NumberEdit* rse = Field("c1002");
    Retype(rse, "-0.5");
    EXPECT_EQ(rse->text(), QStringLiteral("-0.5")); // typed as it is, only marked
    EXPECT_TRUE(rse->IsRefused());
    EXPECT_EQ(rse->toolTip(), QStringLiteral("« -0.5 » hors limites (de 0 à 10 m².K/W)"));
    const QImage drawn = rse->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(1, drawn.height() / 2), QColor(220, 0, 0));
    Retype(rse, "0.5");
    EXPECT_FALSE(rse->IsRefused());
    EXPECT_EQ(rse->toolTip(), QString());
    EXPECT_NE(rse->grab().toImage().pixelColor(1, drawn.height() / 2), QColor(220, 0, 0));
}

// "Mode Calcul" on a refused value: the message, then input mode with the field to correct
// focused (and selected), never a calculation mode without a calculation.
TEST_F(FieldValidation, ARefusedValueLeavesInputModeWithItsFieldFocused)
{
    struct Case {
        const char* field;
        const char* text;
        const char* focused;
    };
    for (const Case& c : { Case { "c1002", "-0.5", "c1002" }, Case { "c1052", "11", "c1052" },
             Case { "c1052", "", "c1052" } }) {
        Retype(Field("c1002"), "0.04");
        Retype(Field("c1052"), "0.13");
        Retype(Field(c.field), c.text);
        window.findChild<QWidget*>("c1078")->setFocus(); // elsewhere
        const size_t messages = prompter.messages.size();
        QTest::mouseClick(window.findChild<QPushButton*>("c1058"), Qt::LeftButton);
        ASSERT_EQ(prompter.messages.size(), messages + 1) << c.text;
        EXPECT_EQ(prompter.messages.back().icon, quelvan::ui::Prompter::Icon::Stop);
        EXPECT_FALSE(window.View().IsCalculationMode()) << c.text;
        EXPECT_EQ(window.findChild<QPushButton*>("c1058")->text(), QStringLiteral("Mode Calcul"));
        EXPECT_EQ(window.View().Tracer(), nullptr);
        EXPECT_TRUE(Field(c.focused)->isEnabled());
        EXPECT_EQ(window.focusWidget(), Field(c.focused)) << c.text;
        EXPECT_EQ(Field(c.focused)->selectedText(), ToQ(c.text));
    }
    // A layer without a material: the layers' button.
    window.Document().layers.At(1).SetMaterial(nullptr);
    Retype(Field("c1052"), "0.13");
    window.View().SetCalculationMode(true);
    EXPECT_FALSE(window.View().IsCalculationMode());
    EXPECT_EQ(window.focusWidget(), window.findChild<QWidget*>("c1055"));
}

TEST_F(FieldValidation, ADecimalCommaIsStoredAndShownAsAPoint)
{
    Retype(Field("c1002"), "0,035");
    EXPECT_EQ(Field("c1002")->text(), QStringLiteral("0.035"));
    window.View().StoreControls();
    EXPECT_EQ(window.Document().surfaces.resistanceExterior, "0.035");
    MaterialDialog material(window.Document().materials.At(0));
    auto* conductivity = material.findChild<NumberEdit*>("c125");
    conductivity->selectAll();
    QTest::keyClicks(conductivity, QStringLiteral("1,75"));
    EXPECT_EQ(conductivity->text(), QStringLiteral("1.75"));
    material.accept();
    EXPECT_EQ(material.TakeResult()->Conductivity(), "1.75");
}

// Typed over a selected value, a leading sign or point is kept: the digits after it never join
// the previous value. What is not yet a number of the field's kind is framed in red and refused
// by the dialog's "OK" and by "Mode Calcul", never computed or stored as 0.
TEST_F(FieldValidation, TypedNumbersAreNeverChangedSilently)
{
    NumberEdit* exterior = Field("c1003");
    exterior->setFocus();
    exterior->selectAll();
    QTest::keyClicks(exterior, QStringLiteral(".5"));
    EXPECT_EQ(exterior->text(), QStringLiteral(".5"));
    EXPECT_FALSE(exterior->IsRefused());

    LayerDialog layer(window.Document().layers.At(1), window.Document().materials);
    auto* thickness = layer.findChild<NumberEdit*>("c1041");
    ASSERT_NE(thickness, nullptr);
    struct Typed {
        const char* text;
        const char* refusal;
    };
    for (const Typed& t : { Typed { "-20", "« -20 » hors limites (de 0,001 à 10000 mm)" },
             Typed { "12,5", "« 12,5 » n'est pas un nombre entier (de 0,001 à 10000 mm)" },
             Typed { "-", "« - » n'est pas un nombre (de 0,001 à 10000 mm)" } }) {
        thickness->setFocus();
        thickness->selectAll();
        QTest::keyClicks(thickness, ToQ(t.text));
        EXPECT_EQ(thickness->text(), ToQ(t.text));
        EXPECT_TRUE(thickness->IsRefused()) << t.text;
        EXPECT_EQ(thickness->RefusalText(), ToQ(t.refusal));
        layer.accept();
        EXPECT_EQ(layer.TakeResult(), nullptr) << t.text; // the dialog stays open
    }
    thickness->selectAll();
    QTest::keyClicks(thickness, QStringLiteral("125"));
    layer.accept();
    const auto taken = layer.TakeResult();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->Thickness(), "125");

    // The material dialog refuses a value beyond its bounds too.
    MaterialDialog material(window.Document().materials.At(0));
    auto* conductivity = material.findChild<NumberEdit*>("c125");
    conductivity->selectAll();
    QTest::keyClicks(conductivity, QStringLiteral("5000"));
    material.accept();
    EXPECT_EQ(material.TakeResult(), nullptr);

    // An ambiance's value (the low temperature of the sinusoid): a sign typed first stays.
    AmbianceDialog ambiance(*window.Document().SelectedAmbiance(quelvan::Side::Exterior));
    auto* value = ambiance.findChild<NumberEdit*>("c1019");
    ASSERT_NE(value, nullptr);
    ASSERT_TRUE(value->isVisibleTo(&ambiance) && value->isEnabled());
    value->setFocus();
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("-"));
    EXPECT_EQ(value->text(), QStringLiteral("-"));
    ambiance.accept();
    EXPECT_EQ(ambiance.TakeResult(), nullptr);
    EXPECT_EQ(value->selectedText(), QStringLiteral("-")); // shown to be corrected
    QTest::keyClick(value, Qt::Key_End);
    QTest::keyClicks(value, QStringLiteral("7"));
    EXPECT_EQ(value->text(), QStringLiteral("-7"));
}

// An unfinished number in the form ("-", "0.04e") reads as 0 or 0.04 to the number reader: the
// calculation refuses it instead of computing with it.
TEST_F(FieldValidation, AnUnfinishedNumberIsRefusedWhenTheCalculationStarts)
{
    for (const char* text : { "-", "0.04e" }) {
        Retype(Field("c1002"), text);
        EXPECT_EQ(Field("c1002")->text(), ToQ(text));
        EXPECT_TRUE(Field("c1002")->IsRefused()) << text;
        const size_t messages = prompter.messages.size();
        QTest::mouseClick(window.findChild<QPushButton*>("c1058"), Qt::LeftButton);
        ASSERT_EQ(prompter.messages.size(), messages + 1) << text;
        EXPECT_TRUE(prompter.messages.back().text.contains(QStringLiteral("n'est pas un nombre")))
            << prompter.messages.back().text.toStdString();
        EXPECT_FALSE(window.View().IsCalculationMode()) << text;
        EXPECT_EQ(window.focusWidget(), Field("c1002")) << text;
    }
}

} // namespace
