#pragma once
// Qt's raster drawing uses 256-bit vector instructions where the processor
// has them and may return with the upper halves of the vector registers in
// use. The iteration sweeps that follow are compiled for plain SSE2, and on
// many processors every SSE instruction then pays for merging those upper
// halves: a SOR run with its plot went at half speed. vzeroupper marks the
// upper halves clean again; it changes no value the program holds.

namespace lineer::ui {

inline void cleanVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) asm volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace lineer::ui
