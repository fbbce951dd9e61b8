#include "inertia/internal/matrix_object.h"

#include <Eigen/Core>
#include <Eigen/Eigenvalues>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

namespace orv {
namespace {

using Map = Eigen::Map<Eigen::MatrixXd>;
using ConstMap = Eigen::Map<const Eigen::MatrixXd>;

void CheckPermutation(std::span<const int> order, int size)
{
    if (static_cast<int>(order.size()) != size)
        throw MatrixError("Permutation does not match the matrix");
    std::vector<bool> seen(order.size(), false);
    for (int index : order) {
        if (index < 0 || index >= size || seen[index])
            throw MatrixError("Not a permutation");
        seen[index] = true;
    }
}

// The fixed-size solver spares the tensor's 3 x 3 case every allocation.
template <typename Fixed> void Decompose(const ConstMap& matrix, Map& values, Map& vectors)
{
    const Eigen::SelfAdjointEigenSolver<Fixed> solver{Fixed{matrix}};
    if (solver.info() != Eigen::Success)
        throw MatrixError("Eigen decomposition did not converge");
    values = solver.eigenvalues();
    vectors = solver.eigenvectors();
}

// The widest fixed-point cell, "-999999.999": the report boxes hold three
// such columns side by side. Larger magnitudes are written with an exponent.
constexpr std::size_t kWidestFixedCell = 11;

std::string FormatExponent(double value, int decimals)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, decimals);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        c = c == 'e' ? 'E' : c;
    return text;
}

std::string FormatCell(double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.size() > kWidestFixedCell && std::isfinite(value))
        return FormatExponent(value, decimals);
    // A value that rounds to zero reads better without its sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace

MatrixObject::MatrixObject(int rows, int columns)
    : m_rows(rows)
    , m_columns(columns)
{
    if (Size() > kInlineElements)
        m_heap.assign(Size(), 0.0);
}

void MatrixObject::Resize(int rows, int columns)
{
    if (rows < 0 || columns < 0)
        throw MatrixError("Negative matrix size");
    *this = MatrixObject(rows, columns);
}

double MatrixObject::Item(int row, int column) const
{
    CheckIndex(row, column);
    return Elements()[Offset(row, column)];
}

void MatrixObject::SetItem(int row, int column, double value)
{
    CheckIndex(row, column);
    Elements()[Offset(row, column)] = value;
}

void MatrixObject::Eigen(MatrixObject& values, MatrixObject& valuesImaginary, MatrixObject& vectors,
                         MatrixObject& vectorsImaginary) const
{
    if (m_rows != m_columns || m_rows == 0)
        throw MatrixError("Eigen needs a square matrix");
    const ConstMap matrix(Elements(), m_rows, m_columns);
    if (!matrix.allFinite())
        throw MatrixError("Eigen needs finite elements");
    if (matrix != matrix.transpose())
        throw MatrixError("Eigen needs a symmetric matrix");

    const int n = m_rows;
    MatrixObject newValues(n, 1);
    MatrixObject newVectors(n, n);
    Map valueMap(newValues.Elements(), n, 1);
    Map vectorMap(newVectors.Elements(), n, n);
    if (n == 3)
        Decompose<Eigen::Matrix3d>(matrix, valueMap, vectorMap);
    else
        Decompose<Eigen::MatrixXd>(matrix, valueMap, vectorMap);
    for (int k = 0; k < n; ++k) {
        auto column = vectorMap.col(k);
        column.normalize();
        Eigen::Index largest = 0;
        column.cwiseAbs().maxCoeff(&largest);
        if (column(largest) < 0.0)
            column = -column;
    }
    values = std::move(newValues);
    vectors = std::move(newVectors);
    valuesImaginary = MatrixObject(n, 1);
    vectorsImaginary = MatrixObject(n, n);
}

std::array<double, 3> MatrixObject::EigenValues() const
{
    if (m_rows != 3 || m_columns != 3)
        throw MatrixError("EigenValues needs a 3 x 3 matrix");
    const ConstMap matrix(Elements(), 3, 3);
    if (!matrix.allFinite())
        throw MatrixError("Eigen needs finite elements");
    if (matrix != matrix.transpose())
        throw MatrixError("Eigen needs a symmetric matrix");
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(Eigen::Matrix3d{matrix},
                                                                Eigen::EigenvaluesOnly);
    if (solver.info() != Eigen::Success)
        throw MatrixError("Eigen decomposition did not converge");
    return {solver.eigenvalues()(0), solver.eigenvalues()(1), solver.eigenvalues()(2)};
}

void MatrixObject::PermuteRows(std::span<const int> order)
{
    CheckPermutation(order, m_rows);
    MatrixObject permuted(m_rows, m_columns);
    for (int i = 0; i < m_rows; ++i)
        for (int j = 0; j < m_columns; ++j)
            permuted.Elements()[permuted.Offset(i, j)] = Elements()[Offset(order[i], j)];
    *this = std::move(permuted);
}

void MatrixObject::PermuteColumns(std::span<const int> order)
{
    CheckPermutation(order, m_columns);
    MatrixObject permuted(m_rows, m_columns);
    for (int i = 0; i < m_rows; ++i)
        for (int j = 0; j < m_columns; ++j)
            permuted.Elements()[permuted.Offset(i, j)] = Elements()[Offset(i, order[j])];
    *this = std::move(permuted);
}

MatrixObject MatrixObject::Row(int row) const
{
    CheckIndex(row, 0);
    MatrixObject result(1, m_columns);
    for (int j = 0; j < m_columns; ++j)
        result.Elements()[j] = Elements()[Offset(row, j)];
    return result;
}

MatrixObject MatrixObject::Transpose() const
{
    MatrixObject result(m_columns, m_rows);
    Map(result.Elements(), m_columns, m_rows) = ConstMap(Elements(), m_rows, m_columns).transpose();
    return result;
}

MatrixObject MatrixObject::Multiply(const MatrixObject& right) const
{
    if (m_columns != right.m_rows)
        throw MatrixError("Matrix shapes do not fit for multiplication");
    MatrixObject result(m_rows, right.m_columns);
    Map(result.Elements(), m_rows, right.m_columns).noalias() = ConstMap(Elements(), m_rows,
                                                                         m_columns)
                                                                * ConstMap(right.Elements(),
                                                                           right.m_rows,
                                                                           right.m_columns);
    return result;
}

double MatrixObject::Sum(int dimension) const
{
    if (dimension != 0)
        throw MatrixError("Only the sum of all elements is supported");
    return std::accumulate(Elements(), Elements() + Size(), 0.0);
}

std::string MatrixObject::ToText(int decimals, std::string_view caption) const
{
    if (decimals < 0)
        throw MatrixError("Negative number of decimals");
    std::vector<std::string> cells;
    cells.reserve(Size());
    std::size_t width = 0;
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_columns; ++j) {
            cells.push_back(FormatCell(Elements()[Offset(i, j)], decimals));
            width = std::max(width, cells.back().size());
        }
    }

    std::string text(caption);
    for (int i = 0; i < m_rows; ++i) {
        if (!text.empty())
            text += "\r\n";
        for (int j = 0; j < m_columns; ++j) {
            const std::string& cell = cells[static_cast<std::size_t>(i) * m_columns + j];
            if (j > 0)
                text += "  ";
            text.append(width - cell.size(), ' ');
            text += cell;
        }
    }
    return text;
}

void MatrixObject::CheckIndex(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        throw MatrixError("Subscript out of range");
}

std::size_t MatrixObject::Offset(int row, int column) const
{
    return static_cast<std::size_t>(column) * m_rows + row;
}

} // namespace orv
