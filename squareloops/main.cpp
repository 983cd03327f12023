// squareloops: asks for two whole numbers, writes the square of every integer between
// them, and then how many inner passes a nest of two counting loops bounded by them makes,
// once testing before each pass and once testing after it.

#include <cstdint>
#include <string_view>

#include "counting.hpp"
#include "dialogue.hpp"

int main()
{
    constexpr std::string_view program = "squareloops";

    std::int32_t A = 0;
    std::int32_t B = 0;
    prompt_int(program, "the first number", "Enter AAAAAAAAAAAA:", A);
    prompt_int(program, "the second number", "Enter BBBBBBBBBBBB:", B);

    // First listing: the squares from A up to B; none when A is the greater.
    std::int32_t up_from_a = A;
    if (up_from_a <= B) {
        do {
            print_int_line(program, squared(up_from_a));
        } while (raise_toward(up_from_a, B));
    }

    // Second listing: the squares from B up to A; none when B is the greater.
    std::int32_t up_from_b = B;
    if (up_from_b <= A) {
        do {
            print_int_line(program, squared(up_from_b));
        } while (raise_toward(up_from_b, A));
    }

    // Pretest nest: each level tests before each pass, outer against A, inner against B.
    std::int32_t tally = 0;
    std::int32_t outer = 0;
    // Both nests share the inner counter, which each outer pass sets before it counts.
    // cppcheck-suppress unreadVariable
    std::int32_t inner = 0;
    for (outer = 0; outer < A; outer = raised(outer)) {
        for (inner = 0; inner < B; inner = raised(inner)) {
            tally = raised(tally);
        }
    }
    const std::int32_t pretest_count = tally;
    print_int_line(program, pretest_count);

    // Posttest nest: each level makes its first pass untested and tests after each pass.
    tally = 0;
    outer = 1;
    do {
        inner = 1;
        do {
            tally = raised(tally);
        } while (raise_toward(inner, B));
    } while (raise_toward(outer, A));
    const std::int32_t posttest_count = tally;
    print_int_line(program, posttest_count);

    return end_run(program);
}
