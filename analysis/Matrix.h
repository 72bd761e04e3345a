#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ExtLib {

// A dense matrix as a sequence of rows; every row has the same length.
using Matrix = std::vector<std::vector<double>>;

// A rows x cols matrix with every element 0.0.
Matrix MakeMatrix(std::size_t rows, std::size_t cols);

// Crout LU decomposition with implicit partial pivoting (Press et al., Numerical Recipes in C, 2nd ed.,
// section 2.3, ludcmp). Replaces the square matrix `a` by L (unit diagonal, below) and U (on and above the
// diagonal) of a row-permuted copy; `permutation[j]` is the row swapped into place at column j and
// `parity` is +1 or -1 for an even or odd number of swaps. The pivot of column j is the row with the
// largest scaled magnitude, a later row winning a tie. A pivot of magnitude below 1e-20 is replaced by
// +1e-20, so a numerically singular matrix gives finite but huge inverses. Throws MtxErr "Singular" when
// a row is all zeros, std::invalid_argument when `a` is not square.
void LuDecompose(Matrix& a, std::vector<int32_t>& permutation, int32_t& parity);

// Solves A x = b in place, given the factors and permutation from LuDecompose (Numerical Recipes
// lubksb): forward substitution that skips the leading zeros of b, then back substitution.
void LuBackSubstitute(const Matrix& lu, const std::vector<int32_t>& permutation, std::vector<double>& b);

// Replaces the square matrix `a` by its inverse, column by column from one LU decomposition.
// Throws as LuDecompose; `a` is unchanged when it throws.
void InvertMatrix(Matrix& a);

} // namespace ExtLib
