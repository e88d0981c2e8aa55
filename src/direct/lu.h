#pragma once
// The LU factorisation without pivoting, in its Doolittle and Crout forms.

#include "context.h"

namespace lineer {

enum class LuVariant { Doolittle, Crout };

// Factorises the block A(1..n, 1..n) into L and U (A = L·U); L and U must
// be all zero on entry. Doolittle puts ones on L's diagonal, Crout on U's.
// Returns false when a pivot (U(k, k) for Doolittle, L(k, k) for Crout) is
// exactly zero; L and U then hold a partial factorisation. An element that
// is too small to be a double throws NumberUnderflow. With `explain`
// (null unless the user asked for the working) every element is explained
// as it is computed, or each step in one line for large n.
bool luFactor(const Matrix& A, int n, LuVariant variant, Matrix& L, Matrix& U, Context* explain = nullptr);

}  // namespace lineer
