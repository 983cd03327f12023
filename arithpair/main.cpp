// arithpair: asks for two whole numbers and reports their sum, difference, product,
// quotient and remainder, and two values combined from them.

#include <cstdint>
#include <string_view>

#include "arithmetic.hpp"
#include "dialogue.hpp"

int main()
{
    using namespace arithmetic;
    constexpr std::string_view program = "arithpair";

    std::int32_t a = 0;
    std::int32_t b = 0;
    prompt_int(program, "the first number", "Enter aaaaaaaaaaaa:", a);
    prompt_int(program, "the second number", "Enter bbbbbbbbbbbb:", b);

    print_int_line(program, sum(a, b));
    print_int_line(program, difference(a, b));
    print_int_line(program, product(a, b));
    if (b == 0) {
        stop_run(program, "division by zero");
    }
    print_int_line(program, quotient(a, b));
    print_int_line(program, remainder(a, b));

    const std::int32_t combined = combined_of(a, b);
    const std::int32_t combined_plus_digit = plus_last_digit(combined);
    print_int_line(program, combined);
    print_int_line(program, combined_plus_digit);

    return end_run(program);
}
