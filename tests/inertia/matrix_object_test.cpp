#include "inertia/internal/matrix_object.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace orv {
namespace {

MatrixObject Make(int rows, int columns, std::initializer_list<double> rowMajor)
{
    MatrixObject matrix;
    matrix.Resize(rows, columns);
    auto it = rowMajor.begin();
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            matrix.SetItem(i, j, *it++);
    return matrix;
}

TEST(MatrixObject, ResizedElementsReadZero)
{
    MatrixObject matrix;
    matrix.Resize(2, 3);
    EXPECT_EQ(matrix.RowCount(), 2);
    EXPECT_EQ(matrix.ColCount(), 3);
    EXPECT_EQ(matrix.Item(1, 2), 0.0);
    EXPECT_THROW((void)matrix.Item(2, 0), MatrixError);
    EXPECT_THROW(matrix.SetItem(0, -1, 1.0), MatrixError);
}

TEST(MatrixObject, EigenFollowsItsConvention)
{
    const MatrixObject t = Make(3, 3, {2, -0.1, 0.05, -0.1, 3, 0.2, 0.05, 0.2, 3.5});
    MatrixObject values, valuesImaginary, vectors, vectorsImaginary;
    t.Eigen(values, valuesImaginary, vectors, vectorsImaginary);
    ASSERT_EQ(values.RowCount(), 3);
    ASSERT_EQ(vectors.ColCount(), 3);
    EXPECT_LT(values.Item(0, 0), values.Item(1, 0));
    EXPECT_LT(values.Item(1, 0), values.Item(2, 0));
    for (int k = 0; k < 3; ++k) {
        double norm = 0;
        double largest = 0;
        for (int i = 0; i < 3; ++i) {
            const double v = vectors.Item(i, k);
            norm += v * v;
            if (std::fabs(v) > std::fabs(largest))
                largest = v;
            // T e = lambda e
            double te = 0;
            for (int j = 0; j < 3; ++j)
                te += t.Item(i, j) * vectors.Item(j, k);
            EXPECT_NEAR(te, values.Item(k, 0) * v, 1e-12);
        }
        EXPECT_NEAR(norm, 1.0, 1e-14);
        EXPECT_GT(largest, 0.0);
    }
    EXPECT_EQ(valuesImaginary.Sum(0), 0.0);
}

TEST(MatrixObject, EigenRefusesUnsuitableMatrices)
{
    MatrixObject values, second, vectors, fourth;
    EXPECT_THROW(Make(2, 3, {1, 2, 3, 4, 5, 6}).Eigen(values, second, vectors, fourth),
                 MatrixError);
    EXPECT_THROW(Make(2, 2, {1, 2, 3, 4}).Eigen(values, second, vectors, fourth), MatrixError);
    EXPECT_THROW(Make(2, 2, {1, NAN, NAN, 4}).Eigen(values, second, vectors, fourth), MatrixError);
    EXPECT_THROW(MatrixObject().Eigen(values, second, vectors, fourth), MatrixError);
    EXPECT_EQ(values.RowCount(), 0);
}

TEST(MatrixObject, PermuteRowsAndColumns)
{
    MatrixObject m = Make(3, 2, {1, 2, 3, 4, 5, 6});
    const std::array<int, 3> reversal{2, 1, 0};
    m.PermuteRows(reversal);
    EXPECT_EQ(m.Item(0, 0), 5);
    EXPECT_EQ(m.Item(2, 1), 2);
    const std::array<int, 2> swap{1, 0};
    m.PermuteColumns(swap);
    EXPECT_EQ(m.Item(0, 0), 6);
    EXPECT_THROW(m.PermuteRows(swap), MatrixError);
    const std::array<int, 3> repeated{0, 0, 1};
    EXPECT_THROW(m.PermuteRows(repeated), MatrixError);
}

TEST(MatrixObject, RowTransposeMultiplySum)
{
    const MatrixObject a = Make(2, 3, {1, 2, 3, 4, 5, 6});
    const MatrixObject row = a.Row(1);
    EXPECT_EQ(row.RowCount(), 1);
    EXPECT_EQ(row.Item(0, 2), 6);
    const MatrixObject column = row.Transpose();
    EXPECT_EQ(column.RowCount(), 3);
    EXPECT_EQ(column.Item(2, 0), 6);
    const MatrixObject product = a.Multiply(column); // 2x3 times 3x1
    EXPECT_EQ(product.RowCount(), 2);
    EXPECT_EQ(product.Item(0, 0), 4 + 10 + 18);
    EXPECT_EQ(product.Item(1, 0), 16 + 25 + 36);
    EXPECT_THROW((void)a.Multiply(a), MatrixError);
    EXPECT_EQ(a.Sum(0), 21);
    EXPECT_THROW((void)a.Sum(1), MatrixError);
    EXPECT_THROW((void)a.Row(2), MatrixError);
}

// Above 3 x 3 the elements move out of the object; every operation must
// still see them, and a copy must own its own.
TEST(MatrixObject, LargerMatricesKeepTheirElements)
{
    MatrixObject a = Make(4, 4, {4, 1, 0, 0, 1, 3, 0, 0, 0, 0, 2, 0.5, 0, 0, 0.5, 1});
    const MatrixObject copy = a;
    a.SetItem(3, 3, 9);
    EXPECT_EQ(copy.Item(3, 3), 1);
    EXPECT_EQ(a.Item(3, 3), 9);

    const MatrixObject wide = Make(2, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const MatrixObject tall = wide.Transpose();
    EXPECT_EQ(tall.RowCount(), 5);
    EXPECT_EQ(tall.Item(4, 1), 10);
    const MatrixObject square = tall.Multiply(wide); // 5 x 5
    EXPECT_EQ(square.Item(4, 4), 25 + 100);
    EXPECT_EQ(square.Item(0, 4), 5 + 60);
    EXPECT_EQ(square.Sum(0), (1 + 2 + 3 + 4 + 5) * (1 + 2 + 3 + 4 + 5)
                                 + (6 + 7 + 8 + 9 + 10) * (6 + 7 + 8 + 9 + 10));

    MatrixObject values, second, vectors, fourth;
    copy.Eigen(values, second, vectors, fourth);
    ASSERT_EQ(values.RowCount(), 4);
    ASSERT_EQ(vectors.ColCount(), 4);
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 4; ++i) {
            double te = 0;
            for (int j = 0; j < 4; ++j)
                te += copy.Item(i, j) * vectors.Item(j, k);
            EXPECT_NEAR(te, values.Item(k, 0) * vectors.Item(i, k), 1e-12);
        }
    }
    EXPECT_LT(values.Item(0, 0), values.Item(3, 0));

    const std::array<int, 4> rotation{1, 2, 3, 0};
    a.PermuteRows(rotation);
    EXPECT_EQ(a.Item(2, 3), 9);
    EXPECT_EQ(a.Item(3, 0), 4);

    a.Resize(2, 2);
    EXPECT_EQ(a.Item(1, 1), 0.0);
    a.Resize(4, 4);
    EXPECT_EQ(a.Item(3, 3), 0.0);
}

TEST(MatrixObject, ToTextAlignsColumnsWithThreeDecimals)
{
    EXPECT_EQ(Make(2, 2, {1.23456, -10.5, -0.0001, 2}).ToText(3, ""), "  1.235  -10.500\r\n"
                                                                      "  0.000    2.000");
    EXPECT_EQ(Make(1, 1, {0.0625}).ToText(3, "Title"), "Title\r\n0.062");
    EXPECT_EQ(MatrixObject().ToText(3, ""), "");
}

TEST(MatrixObject, ToTextWritesHugeMagnitudesWithAnExponent)
{
    EXPECT_EQ(Make(3, 1, {3e38, 2.5, -999999.999}).ToText(3, ""), "  3.000E+38\r\n"
                                                                  "      2.500\r\n"
                                                                  "-999999.999");
    EXPECT_EQ(Make(1, 3, {-1234567.0, 999999.9996, 12345678.9}).ToText(3, ""),
              " -1.235E+06  1000000.000    1.235E+07");
    EXPECT_EQ(Make(1, 1, {1e-300}).ToText(3, ""), "0.000");
}

} // namespace
} // namespace orv
