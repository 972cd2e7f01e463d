#include "UiTestSupport.h"
#include "model/KslDoc.h"
#include "ui/KslView.h"
#include "ui/MainWindow.h"
#include "ui/NumberEdit.h"

#include <QTest>

#include <gtest/gtest.h>

using quelvan::ui::MainWindow;
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
        QTest::keyClicks(edit, QString::fromUtf8(text));
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

TEST_F(FieldValidation, ExteriorAbsorptionAcceptsAnyReal)
{
    NumberEdit* exterior = Field("c1003");
    ASSERT_NE(exterior, nullptr);
    Retype(exterior, "1.5");
    EXPECT_EQ(exterior->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(window.Document().modified);
}

TEST_F(FieldValidation, SixthCharacterRefusedInEveryFormField)
{
    for (const char* name : { "c1001", "c1002", "c1003", "c1052" }) {
        NumberEdit* edit = Field(name);
        ASSERT_NE(edit, nullptr) << name;
        Retype(edit, "0.125");
        EXPECT_EQ(edit->text(), QStringLiteral("0.125")) << name;
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral("1"));
        EXPECT_EQ(edit->text(), QStringLiteral("0.125")) << name;
        EXPECT_EQ(edit->cursorPosition(), 5) << name;
    }
}

TEST_F(FieldValidation, LettersRefusedAndEmptyAccepted)
{
    NumberEdit* edit = Field("c1002");
    Retype(edit, "0.0a");
    EXPECT_EQ(edit->text(), QStringLiteral("0.0"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QString());
}

TEST_F(FieldValidation, UndoRestoresTheLastValidText)
{
    NumberEdit* edit = Field("c1003");
    Retype(edit, "0.4");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("5"));
    ASSERT_EQ(edit->text(), QStringLiteral("0.45"));
    QTest::keyClicks(edit, QStringLiteral("x")); // refused: the text stays
    ASSERT_EQ(edit->text(), QStringLiteral("0.45"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("0.4"));
    // A second undo brings the undone change back, as a one-level undo does.
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("0.45"));
}

TEST_F(FieldValidation, StoreCopiesTheTypedTextsIntoTheDocument)
{
    Retype(Field("c1003"), "0.7");
    Retype(Field("c1052"), "0.2");
    window.View().StoreControls();
    EXPECT_EQ(window.Document().surfaces.absorptionExterior, "0.7");
    EXPECT_EQ(window.Document().surfaces.resistanceInterior, "0.2");
    EXPECT_EQ(window.Document().surfaces.absorptionInterior, "0.4");
}

} // namespace
