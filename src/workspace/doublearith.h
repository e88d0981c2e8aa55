#pragma once
// What the arithmetic asks of the compiler and the processor.

#include <cfloat>
#include <limits>

// Every printed digit depends on each double operation being rounded to
// double precision. Where intermediate results are kept wider (the x87
// unit of 32-bit x86 without SSE2) the same program prints other digits, so
// it is not built there.
#if defined(FLT_EVAL_METHOD)
#if FLT_EVAL_METHOD != 0 && FLT_EVAL_METHOD != 1
#error "double arithmetic must be evaluated in double precision: build with SSE2 (-msse2 -mfpmath=sse, /arch:SSE2)"
#endif
#elif defined(_M_IX86) && (!defined(_M_IX86_FP) || _M_IX86_FP < 2)
#error "double arithmetic must be evaluated in double precision: build with /arch:SSE2"
#endif

static_assert(std::numeric_limits<double>::is_iec559, "doubles must be IEEE 754 binary64");

// SSE2, for the Jacobi sweep's packed rows: GCC and clang announce it with
// __SSE2__, MSVC has it on every x64 target and on x86 with /arch:SSE2.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define LINEER_SSE2 1
#endif
