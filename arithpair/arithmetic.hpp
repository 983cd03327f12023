#pragma once

#include <cstdint>

#include "int32.hpp"

// The report's arithmetic on the shared 32-bit type: a is the first number, b the second.
namespace arithmetic {

[[nodiscard]] constexpr std::int32_t sum(std::int32_t a, std::int32_t b) noexcept
{
    return wrapping_add(a, b);
}

[[nodiscard]] constexpr std::int32_t difference(std::int32_t a, std::int32_t b) noexcept
{
    return wrapping_sub(a, b);
}

[[nodiscard]] constexpr std::int32_t product(std::int32_t a, std::int32_t b) noexcept
{
    return wrapping_mul(a, b);
}

// a / b truncated toward zero; b is not 0. The one quotient outside the type,
// -2147483648 / -1, wraps like every other result, to -2147483648.
[[nodiscard]] constexpr std::int32_t quotient(std::int32_t a, std::int32_t b) noexcept
{
    return b == -1 ? wrapping_sub(0, a) : a / b;
}

// a % b, zero or of the sign of a; b is not 0. With -2147483648 / -1 wrapped as above,
// the remainder 0 keeps (a / b) * b + a % b equal to a.
[[nodiscard]] constexpr std::int32_t remainder(std::int32_t a, std::int32_t b) noexcept
{
    return b == -1 ? 0 : a % b;
}

// (a - b) * 10 + (a + b) / 10, each step wrapping: the sum wraps before it is divided.
[[nodiscard]] constexpr std::int32_t combined_of(std::int32_t a, std::int32_t b) noexcept
{
    return wrapping_add(wrapping_mul(difference(a, b), 10), sum(a, b) / 10);
}

// combined + combined % 10: a positive value grows by its last digit, a negative one falls
// by the last digit of its magnitude.
[[nodiscard]] constexpr std::int32_t plus_last_digit(std::int32_t combined) noexcept
{
    return wrapping_add(combined, combined % 10);
}

}  // namespace arithmetic
