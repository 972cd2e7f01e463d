#include "UiTestSupport.h"
#include "model/KslDoc.h"
#include "ui/records/AmbianceDialog.h"
#include "ui/records/LayerDialog.h"
#include "ui/records/MaterialDialog.h"
#include "ui/records/ReferencesDialog.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace quelvan;
using namespace quelvan::ui;
using quelvan::ui::test::ScriptedPrompter;

namespace {

template <typename W> W* Child(QWidget& parent, int id)
{
    return parent.findChild<W*>(ControlName(id));
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

TEST(MaterialDialog, DerivedValuesFollowTheTypedProperties)
{
    CMaterial material(3001, 0, "Essai", "2", "2000", "1000");
    MaterialDialog dialog(material);
    auto* density = Child<NumberEdit>(dialog, 126);
    Retype(density, QStringLiteral(""));
    EXPECT_EQ(Child<QLineEdit>(dialog, 127)->text(), QStringLiteral("---"));
    EXPECT_EQ(Child<QLineEdit>(dialog, 130)->text(), QStringLiteral("---"));
    QTest::keyClicks(density, QStringLiteral("a"));
    EXPECT_EQ(density->text(), QString());
    QTest::keyClicks(density, QStringLiteral("500"));
    dialog.accept();
    auto result = dialog.TakeResult();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Density(), "500");
    EXPECT_EQ(result->Identifier(), 3001);
    EXPECT_EQ(material.Density(), "2000"); // the shown material never changes
}

TEST(LayerDialog, ResistanceAndWholeMillimetres)
{
    KslDoc doc;
    doc.materials.At(0).SetConductivity("2");
    NMaterialLayer layer(&doc.materials.At(0), "100");
    LayerDialog dialog(layer, doc.materials);
    EXPECT_EQ(Child<QLineEdit>(dialog, 1047)->text(), QStringLiteral("0.05"));
    auto* thickness = Child<NumberEdit>(dialog, 1041);
    Retype(thickness, QStringLiteral("300"));
    EXPECT_EQ(Child<QLineEdit>(dialog, 1047)->text(), QStringLiteral("0.15"));
    Child<QComboBox>(dialog, 1043)->setCurrentIndex(1);
    dialog.accept();
    auto result = dialog.TakeResult();
    EXPECT_EQ(result->Material(), &doc.materials.At(1));
    EXPECT_EQ(result->Thickness(), "300");
}

TEST(LayerDialog, WithoutASelectedMaterialOkKeepsThePreviousOne)
{
    KslDoc doc;
    CMaterial outside(3050, 0, "Hors bibliothèque", "1", "1000", "1000");
    NMaterialLayer layer(&outside, "50");
    LayerDialog dialog(layer, doc.materials);
    EXPECT_EQ(Child<QComboBox>(dialog, 1043)->currentIndex(), -1);
    EXPECT_EQ(Child<QLineEdit>(dialog, 1047)->text(), QString());
    dialog.accept();
    EXPECT_EQ(dialog.TakeResult()->Material(), &outside);
}

TEST(AmbianceDialog, InteriorOffersNoComputedFluxNorWeatherFile)
{
    KslDoc doc;
    AmbianceDialog dialog(doc.interiorAmbiances.At(0));
    EXPECT_EQ(Child<QComboBox>(dialog, 1040)->count(), 3);
    EXPECT_FALSE(Child<QCheckBox>(dialog, 1101)->isEnabled());
    AmbianceDialog exterior(doc.exteriorAmbiances.At(0));
    EXPECT_EQ(Child<QComboBox>(exterior, 1040)->count(), 4);
    EXPECT_TRUE(Child<QCheckBox>(exterior, 1101)->isEnabled());
}

TEST(AmbianceDialog, LatitudeBoundedOnlyForComputedFlux)
{
    KslDoc doc;
    AmbianceDialog dialog(doc.exteriorAmbiances.At(0));
    auto* types = Child<QComboBox>(dialog, 1040);
    auto* flux1 = Child<NumberEdit>(dialog, 1037);
    types->setCurrentIndex(3);
    Retype(flux1, QStringLiteral("91"));
    EXPECT_EQ(flux1->text(), QStringLiteral("9"));
    types->setCurrentIndex(2);
    Retype(flux1, QStringLiteral("910"));
    EXPECT_EQ(flux1->text(), QStringLiteral("910"));
}

TEST(AmbianceDialog, ValueOneHoldsThreeCharactersAndDayCapsTheEndHour)
{
    KslDoc doc;
    AmbianceDialog dialog(doc.exteriorAmbiances.At(4)); // ramp over a week, end hour 60
    auto* value1 = Child<NumberEdit>(dialog, 1019);
    Retype(value1, QStringLiteral("1000"));
    EXPECT_EQ(value1->text(), QStringLiteral("100"));
    EXPECT_EQ(Child<QLineEdit>(dialog, 1036)->text(), QStringLiteral("60"));
    Child<QComboBox>(dialog, 1023)->setCurrentIndex(0);
    EXPECT_EQ(Child<QLineEdit>(dialog, 1036)->text(), QStringLiteral("24"));
}

TEST(AmbianceDialog, ConstantTemperatureStoresItsMinimumEqualToItsValue)
{
    KslDoc doc;
    AmbianceDialog dialog(doc.exteriorAmbiances.At(2)); // sinusoid 25/35
    Child<QComboBox>(dialog, 1018)->setCurrentIndex(0);
    Retype(Child<NumberEdit>(dialog, 1019), QStringLiteral("12"));
    dialog.accept();
    auto result = dialog.TakeResult();
    EXPECT_EQ(result->temperature.type, ProfileType::Constant);
    EXPECT_EQ(result->temperature.values[0], "12");
    EXPECT_EQ(result->temperature.values[1], "12");
    EXPECT_EQ(doc.exteriorAmbiances.At(2).temperature.type, ProfileType::Sinusoid);
}

TEST(AmbianceDialog, WeatherCaseStoresTheCityAndHidesThePreviews)
{
    KslDoc doc;
    AmbianceDialog dialog(doc.exteriorAmbiances.At(0));
    Child<QCheckBox>(dialog, 1101)->setChecked(true);
    EXPECT_FALSE(Child<QComboBox>(dialog, 1018)->isEnabled());
    EXPECT_TRUE(Child<QComboBox>(dialog, 1100)->isEnabled());
    Child<QComboBox>(dialog, 1100)->setCurrentIndex(7);
    Retype(Child<NumberEdit>(dialog, 1104), QStringLiteral("359"));
    EXPECT_EQ(Child<QLineEdit>(dialog, 1104)->text(), QStringLiteral("35"));
    Child<QComboBox>(dialog, 1059)->setCurrentIndex(1);
    dialog.accept();
    auto result = dialog.TakeResult();
    EXPECT_TRUE(result->weatherFlag);
    EXPECT_EQ(result->cityIndex, 7);
    EXPECT_EQ(result->firstDay, 35);
    EXPECT_EQ(result->temperature.type, ProfileType::Weather);
    EXPECT_EQ(result->flux.period, Period::Week);
}

TEST(ReferencesDialog, ThirtyFiveCharactersAreRefusedAtOk)
{
    ScriptedPrompter prompter;
    ReferencesDialog dialog(QStringLiteral("a"), QStringLiteral("b"), prompter);
    dialog.show();
    Child<QLineEdit>(dialog, 1093)->setText(QString(35, QLatin1Char('x')));
    dialog.accept();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Tapez 34 caractères au maximum."));
    EXPECT_TRUE(dialog.isVisible());
    Child<QLineEdit>(dialog, 1093)->setText(QString(34, QLatin1Char('x')));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
