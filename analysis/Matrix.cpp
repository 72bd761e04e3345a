#include "analysis/Matrix.h"

#include "analysis/MtxErr.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace ExtLib {

namespace {

// Pivots smaller than this are replaced by it (Numerical Recipes' TINY).
constexpr double kTinyPivot = 1e-20;

// 1 / (largest absolute element) of every row: the implicit scaling that chooses pivots.
std::vector<double> RowScales(const Matrix& a) {
    std::vector<double> scales(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        double big = 0.0;
        for (double v : a[i])
            big = std::max(big, std::fabs(v));
        if (big == 0.0)
            throw MtxErr(u"Singular");
        scales[i] = 1.0 / big;
    }
    return scales;
}

// Row i of column j after subtracting the products of the already reduced entries (k < limit).
double Reduce(Matrix& a, std::size_t i, std::size_t j, std::size_t limit) {
    double sum = a[i][j];
    for (std::size_t k = 0; k < limit; ++k)
        sum -= a[i][k] * a[k][j];
    a[i][j] = sum;
    return sum;
}

void RequireSquare(const Matrix& a) {
    for (const auto& row : a)
        if (row.size() != a.size())
            throw std::invalid_argument("matrix is not square");
}

} // namespace

Matrix MakeMatrix(std::size_t rows, std::size_t cols) {
    return Matrix(rows, std::vector<double>(cols, 0.0));
}

void LuDecompose(Matrix& a, std::vector<int32_t>& permutation, int32_t& parity) {
    RequireSquare(a);
    const std::size_t n = a.size();
    std::vector<double> scales = RowScales(a);
    permutation.assign(n, 0);
    parity = 1;
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t i = 0; i < j; ++i)
            Reduce(a, i, j, i);
        double big = 0.0;
        std::size_t pivot = j;
        for (std::size_t i = j; i < n; ++i) {
            const double candidate = scales[i] * std::fabs(Reduce(a, i, j, j));
            if (candidate >= big) {
                big = candidate;
                pivot = i;
            }
        }
        if (pivot != j) {
            std::swap(a[pivot], a[j]);
            parity = -parity;
            scales[pivot] = scales[j];
        }
        permutation[j] = static_cast<int32_t>(pivot);
        if (std::fabs(a[j][j]) < kTinyPivot)
            a[j][j] = kTinyPivot;
        for (std::size_t i = j + 1; i < n; ++i)
            a[i][j] /= a[j][j];
    }
}

void LuBackSubstitute(const Matrix& lu, const std::vector<int32_t>& permutation, std::vector<double>& b) {
    const std::size_t n = lu.size();
    std::size_t first = n; // first non-zero entry of the permuted b; n while none seen
    for (std::size_t i = 0; i < n; ++i) {
        const auto ip = static_cast<std::size_t>(permutation[i]);
        double sum = b[ip];
        b[ip] = b[i];
        if (first < n) {
            for (std::size_t j = first; j < i; ++j)
                sum -= lu[i][j] * b[j];
        } else if (sum != 0.0) {
            first = i;
        }
        b[i] = sum;
    }
    for (std::size_t i = n; i-- > 0;) {
        double sum = b[i];
        for (std::size_t j = i + 1; j < n; ++j)
            sum -= lu[i][j] * b[j];
        b[i] = sum / lu[i][i];
    }
}

void InvertMatrix(Matrix& a) {
    Matrix lu = a;
    std::vector<int32_t> permutation;
    int32_t parity = 1;
    LuDecompose(lu, permutation, parity);
    const std::size_t n = a.size();
    Matrix inverse = MakeMatrix(n, n);
    std::vector<double> column(n);
    for (std::size_t j = 0; j < n; ++j) {
        std::fill(column.begin(), column.end(), 0.0);
        column[j] = 1.0;
        LuBackSubstitute(lu, permutation, column);
        for (std::size_t i = 0; i < n; ++i)
            inverse[i][j] = column[i];
    }
    a = std::move(inverse);
}

} // namespace ExtLib
