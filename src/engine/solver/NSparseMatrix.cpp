#include "engine/solver/NSparseMatrix.h"

#include "core/MessageSink.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quelvan::solver {

namespace {
constexpr double kAbsoluteTolerance = 0.0000005;
constexpr double kRelativeTolerance = 0.000001;
} // namespace

int NSparseMatrix::FindElement(int row, int column, int hint) const
{
    const int count = ElementCount();
    if (hint >= 0 && hint < count) {
        const Element& e = elements_[static_cast<size_t>(hint)];
        if (e.row == row && e.column == column)
            return hint;
    }
    if (row < 0 || column < 0 || row >= rowCount_ || column >= columnCount_)
        return -1;
    const RowIndex& r = rows_[static_cast<size_t>(row)];
    if (column < r.firstColumn || column > r.lastColumn)
        return -1;
    const int end = std::min(r.lastElement + 1, count);
    for (int k = std::max(r.firstElement, 0); k < end; ++k) {
        const Element& e = elements_[static_cast<size_t>(k)];
        if (e.row == row && e.column == column)
            return k;
    }
    return -1;
}

double NSparseMatrix::Value(int row, int column) const
{
    const int k = FindElement(row, column);
    return k < 0 ? 0.0 : elements_[static_cast<size_t>(k)].value;
}

void NSparseMatrix::SetElement(int row, int column, double value)
{
    const int k = FindElement(row, column);
    bands_.complete = false;
    if (k >= 0) {
        elements_[static_cast<size_t>(k)].value = value;
        return;
    }
    if (row < 0 || column < 0)
        return;
    elements_.push_back({ row, column, value });
    if (row >= rowCount_) {
        // A new row invalidates the index: every look-up scans from the start until the
        // next finalisation.
        rowCount_ = row + 1;
        rows_.assign(static_cast<size_t>(rowCount_), { 0, kFreshLimit, 0, kFreshLimit });
    }
    if (column >= columnCount_)
        columnCount_ = column + 1;
}

void NSparseMatrix::AddToElement(int row, int column, double value, int hint)
{
    const int k = FindElement(row, column, hint);
    bands_.complete = false;
    if (k >= 0)
        elements_[static_cast<size_t>(k)].value += value;
    else
        SetElement(row, column, value);
}

void NSparseMatrix::FinalizeMatrix()
{
    // Selection sort on the row only: the order of columns inside a row is left as it comes.
    const size_t count = elements_.size();
    for (size_t p = 0; p < count; ++p) {
        int best = elements_[p].row;
        size_t found = count;
        for (size_t q = p + 1; q < count; ++q) {
            if (elements_[q].row < best) {
                best = elements_[q].row;
                found = q;
            }
        }
        if (found < count)
            std::swap(elements_[p], elements_[found]);
    }
    const int n = ElementCount();
    rows_.assign(static_cast<size_t>(rowCount_), { n, 0, columnCount_, 0 });
    for (int k = 0; k < n; ++k) {
        const Element& e = elements_[static_cast<size_t>(k)];
        RowIndex& r = rows_[static_cast<size_t>(e.row)];
        r.firstElement = std::min(r.firstElement, k);
        r.lastElement = std::max(r.lastElement, k);
        r.firstColumn = std::min(r.firstColumn, e.column);
        r.lastColumn = std::max(r.lastColumn, e.column);
    }
    ExtractBands(*this, bands_);
}

void NSparseMatrix::ClearMatrix()
{
    rowCount_ = 0;
    columnCount_ = 0;
    elements_.clear();
    rows_.clear();
    bands_.complete = false;
}

void NSparseMatrix::MultiplyInto(const NSparseMatrix& a, const NVector& x, NVector& y)
{
    y.Resize(a.rowCount_);
    for (int i = 0; i < a.rowCount_; ++i) {
        const RowIndex& r = a.rows_[static_cast<size_t>(i)];
        double sum = 0.0;
        const int last = std::min(r.lastColumn, a.columnCount_ - 1);
        for (int j = std::max(r.firstColumn, 0); j <= last; ++j) {
            const int k = a.FindElement(i, j);
            if (k >= 0)
                sum += static_cast<double>(a.elements_[static_cast<size_t>(k)].value) * x[j];
        }
        y[i] = static_cast<float>(sum);
    }
}

bool NSparseMatrix::IsSymmetric() const
{
    if (!IsSquare())
        return false;
    for (const Element& e : elements_) {
        if (Differs(e.value, Value(e.column, e.row), kAbsoluteTolerance, kRelativeTolerance))
            return false;
    }
    return true;
}

bool NSparseMatrix::CheckDiagonalDominance(bool requireZeroRowSum) const
{
    NullMessageSink sink;
    return CheckDiagonalDominance(requireZeroRowSum, sink);
}

bool NSparseMatrix::CheckDiagonalDominance(bool requireZeroRowSum, MessageSink& sink) const
{
    for (int i = 0; i < rowCount_; ++i) {
        const RowIndex& r = rows_[static_cast<size_t>(i)];
        double s = 0.0;
        double d = 0.0;
        const int end = std::min(r.lastElement + 1, ElementCount());
        for (int k = std::max(r.firstElement, 0); k < end; ++k) {
            const Element& e = elements_[static_cast<size_t>(k)];
            if (e.row != i)
                continue;
            if (e.column == i)
                d = e.value;
            else
                s += e.value;
        }
        if (requireZeroRowSum && Differs(d, -s, kAbsoluteTolerance, kRelativeTolerance))
            return false;
        if (std::fabs(s) - 0.00005 > std::fabs(d)) {
            sink.Message("line " + FormatInt("%d", i) + ", diag = " + FormatDouble("%f", d)
                + " sum = " + FormatDouble("%f", s) + "\n");
            return false;
        }
    }
    return true;
}

} // namespace quelvan::solver
