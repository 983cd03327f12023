#pragma once

#include <cstdint>

#include "int32.hpp"

// The square of n in the shared type: the low 32 bits of the exact product, read as
// signed, so 46341 squared is -2147479015 and 65536 squared is 0.
[[nodiscard]] constexpr std::int32_t squared(std::int32_t n) noexcept
{
    return wrapping_mul(n, n);
}

// The step at the end of a pass of a loop that runs `counter` up to `bound`: raises the
// counter by 1 and says whether another pass follows, which it does while the raised
// counter is at most the bound. A counter that already stands at its bound is left there,
// so that no counter steps past 2147483647 and a loop bounded by 2147483647 ends after its
// pass for 2147483647 instead of wrapping around for ever.
[[nodiscard]] constexpr bool raise_toward(std::int32_t& counter, std::int32_t bound) noexcept
{
    if (counter >= bound) {
        return false;
    }
    counter = raised(counter);
    return true;
}
