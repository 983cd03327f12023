#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The text of a number as the dialogue reads it and writes it, apart from any stream:
// the reading rules of the "%d" conversion over a source of characters, and the
// rendering of one result line. The dialogue applies them to the standard streams; the
// checks apply them to plain memory.

enum class read_outcome { number, not_a_number, out_of_range, end_of_input, read_error };

// A source of characters for read_int: `get()` gives the next character as an unsigned
// char converted to int, or `end` when none is left; `unget(c)` puts back the one
// character just taken, for the next read to meet; `failed()` says whether the end
// came from a failed read rather than the end of the input.
template <typename Source>
concept character_source = requires(Source& source, int c)
{
    {
        source.get()
        } -> std::same_as<int>;
    source.unget(c);
    {
        source.failed()
        } -> std::same_as<bool>;
};

// White space as the "%d" conversion skips it in the C locale.
[[nodiscard]] constexpr bool is_number_space(int c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

[[nodiscard]] constexpr bool is_decimal_digit(int c) noexcept
{
    return c >= '0' && c <= '9';
}

// Reads one decimal number with the conventions of "%d": white space skipped, an optional
// sign, the digits, and the character that stopped the read left unread. A sign not
// followed by a digit is taken and the character after it left unread, as the
// conversion, which can put back only one character, does. A number outside the 32-bit
// range is read to its last digit and reported as such. `end` is the value by which the
// source says that nothing is left.
template <character_source Source>
[[nodiscard]] constexpr read_outcome read_int(Source& source, int end, std::int32_t& value)
{
    const auto leave_unread = [&](int c) {
        if (c != end) {
            source.unget(c);
        }
    };
    const auto ended_by_failure = [&](int c) { return c == end && source.failed(); };

    int c = source.get();
    while (is_number_space(c)) {
        c = source.get();
    }
    if (c == end) {
        return source.failed() ? read_outcome::read_error : read_outcome::end_of_input;
    }
    const bool negative = c == '-';
    if (c == '+' || c == '-') {
        c = source.get();
    }
    if (!is_decimal_digit(c)) {
        leave_unread(c);
        return ended_by_failure(c) ? read_outcome::read_error : read_outcome::not_a_number;
    }
    // The magnitude is gathered in a wider type; once it passes 2147483648 no 32-bit
    // value can hold the number, and further digits only need consuming.
    constexpr std::uint64_t largest_magnitude = 2147483648U;
    std::uint64_t magnitude = 0;
    while (is_decimal_digit(c)) {
        if (magnitude <= largest_magnitude) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        }
        c = source.get();
    }
    leave_unread(c);
    if (ended_by_failure(c)) {
        return read_outcome::read_error;
    }
    if (magnitude > (negative ? largest_magnitude : largest_magnitude - 1)) {
        return read_outcome::out_of_range;
    }
    // Negation in unsigned arithmetic, so that 2147483648 becomes -2147483648 exactly.
    const auto low_bits = static_cast<std::uint32_t>(magnitude);
    value = static_cast<std::int32_t>(negative ? 0U - low_bits : low_bits);
    return read_outcome::number;
}

// Room for the longest result line, "-2147483648\n".
using int_line = std::array<char, 12>;

// Renders `value` as one result line at the end of `line`: an optional "-", the decimal
// digits with no leading zeros, a line end. Returns where the line starts in `line`.
[[nodiscard]] constexpr std::size_t render_int_line(std::int32_t value, int_line& line) noexcept
{
    // The magnitude is worked out in a wider type, so that -2147483648 is exact; at most
    // 2147483648, it then fits the unsigned 32-bit type, whose division is the cheaper.
    // Digits are rendered two at a time from the end of the line, most significant first.
    constexpr std::string_view digit_pairs =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    const std::int64_t wide = value;
    auto magnitude = static_cast<std::uint32_t>(wide < 0 ? -wide : wide);

    std::size_t start = line.size();
    line[--start] = '\n';
    while (magnitude >= 100) {
        const std::size_t pair = static_cast<std::size_t>(magnitude % 100) * 2;
        magnitude /= 100;
        line[--start] = digit_pairs[pair + 1];
        line[--start] = digit_pairs[pair];
    }
    if (magnitude >= 10) {
        const std::size_t pair = static_cast<std::size_t>(magnitude) * 2;
        line[--start] = digit_pairs[pair + 1];
        line[--start] = digit_pairs[pair];
    } else {
        line[--start] = static_cast<char>('0' + magnitude);
    }
    if (value < 0) {
        line[--start] = '-';
    }
    return start;
}
