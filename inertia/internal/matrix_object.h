// The matrix component of the ellipsoid-of-inertia computation: a dense,
// zero-based matrix of doubles with exactly the operations the computation
// calls. Eigen does the work behind it and stays out of this header.
//
// Eigen's conventions, which decide which principal moment the computation
// stores first and which of an axis's two directions its angles describe:
// the eigenvalues come in ascending order, and each eigenvector is scaled to
// unit length with its largest-magnitude component non-negative (the first
// such component when several share the largest magnitude).
//
// Every unsuitable call (an index outside the matrix, shapes that do not
// fit, a non-symmetric or non-finite matrix given to Eigen) throws
// MatrixError and leaves the object unchanged.
#pragma once

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class MatrixError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MatrixObject {
public:
    MatrixObject() = default;

    // Becomes rows x columns; elements not set since read 0.
    void Resize(int rows, int columns);
    [[nodiscard]] double Item(int row, int column) const;
    void SetItem(int row, int column, double value);
    [[nodiscard]] int RowCount() const noexcept { return m_rows; }
    [[nodiscard]] int ColCount() const noexcept { return m_columns; }

    // Decomposes a symmetric matrix: `values` becomes n x 1, `vectors` n x n
    // with column k the eigenvector of row k of `values`. The second and
    // fourth outputs receive the imaginary parts, which are zero for a
    // symmetric matrix.
    void Eigen(MatrixObject& values, MatrixObject& valuesImaginary, MatrixObject& vectors,
               MatrixObject& vectorsImaginary) const;

    // The eigenvalues alone of a symmetric 3 x 3 matrix, in ascending order;
    // for judging readings, not for stored results.
    [[nodiscard]] std::array<double, 3> EigenValues() const;

    // Row (column) i becomes the former row (column) order[i]; `order` must be
    // a permutation of 0 .. n-1.
    void PermuteRows(std::span<const int> order);
    void PermuteColumns(std::span<const int> order);

    [[nodiscard]] MatrixObject Row(int row) const;
    [[nodiscard]] MatrixObject Transpose() const;
    // This object is the left factor.
    [[nodiscard]] MatrixObject Multiply(const MatrixObject& right) const;
    // Dimension 0: the sum of all elements.
    [[nodiscard]] double Sum(int dimension) const;
    // One row per line (CR LF between lines, none after the last), every
    // value with `decimals` decimals, right-aligned in columns two blanks
    // apart; a non-empty caption comes first on a line of its own. A value
    // whose fixed form would be wider than "-999999.999" is written with an
    // exponent and `decimals` decimals in its mantissa ("3.000E+38").
    [[nodiscard]] std::string ToText(int decimals, std::string_view caption) const;

private:
    // Up to 3 x 3 the elements live inside the object: the computation
    // creates a dozen small matrices per club and allocates none of them.
    static constexpr std::size_t kInlineElements = 9;

    MatrixObject(int rows, int columns);
    void CheckIndex(int row, int column) const;
    [[nodiscard]] std::size_t Offset(int row, int column) const;
    [[nodiscard]] std::size_t Size() const { return static_cast<std::size_t>(m_rows) * m_columns; }
    [[nodiscard]] double* Elements()
    {
        return Size() <= kInlineElements ? m_inline.data() : m_heap.data();
    }
    [[nodiscard]] const double* Elements() const
    {
        return Size() <= kInlineElements ? m_inline.data() : m_heap.data();
    }

    int m_rows = 0;
    int m_columns = 0;
    // Column-major, as Eigen keeps them.
    std::array<double, kInlineElements> m_inline{};
    std::vector<double> m_heap;
};

} // namespace orv
