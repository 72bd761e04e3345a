#include "analysis/Matrix.h"
#include "analysis/MtxErr.h"

#include <gtest/gtest.h>

namespace {

using ExtLib::Matrix;

// Entries of the 3 x 3 Hilbert inverse are at most 192 and cond(H3) is about 524, so LU in double
// precision loses at most about 524 * 2.2e-16 * 192 = 2.2e-11 per entry.
constexpr double kHilbertTolerance = 1e-10;

TEST(InvertMatrix, HilbertThreeGivesItsExactIntegerInverse) {
    Matrix h{{1.0, 1.0 / 2, 1.0 / 3}, {1.0 / 2, 1.0 / 3, 1.0 / 4}, {1.0 / 3, 1.0 / 4, 1.0 / 5}};
    ExtLib::InvertMatrix(h);
    const Matrix expected{{9, -36, 30}, {-36, 192, -180}, {30, -180, 180}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(h[i][j], expected[i][j], kHilbertTolerance) << i << "," << j;
}

TEST(InvertMatrix, PermutedRowsAreUndoneInTheInverse) {
    // A permutation matrix is its own transpose's inverse; every column needs a row swap.
    Matrix p{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
    ExtLib::InvertMatrix(p);
    EXPECT_EQ(p, (Matrix{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}));
}

TEST(InvertMatrix, ZeroRowIsSingularAndLeavesTheMatrix) {
    Matrix a{{1, 2}, {0, 0}};
    const Matrix before = a;
    try {
        ExtLib::InvertMatrix(a);
        FAIL() << "no exception";
    } catch (const ExtLib::MtxErr& e) {
        EXPECT_EQ(e.Message(), u"Singular");
    }
    EXPECT_EQ(a, before);
}

TEST(LuDecompose, TinyPivotIsReplacedByPositiveTiny) {
    // The first pivot is -1e-25: below 1e-20 in magnitude but not zero, so it becomes +1e-20 and the
    // inverse stays finite (1e20 where the true value is -1e25).
    Matrix a{{-1e-25, 0}, {0, 1}};
    std::vector<int32_t> permutation;
    int32_t parity = 0;
    ExtLib::LuDecompose(a, permutation, parity);
    EXPECT_EQ(a[0][0], 1e-20);
    Matrix b{{-1e-25, 0}, {0, 1}};
    ExtLib::InvertMatrix(b);
    EXPECT_EQ(b[0][0], 1e20);
}

TEST(LuDecompose, LaterRowWinsATiedScaledPivot) {
    // Column 0 scaled candidates: 1/2 * 1 and 1/4 * 2 are both exactly 0.5, so row 1 is the pivot row.
    Matrix a{{1, 2}, {2, -4}};
    std::vector<int32_t> permutation;
    int32_t parity = 0;
    ExtLib::LuDecompose(a, permutation, parity);
    EXPECT_EQ(permutation[0], 1);
    EXPECT_EQ(parity, -1);
    // Factors of the swapped matrix: U row 0 = (2, -4), multiplier 1/2, U[1][1] = 2 - 0.5 * -4.
    EXPECT_EQ(a, (Matrix{{2, -4}, {0.5, 4}}));
}

TEST(LuBackSubstitute, SolvesAgainstAKnownSolution) {
    // A x = b with x = (1, -2, 3) constructed first.
    const Matrix a{{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}};
    const std::vector<double> x{1, -2, 3};
    std::vector<double> b(3, 0.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            b[i] += a[i][j] * x[j];
    Matrix lu = a;
    std::vector<int32_t> permutation;
    int32_t parity = 0;
    ExtLib::LuDecompose(lu, permutation, parity);
    ExtLib::LuBackSubstitute(lu, permutation, b);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(b[i], x[i], 1e-14) << i; // a well-conditioned 3 x 3: a few ulps
}

} // namespace
