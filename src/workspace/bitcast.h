#pragma once
// std::bit_cast, and the same through memcpy where the standard library
// lacks it (the WebAssembly toolchain's libc++); compilers turn both into a
// plain register move.

#include <bit>
#include <cstring>
#include <type_traits>

namespace lineer {

template <typename To, typename From>
    requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>)
inline To bitCast(const From& from) noexcept {
#if defined(__cpp_lib_bit_cast) && __cpp_lib_bit_cast >= 201806L
    return std::bit_cast<To>(from);
#else
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
#endif
}

}  // namespace lineer
