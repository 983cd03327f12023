#pragma once

#include <cstdint>

// Arithmetic of the shared 32-bit signed integer type.
//
// Sums, differences, products and increments wrap modulo 2^32. They are worked out in
// unsigned arithmetic, which wraps by definition, and converted back to the signed type,
// which C++20 defines as the value congruent modulo 2^32. No signed operation here can
// overflow.

[[nodiscard]] constexpr std::int32_t wrapping_add(std::int32_t x, std::int32_t y) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(x) + static_cast<std::uint32_t>(y));
}

[[nodiscard]] constexpr std::int32_t wrapping_sub(std::int32_t x, std::int32_t y) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(x) - static_cast<std::uint32_t>(y));
}

// The low 32 bits of the exact product, read as signed.
[[nodiscard]] constexpr std::int32_t wrapping_mul(std::int32_t x, std::int32_t y) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(x) * static_cast<std::uint32_t>(y));
}

// x raised by 1: 2147483647 raised is -2147483648.
[[nodiscard]] constexpr std::int32_t raised(std::int32_t x) noexcept
{
    return wrapping_add(x, 1);
}

static_assert(wrapping_add(2147483647, 1) == -2147483647 - 1);
static_assert(wrapping_sub(-2147483647 - 1, 1) == 2147483647);
static_assert(wrapping_mul(46341, 46341) == -2147479015);
static_assert(wrapping_mul(65536, 65536) == 0);
