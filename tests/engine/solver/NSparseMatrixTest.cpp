#include "engine/solver/NSparseMatrix.h"

#include "core/MessageSink.h"
#include "support/CollectedMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelvan::solver {
namespace {

using Collect = test::CollectedMessages;

TEST(NSparseMatrix, LookUpsOutsideTheMatrixFail)
{
    NSparseMatrix a;
    a.SetElement(0, 0, 1);
    a.SetElement(1, 1, 2);
    a.FinalizeMatrix();
    EXPECT_EQ(a.FindElement(2, 0), -1);
    EXPECT_EQ(a.FindElement(0, 5), -1);
    EXPECT_EQ(a.FindElement(-1, 0), -1);
    EXPECT_EQ(a.FindElement(0, 1), -1); // outside row 0's column span
    EXPECT_EQ(a.FindElement(1, 1, 1), 1); // the hint is taken when right
    EXPECT_EQ(a.FindElement(1, 1, 0), 1); // and ignored when wrong
}

TEST(NSparseMatrix, FinalizeGroupsByRowAndIndexesEveryRow)
{
    NSparseMatrix a;
    a.SetElement(2, 1, 21);
    a.SetElement(0, 0, 0.5);
    a.SetElement(2, 2, 22);
    a.SetElement(0, 3, 3);
    // A new larger row resets the index: every look-up scans from the first element.
    EXPECT_NE(a.FindElement(0, 3), -1);
    a.FinalizeMatrix();
    EXPECT_EQ(a.RowCount(), 3);
    EXPECT_EQ(a.ColumnCount(), 4);
    for (int k = 1; k < a.ElementCount(); ++k)
        EXPECT_LE(a.ElementAt(k - 1).row, a.ElementAt(k).row);
    EXPECT_EQ(a.RowAt(0).firstColumn, 0);
    EXPECT_EQ(a.RowAt(0).lastColumn, 3);
    EXPECT_EQ(a.RowAt(2).firstColumn, 1);
    // Row 1 holds nothing: its index makes every look-up fail.
    EXPECT_EQ(a.FindElement(1, 1), -1);
    EXPECT_DOUBLE_EQ(a.Value(2, 1), 21);
    EXPECT_DOUBLE_EQ(a.Value(0, 3), 3);
}

TEST(NSparseMatrix, SetReplacesAddAccumulatesAndClearEmpties)
{
    NSparseMatrix a;
    a.AddToElement(0, 0, 1.5);
    a.AddToElement(0, 0, 2.0);
    a.SetElement(0, 1, 4);
    a.SetElement(0, 1, 5);
    a.FinalizeMatrix();
    EXPECT_EQ(a.ElementCount(), 2);
    EXPECT_DOUBLE_EQ(a.Value(0, 0), 3.5);
    EXPECT_DOUBLE_EQ(a.Value(0, 1), 5);
    a.ClearMatrix();
    EXPECT_EQ(a.RowCount(), 0);
    EXPECT_EQ(a.ElementCount(), 0);
    EXPECT_EQ(a.FindElement(0, 0), -1);
}

TEST(NSparseMatrix, SymmetryAndSquareness)
{
    NSparseMatrix a;
    a.SetElement(0, 0, 2);
    a.SetElement(0, 1, -1);
    a.SetElement(1, 0, -1);
    a.SetElement(1, 1, 2);
    a.FinalizeMatrix();
    EXPECT_TRUE(a.IsSquare());
    EXPECT_TRUE(a.IsSymmetric());
    a.SetElement(1, 0, -1.1);
    a.FinalizeMatrix();
    EXPECT_FALSE(a.IsSymmetric());
    a.SetElement(1, 2, 1);
    a.FinalizeMatrix();
    EXPECT_FALSE(a.IsSquare());
    EXPECT_FALSE(a.IsSymmetric());
    const NMatrix plain;
    EXPECT_FALSE(plain.IsSquare());
    EXPECT_FALSE(plain.CheckDiagonalDominance(false));
}

TEST(NSparseMatrix, DiagonalDominanceReportsTheFirstFailingRow)
{
    NSparseMatrix a;
    a.SetElement(0, 0, 2);
    a.SetElement(0, 1, -2);
    a.SetElement(1, 0, -2);
    a.SetElement(1, 1, 1);
    a.FinalizeMatrix();
    Collect sink;
    EXPECT_FALSE(a.CheckDiagonalDominance(false, sink));
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "line 1, diag = 1.000000 sum = -2.000000\n");
    // Row sums: row 0 sums to zero, row 1 does not; checked silently.
    sink.lines.clear();
    EXPECT_FALSE(a.CheckDiagonalDominance(true, sink));
    EXPECT_TRUE(sink.lines.empty());
    a.SetElement(1, 1, 2);
    a.FinalizeMatrix();
    EXPECT_TRUE(a.CheckDiagonalDominance(true, sink));
}

} // namespace
} // namespace quelvan::solver
