// squareloops through its real binary: both listings and both counts, the wrap of squares
// and counts, and the loops bounded by 2147483647.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs.hpp"

namespace {

constexpr std::string_view both_prompts = "Enter AAAAAAAAAAAA:Enter BBBBBBBBBBBB:";

// Each case's lines: the squares of both listings, then pretest_count and posttest_count.
class squareloops_run : public program_test {
protected:
    static void expect_runs(const std::vector<completed_case>& cases)
    {
        expect_completed_runs("squareloops", both_prompts, cases);
    }
};

TEST_P(squareloops_run, lists_squares_between_the_numbers_then_counts_passes)
{
    expect_runs({
        // Whichever number is the larger, the same lines; only the listing differs.
        {"2 4", {4, 9, 16, 8, 8}},
        {"4 2", {4, 9, 16, 8, 8}},
        // Equal numbers give their square twice, once from each listing.
        {"3 3", {9, 9, 9, 9}},
        {"1 1", {1, 1, 1, 1}},
        {"1 7", {1, 4, 9, 16, 25, 36, 49, 7, 7}},
        // A number below 1: the pretest nest makes no pass, the posttest nest counts it as 1.
        {"0 5", {0, 1, 4, 9, 16, 25, 0, 5}},
        {"5 0", {0, 1, 4, 9, 16, 25, 0, 5}},
        // Squares follow the numbers squared, so they fall and then rise.
        {"-2 3", {4, 1, 0, 1, 4, 9, 0, 3}},
        {"3 -2", {4, 1, 0, 1, 4, 9, 0, 3}},
        {"-3 -1", {9, 4, 1, 0, 1}},
        {"-1 -3", {9, 4, 1, 0, 1}},
        {"0 0", {0, 0, 0, 1}},
        {"-5 -5", {25, 25, 0, 1}},
        // The square of -2147483648 wraps to 0.
        {"-2147483648 -2147483647", {0, 1, 0, 1}},
        {"-2147483648 -2147483648", {0, 0, 0, 1}},
    });
}

TEST_P(squareloops_run, squares_and_counts_wrap_modulo_2_to_the_32)
{
    if (!GetParam().huge_nests) {
        GTEST_SKIP() << "this build makes the nests' passes one by one: up to 2^62 of them";
    }
    expect_runs({
        // 46340 squared is exact; the next two wrap. 46340 * 46342 = 2147488280 passes
        // wrap to -2147479016.
        {"46340 46342", {2147395600, -2147479015, -2147386332, -2147479016, -2147479016}},
        // 65536 squared and 65536 * 65536 passes wrap to 0.
        {"65536 65536", {0, 0, 0, 0}},
    });
}

TEST_P(squareloops_run, loops_bounded_by_2147483647_end_after_their_last_pass)
{
    if (!GetParam().huge_nests) {
        GTEST_SKIP() << "this build makes the nests' passes one by one: up to 2^62 of them";
    }
    expect_runs({
        // 2147483647 squared is 2^62 - 2^32 + 1, which wraps to 1; so does the count of
        // 2147483647 * 2147483647 passes.
        {"2147483647 2147483647", {1, 1, 1, 1}},
        // 2147483645 * 2147483647 = 2^62 - 2^33 + 3 passes, which wraps to 3.
        {"2147483645 2147483647", {9, 4, 1, 3, 3}},
        // 2147483646 squared is 2^62 - 2^33 + 4, which wraps to 4; 2147483647 * 2147483646
        // = 2^62 - 3 * 2^31 + 2 passes, which wraps to 2^31 + 2, read as -2147483646.
        {"2147483647 2147483646", {4, 1, -2147483646, -2147483646}},
    });
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(builds, squareloops_run, testing::ValuesIn(build_targets()), build_name);
