// The result line of every 32-bit value, rendered as print_int_line renders it, against
// the standard library's own conversion: the renderer is proven for the whole type, not
// sampled. Builds that are not optimized check every 9973rd value instead (a prime stride,
// so that the sample meets every last digit and every digit count).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <future>
#include <string>
#include <vector>

#include "number_text.hpp"

namespace {

constexpr std::int64_t lowest = -2147483648LL;
constexpr std::int64_t highest = 2147483647LL;

// The values lowest + k * stride in [first, last) whose line differs from the reference:
// at most a few of them, for the failure message.
std::vector<std::int64_t> mismatches(std::int64_t first, std::int64_t last, std::int64_t stride)
{
    std::vector<std::int64_t> found;
    for (std::int64_t wide = first; wide < last; wide += stride) {
        const auto value = static_cast<std::int32_t>(wide);
        int_line line{};
        const std::size_t start = render_int_line(value, line);

        std::array<char, 16> expected{};
        const auto [end, error] = std::to_chars(expected.data(), expected.data() + 15, value);
        *end = '\n';
        const auto expected_size = static_cast<std::size_t>(end - expected.data()) + 1;

        if (error != std::errc{} || line.size() - start != expected_size ||
            std::memcmp(line.data() + start, expected.data(), expected_size) != 0) {
            found.push_back(wide);
            if (found.size() == 5) {
                break;
            }
        }
    }
    return found;
}

TEST(rendering, every_value_renders_as_the_standard_conversion_writes_it)
{
    const std::int64_t stride = EXHAUSTIVE_CHECKS ? 1 : 9973;
    // Split the range across two threads, one a core; each stays on the common stride.
    const std::int64_t half = (highest - lowest + 1) / stride / 2 * stride;
    auto upper = std::async(std::launch::async, mismatches, lowest + half, highest + 1, stride);
    std::vector<std::int64_t> found = mismatches(lowest, lowest + half, stride);
    const std::vector<std::int64_t> upper_found = upper.get();
    found.insert(found.end(), upper_found.begin(), upper_found.end());
    EXPECT_TRUE(found.empty()) << "the first value rendered wrongly: " << found.front();
}

TEST(rendering, lines_whose_digits_pass_through_a_hundred)
{
    // Values whose magnitude reaches exactly 100, 10 or 1 while its digit pairs are taken
    // off: a wrong bound in the renderer's loop shows here first, whatever the stride.
    const std::vector<std::pair<std::int32_t, std::string>> cases = {
        {0, "0\n"},
        {9, "9\n"},
        {10, "10\n"},
        {99, "99\n"},
        {100, "100\n"},
        {-100, "-100\n"},
        {1000, "1000\n"},
        {10000, "10000\n"},
        {10012, "10012\n"},
        {1000000, "1000000\n"},
        {1000000000, "1000000000\n"},
        {2147483647, "2147483647\n"},
        {-2147483647 - 1, "-2147483648\n"},
    };
    for (const auto& [value, text] : cases) {
        int_line line{};
        const std::size_t start = render_int_line(value, line);
        EXPECT_EQ(std::string(line.data() + start, line.size() - start), text);
    }
}

}  // namespace
