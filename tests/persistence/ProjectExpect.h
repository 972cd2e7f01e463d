#pragma once

#include "model/KslDoc.h"

#include <gtest/gtest.h>

namespace quelvan::test {

// Every field the project file stores, compared one by one (independently of the reader's own
// read-back check).
inline void ExpectSameProject(const KslDoc& a, const KslDoc& b)
{
    EXPECT_EQ(a.author, b.author);
    EXPECT_EQ(a.reference, b.reference);
    for (size_t k = 0; k < 5; ++k)
        EXPECT_EQ(a.printChoices[k], b.printChoices[k]) << "print choice " << k;
    EXPECT_EQ(a.initialTemperatureMode, b.initialTemperatureMode);
    EXPECT_EQ(a.azimuthIndex, b.azimuthIndex);
    EXPECT_EQ(a.inclinationIndex, b.inclinationIndex);
    EXPECT_EQ(a.surfaces.absorptionInterior, b.surfaces.absorptionInterior);
    EXPECT_EQ(a.surfaces.absorptionExterior, b.surfaces.absorptionExterior);
    EXPECT_EQ(a.surfaces.resistanceInterior, b.surfaces.resistanceInterior);
    EXPECT_EQ(a.surfaces.resistanceExterior, b.surfaces.resistanceExterior);
    EXPECT_EQ(a.selectedExterior, b.selectedExterior);
    EXPECT_EQ(a.selectedInterior, b.selectedInterior);

    ASSERT_EQ(a.materials.Count(), b.materials.Count());
    for (int i = 0; i < a.materials.Count(); ++i) {
        const CMaterial& x = a.materials.At(i);
        const CMaterial& y = b.materials.At(i);
        SCOPED_TRACE("material " + x.Name());
        EXPECT_EQ(x.Identifier(), y.Identifier());
        EXPECT_EQ(x.Name(), y.Name());
        EXPECT_EQ(x.Conductivity(), y.Conductivity());
        EXPECT_EQ(x.Density(), y.Density());
        EXPECT_EQ(x.Capacity(), y.Capacity());
        EXPECT_EQ(x.GetColour(), y.GetColour());
    }
    for (const Side side : { Side::Exterior, Side::Interior }) {
        const NList<CBCData>& la = a.Ambiances(side);
        const NList<CBCData>& lb = b.Ambiances(side);
        ASSERT_EQ(la.Count(), lb.Count());
        for (int i = 0; i < la.Count(); ++i) {
            const CBCData& x = la.At(i);
            const CBCData& y = lb.At(i);
            SCOPED_TRACE("ambiance " + x.Name());
            EXPECT_EQ(x.Identifier(), y.Identifier());
            EXPECT_EQ(x.Name(), y.Name());
            EXPECT_EQ(x.side, y.side);
            EXPECT_EQ(x.weatherFlag, y.weatherFlag);
            EXPECT_EQ(x.cityIndex, y.cityIndex);
            EXPECT_EQ(x.firstDay, y.firstDay);
            EXPECT_EQ(x.weatherPeriod, y.weatherPeriod);
            EXPECT_EQ(x.temperature, y.temperature);
            EXPECT_EQ(x.flux, y.flux);
        }
    }
    ASSERT_EQ(a.layers.Count(), b.layers.Count());
    for (int i = 0; i < a.layers.Count(); ++i) {
        const NMaterialLayer& x = a.layers.At(i);
        const NMaterialLayer& y = b.layers.At(i);
        EXPECT_EQ(x.Thickness(), y.Thickness());
        ASSERT_NE(x.Material(), nullptr);
        ASSERT_NE(y.Material(), nullptr);
        EXPECT_EQ(x.Material()->LibraryIndex(), y.Material()->LibraryIndex());
        EXPECT_EQ(x.Material()->Name(), y.Material()->Name());
        // A layer of the read project points into that project's own library.
        EXPECT_NE(b.materials.IndexOf(y.Material()), -1);
    }
}

} // namespace quelvan::test
