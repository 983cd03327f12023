// arithpair through its real binary: the report for pairs across the 32-bit range, and the
// runs that cannot complete.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs.hpp"

namespace {

constexpr std::string_view both_prompts = "Enter aaaaaaaaaaaa:Enter bbbbbbbbbbbb:";

class arithpair_run : public program_test {};

TEST_P(arithpair_run, reports_seven_lines_in_wrapping_arithmetic)
{
    // The lines: sum, difference, product, quotient, remainder, combined and
    // combined_plus_digit.
    expect_completed_runs(
        "arithpair", both_prompts,
        {
            {"7 3", {10, 4, 21, 2, 1, 41, 42}},
            // The quotient of a negative sum truncates toward zero, and the last digit of a
            // negative combined value takes it further from zero.
            {"-30 5", {-25, -35, -150, -6, 0, -352, -354}},
            // Remainders take the sign of the first number.
            {"-7 2", {-5, -9, -14, -3, -1, -90, -90}},
            {"7 -2", {5, 9, -14, -3, 1, 90, 90}},
            {"15 -4", {11, 19, -60, -3, 3, 191, 192}},
            // The sum wraps before it is divided; the product wraps to 1.
            {"2147483647 2147483647", {-2, 0, 1, 1, 0, 0, 0}},
            // combined is the largest value, and adding its last digit wraps.
            {"107374217 -107374147", {70, 214748364, 1975686181, -1, 70, 2147483647, -2147483642}},
            {"-2147483648 1",
             {-2147483647, 2147483647, -2147483648, -2147483648, 0, -214748374, -214748378}},
            {"2147483647 1",
             {-2147483648, 2147483646, 2147483647, 2147483647, 0, -214748384, -214748388}},
            {"-46341 46341", {0, -92682, 2147479015, -1, 0, -926820, -926820}},
            {"65536 65536", {131072, 0, 0, 1, 0, 13107, 13114}},
            // The one quotient outside the type wraps like the other results, with remainder 0:
            // (a - b) * 10 = -21474836470 wraps to 10, and 2147483647 / 10 is 214748364.
            {"-2147483648 -1",
             {2147483647, -2147483647, -2147483648, -2147483648, 0, 214748374, 214748378}},
        });
}

TEST_P(arithpair_run, zero_divisor_stops_after_sum_difference_and_product)
{
    const std::vector<completed_case> cases = {
        {"5 0\n", {5, 5, 0}},
        {"0 0\n", {0, 0, 0}},
        {"-2147483648 0\n", {-2147483648, -2147483648, 0}},
    };
    for (const completed_case& c : cases) {
        SCOPED_TRACE("input: " + visible(c.input));
        const run_result result = run("arithpair", c.input);
        EXPECT_EQ(result.exit_status, 1) << result.describe();
        EXPECT_EQ(result.out, std::string{both_prompts} + lines(c.lines) + GetParam().pause_text);
        EXPECT_EQ(result.err, message("arithpair: division by zero"));
    }
}

TEST_P(arithpair_run, ignores_its_arguments)
{
    const run_result result = run("arithpair", "7 3", {}, {"--help", "5", "-"});
    EXPECT_EQ(result.exit_status, 0) << result.describe();
    EXPECT_EQ(result.out, completed_run(GetParam(), both_prompts, {10, 4, 21, 2, 1, 41, 42}));
    EXPECT_EQ(result.err, "");
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(builds, arithpair_run, testing::ValuesIn(build_targets()), build_name);
