#include "dialogue.hpp"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform.hpp"

namespace {

enum class read_outcome { number, not_a_number, out_of_range, end_of_input, read_error };

// White space as the "%d" conversion skips it in the C locale.
[[nodiscard]] bool is_space(int c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

[[nodiscard]] bool is_digit(int c) noexcept
{
    return c >= '0' && c <= '9';
}

// Puts back the character that stopped a read, for the next read to meet.
void leave_unread(int c) noexcept
{
    if (c != EOF) {
        std::ungetc(c, stdin);
    }
}

// Reads one decimal number from standard input with the conventions of "%d": skipped
// white space, an optional sign, the digits, and the stopping character left unread. A
// number outside the 32-bit range is read to its last digit and reported as such.
[[nodiscard]] read_outcome read_int(std::int32_t& value) noexcept
{
    int c = std::getc(stdin);
    while (is_space(c)) {
        c = std::getc(stdin);
    }
    if (c == EOF) {
        return std::ferror(stdin) != 0 ? read_outcome::read_error : read_outcome::end_of_input;
    }
    const bool negative = c == '-';
    if (c == '+' || c == '-') {
        c = std::getc(stdin);
    }
    if (!is_digit(c)) {
        leave_unread(c);
        return c == EOF && std::ferror(stdin) != 0 ? read_outcome::read_error
                                                   : read_outcome::not_a_number;
    }
    // The magnitude is gathered in a wider type; once it passes 2147483648 no 32-bit
    // value can hold the number, and further digits only need consuming.
    constexpr std::uint64_t largest_magnitude = 2147483648U;
    std::uint64_t magnitude = 0;
    while (is_digit(c)) {
        if (magnitude <= largest_magnitude) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        }
        c = std::getc(stdin);
    }
    leave_unread(c);
    if (c == EOF && std::ferror(stdin) != 0) {
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

// "what: the error's description", as in "write error: No space left on device".
[[nodiscard]] std::string with_cause(std::string_view what, int error)
{
    std::string message{what};
    message += ": ";
    message += std::strerror(error);
    return message;
}

[[nodiscard]] std::string write_error_message()
{
    return with_cause("write error", write_error_number());
}

[[noreturn]] void stop_with_write_error(std::string_view program)
{
    stop_run(program, write_error_message());
}

// Writes "program: what" as one line on standard error.
void report(std::string_view program, std::string_view what) noexcept
{
    std::string line;
    line.reserve(program.size() + what.size() + 3);
    line += program;
    line += ": ";
    line += what;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

// Hands all that the standard output stream holds to the platform; says whether every
// write so far has arrived.
[[nodiscard]] bool flush_standard_output() noexcept
{
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
}

}  // namespace

void prompt_int(std::string_view program, std::string_view which, std::string_view prompt,
                std::int32_t& value)
{
    // The prompt must be on the console before the read waits, whatever standard
    // output is.
    if (!write_standard_output(prompt.data(), prompt.size()) || !flush_standard_output()) {
        stop_with_write_error(program);
    }
    const std::string number{which};
    switch (read_int(value)) {
    case read_outcome::number:
        return;
    case read_outcome::not_a_number:
        stop_run(program, number + " is not a whole number");
    case read_outcome::out_of_range:
        stop_run(program, number + " is out of range (-2147483648 to 2147483647)");
    case read_outcome::end_of_input:
        stop_run(program, number + " is missing: the input has ended");
    case read_outcome::read_error:
        stop_run(program, with_cause("read error", errno));
    }
}

void print_int_line(std::string_view program, std::int32_t value)
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

    std::array<char, 12> line{};  // "-2147483648\n" is the longest line
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
    if (!write_standard_output(line.data() + start, line.size() - start)) {
        stop_with_write_error(program);
    }
}

void pause_console()
{
    // Every result line comes before whatever the pause shows. Whether the flush worked
    // is for the end of the run to find out.
    std::fflush(stdout);
    run_platform_pause();
}

int end_run(std::string_view program)
{
    if (!flush_standard_output()) {
        stop_with_write_error(program);
    }
    pause_console();
    // The pause may have written to standard output too.
    if (!flush_standard_output()) {
        report(program, write_error_message());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

void stop_run(std::string_view program, std::string_view what)
{
    report(program, what);
    pause_console();
    std::exit(EXIT_FAILURE);
}
