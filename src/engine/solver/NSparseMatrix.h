#pragma once

#include "engine/solver/NVector.h"
#include "engine/solver/TridiagonalBands.h"

#include <vector>

namespace quelvan {
class MessageSink;
}

namespace quelvan::solver {

// The abstract matrix: queries that a plain matrix cannot answer say false.
class NMatrix {
public:
    virtual ~NMatrix() = default;
    virtual bool IsSquare() const { return false; }
    virtual bool IsSymmetric() const { return false; }
    virtual bool CheckDiagonalDominance(bool /*requireZeroRowSum*/) const { return false; }
};

// A sparse matrix of (row, column, value) elements with a per-row index. Elements are appended
// while the matrix is built; FinalizeMatrix groups them by row and rebuilds the index, and must
// follow the last change before any product, solve or query. Values are kept in double
// precision: a wall of steel and insulation adds conductances five orders of magnitude apart on
// one diagonal, and single precision would lose most of the small one.
class NSparseMatrix final : public NMatrix {
public:
    struct Element {
        int row;
        int column;
        double value;
    };
    // Positions of a row's first and last element and its first and last column. A row added
    // since the last finalisation has {0, 32000, 0, 32000}, so a look-up scans from element 0.
    struct RowIndex {
        int firstElement;
        int lastElement;
        int firstColumn;
        int lastColumn;
    };
    static constexpr int kFreshLimit = 32000;

    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return columnCount_; }
    int ElementCount() const { return static_cast<int>(elements_.size()); }
    const Element& ElementAt(int position) const
    {
        return elements_[static_cast<size_t>(position)];
    }
    const RowIndex& RowAt(int row) const { return rows_[static_cast<size_t>(row)]; }
    // The diagonals read by the last finalisation; not complete after any later change.
    const TridiagonalBands& Bands() const { return bands_; }

    // Position of the element, -1 when it is not stored; the hint is tried first.
    int FindElement(int row, int column, int hint = -1) const;
    // The stored value, 0 when the element is not stored.
    double Value(int row, int column) const;
    void SetElement(int row, int column, double value);
    void AddToElement(int row, int column, double value, int hint = -1);
    // Also reads the three diagonals into Bands() when the matrix is tridiagonal.
    void FinalizeMatrix();
    // No rows, no columns, no elements (the storage stays allocated).
    void ClearMatrix();

    // y = A x, each row summed in double precision over the row's column span.
    static void MultiplyInto(const NSparseMatrix& a, const NVector& x, NVector& y);

    bool IsSquare() const override { return rowCount_ == columnCount_; }
    // Every stored a(i,j) equals a(j,i) within the number tolerance (a missing a(j,i) is 0).
    bool IsSymmetric() const override;
    bool CheckDiagonalDominance(bool requireZeroRowSum) const override;
    // As above; the failing row's line "line %d, diag = %f sum = %f\n" goes to the sink.
    bool CheckDiagonalDominance(bool requireZeroRowSum, MessageSink& sink) const;

private:
    int rowCount_ = 0;
    int columnCount_ = 0;
    std::vector<Element> elements_;
    std::vector<RowIndex> rows_;
    TridiagonalBands bands_;
};

} // namespace quelvan::solver
