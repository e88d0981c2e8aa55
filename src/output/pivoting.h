#pragma once
// The results lines of the pivoting methods and the factorisations beside
// them: each step's pivot and exchanges, the order of the variables, the
// permutation, a vector of intermediate values.

#include "context.h"
#include "texts.h"

namespace lineer::pivoting {

// The row p of the largest |A(p, k)| for p = k..n, the first of equal
// ones; A(p, k) is 0 when the column is zero from row k down.
int partialPivotRow(const Matrix& A, int n, int k);

// Eliminates column k below the pivot A(k, k), which is not 0: every row
// i > k takes A(i, k) / A(k, k) times row k, columns k..last, as Gauss
// elimination does; with the explained steps, each row operation.
void eliminate(Context& ctx, Matrix& A, int n, int k, int last);

// " ", the heading of the steps' lines, " ".
void heading(Context& ctx, PlainText key);

// Step k of partial pivoting: the pivot found in `row`, and the exchange
// of rows k and `row` when they differ. Throws NumberOverflow for a pivot
// that is not finite.
void partialStep(Context& ctx, int k, double pivot, int row);

// Step k of the determinant's partial pivoting when column k is zero from
// row k down: nothing to eliminate, the determinant is 0.
void zeroColumn(Context& ctx, int k);

// Step k of complete pivoting: the pivot found at (row, column), and the
// exchanges of columns and of rows it brings.
void completeStep(Context& ctx, int k, double pivot, int row, int column);

// " ", "Sütunlardaki değişkenler: x(order[1]), …, x(order[n])".
void columnVariables(Context& ctx, const int* order, int n);

// The permutation as the rows of A it takes, then as the matrix P.
void permutation(Context& ctx, const int* perm, int n);

// " ", the heading, " ", and " name(i) = v(i)" for i = 1..n. Throws
// NumberOverflow before appending anything if a value is not finite.
void vector(Context& ctx, PlainText key, const char* name, const double* v, int n);

}  // namespace lineer::pivoting
