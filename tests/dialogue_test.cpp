// The console dialogue that both programs share, seen through their binaries: how numbers
// are read, what stops a run, and how a failed write is reported.

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <utility>
#include <vector>

#include "programs.hpp"

namespace {

constexpr std::string_view first_prompt = "Enter aaaaaaaaaaaa:";
constexpr std::string_view both_prompts = "Enter aaaaaaaaaaaa:Enter bbbbbbbbbbbb:";

class dialogue_run : public program_test {};

TEST_P(dialogue_run, reads_numbers_as_the_d_conversion_does)
{
    const std::vector<std::int64_t> report = {10, 4, 21, 2, 1, 41, 42};
    expect_completed_runs("arithpair", both_prompts,
                          {
                              {"7\n3\n", report},
                              {"7 3", report},         // both on one line, no line end at all
                              {"7\r\n3\r\n", report},  // a file edited on Windows
                              // every kind of white space, and a plus sign
                              {" \t\n\n\v\f+7\r\n\r\n\t3\n", report},
                              {"000000000000000000007 +0003", report},  // leading zeros
                              {"7 3 and the rest is never read", report},
                              // the characters after the second number stay unread
                              {"7\n3x", report},
                              // the sign that stops the first read starts the second
                              {"7+3", report},
                          });
    // 7 and -3: 7 / -3 truncates to -2, and (7 - -3) * 10 + (7 + -3) / 10 is 100.
    expect_completed_runs("arithpair", both_prompts, {{"7-3", {4, 10, -21, -2, 1, 100, 100}}});
}

TEST_P(dialogue_run, each_prompt_reaches_a_pipe_before_its_read_waits)
{
    // A program that drives the dialogue through pipes answers each prompt once it sees it.
    run_options options;
    options.replies = {{"Enter aaaaaaaaaaaa:", "7\n"}, {"Enter bbbbbbbbbbbb:", "3\n"}};
    const run_result result = run("arithpair", "", options);
    EXPECT_EQ(result.exit_status, 0) << result.describe();
    EXPECT_EQ(result.out, completed_run(GetParam(), both_prompts, {10, 4, 21, 2, 1, 41, 42}));

    options.replies = {{"Enter AAAAAAAAAAAA:", "2\n"}, {"Enter BBBBBBBBBBBB:", "4\n"}};
    const run_result listing = run("squareloops", "", options);
    EXPECT_EQ(listing.exit_status, 0) << listing.describe();
    EXPECT_EQ(listing.out, completed_run(GetParam(), "Enter AAAAAAAAAAAA:Enter BBBBBBBBBBBB:",
                                         {4, 9, 16, 8, 8}));
}

TEST_P(dialogue_run, reads_the_extremes_of_the_range)
{
    // The difference -4294967295 wraps to 1; the sum -1 divided by 10 is 0.
    expect_completed_runs("arithpair", both_prompts,
                          {{"-2147483648 2147483647", {-1, 1, -2147483648, -1, -1, 10, 10}}});
}

struct failed_read_case {
    std::string input;
    std::string_view prompts;  // what standard output holds when the run stops
    std::string message;
};

TEST_P(dialogue_run, a_read_without_a_number_stops_the_run_before_any_result)
{
    const std::vector<failed_read_case> cases = {
        {"", first_prompt, "arithpair: the first number is missing: the input has ended"},
        {" \n\t\n", first_prompt, "arithpair: the first number is missing: the input has ended"},
        {"seven 3", first_prompt, "arithpair: the first number is not a whole number"},
        {"- 7 3", first_prompt, "arithpair: the first number is not a whole number"},
        {"+", first_prompt, "arithpair: the first number is not a whole number"},
        {"7", both_prompts, "arithpair: the second number is missing: the input has ended"},
        // The letters after the first number stay unread and meet the second read.
        {"7abc\n3\n", both_prompts, "arithpair: the second number is not a whole number"},
        {"7 .5", both_prompts, "arithpair: the second number is not a whole number"},
        {"2147483648 1", first_prompt,
         "arithpair: the first number is out of range (-2147483648 to 2147483647)"},
        {"99999999999999999999999999999 1", first_prompt,
         "arithpair: the first number is out of range (-2147483648 to 2147483647)"},
        {"-2147483648 -2147483649", both_prompts,
         "arithpair: the second number is out of range (-2147483648 to 2147483647)"},
        {"1 4294967303", both_prompts,
         "arithpair: the second number is out of range (-2147483648 to 2147483647)"},
    };
    for (const failed_read_case& c : cases) {
        SCOPED_TRACE("input: " + visible(c.input));
        const run_result result = run("arithpair", c.input);
        EXPECT_EQ(result.exit_status, 1) << result.describe();
        EXPECT_EQ(result.out, std::string{c.prompts} + GetParam().pause_text);
        EXPECT_EQ(result.err, message(c.message));
    }
}

TEST_P(dialogue_run, a_failed_read_of_standard_input_is_reported)
{
    if (!GetParam().launcher.empty()) {
        GTEST_SKIP() << "a closed standard input and a directory as standard input reach a "
                        "program under Wine as Wine's own errors";
    }
    const std::vector<std::pair<input_kind, std::string>> cases = {
        {input_kind::closed, "arithpair: read error: Bad file descriptor"},
        {input_kind::directory, "arithpair: read error: Is a directory"},
    };
    for (const auto& [input, text] : cases) {
        SCOPED_TRACE(text);
        run_options options;
        options.input = input;
        const run_result result = run("arithpair", "", options);
        EXPECT_EQ(result.exit_status, 1) << result.describe();
        EXPECT_EQ(result.out, std::string{first_prompt} + GetParam().pause_text);
        EXPECT_EQ(result.err, message(text));
    }
}

TEST_P(dialogue_run, messages_name_the_program)
{
    const run_result result = run("squareloops", "4 x");
    EXPECT_EQ(result.exit_status, 1) << result.describe();
    EXPECT_EQ(result.out, "Enter AAAAAAAAAAAA:Enter BBBBBBBBBBBB:" + GetParam().pause_text);
    EXPECT_EQ(result.err, message("squareloops: the second number is not a whole number"));
}

struct write_error_case {
    std::string program;
    std::string input;
    output_kind output;
    std::string message;
};

TEST_P(dialogue_run, a_failed_write_is_reported_and_fails_the_run)
{
    const std::vector<write_error_case> cases = {
        {"arithpair", "7 3", output_kind::dev_full,
         "arithpair: write error: No space left on device"},
        {"arithpair", "7 3", output_kind::closed, "arithpair: write error: Bad file descriptor"},
        {"squareloops", "2 4", output_kind::dev_full,
         "squareloops: write error: No space left on device"},
        // Four billion lines into a full disk: the listing stops at its first failed write.
        {"squareloops", "-2147483648 2147483646", output_kind::dev_full,
         "squareloops: write error: No space left on device"},
        {"squareloops", "-2147483648 2147483646", output_kind::closed,
         "squareloops: write error: Bad file descriptor"},
    };
    for (const write_error_case& c : cases) {
        SCOPED_TRACE(c.program + " with input " + c.input);
        run_options options;
        options.output = c.output;
        const run_result result = run(c.program, c.input, options);
        EXPECT_EQ(result.exit_status, 1) << result.describe();
        EXPECT_EQ(result.err, message(c.message));
    }
}

TEST_P(dialogue_run, a_reader_that_leaves_early_ends_a_long_listing)
{
    run_options options;
    options.read_at_most = 100'000;
    const run_result killed = run("squareloops", "-2147483648 2147483646", options);
    if (GetParam().sigpipe) {
        EXPECT_EQ(killed.signal, SIGPIPE) << killed.describe();
        EXPECT_EQ(killed.err, "");
    } else {
        EXPECT_EQ(killed.exit_status, 1) << killed.describe();
        EXPECT_EQ(killed.err, message("squareloops: write error: Broken pipe"));
    }

    options.ignore_sigpipe = true;
    const run_result reported = run("squareloops", "-2147483648 2147483646", options);
    EXPECT_EQ(reported.exit_status, 1) << reported.describe();
    EXPECT_EQ(reported.err, message("squareloops: write error: Broken pipe"));
}

TEST_P(dialogue_run, a_reader_gone_before_the_results_fails_the_run_at_its_end)
{
    // The reader takes both prompts and leaves before the second number is typed: the
    // result lines, held in the stream's buffer, fail when the run ends.
    run_options options;
    options.replies = {{"Enter aaaaaaaaaaaa:", "7\n"}, {"Enter bbbbbbbbbbbb:", "3\n"}};
    options.read_at_most = both_prompts.size();
    options.ignore_sigpipe = true;
    const run_result result = run("arithpair", "", options);
    EXPECT_EQ(result.exit_status, 1) << result.describe();
    EXPECT_EQ(result.err, message("arithpair: write error: Broken pipe"));
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(builds, dialogue_run, testing::ValuesIn(build_targets()), build_name);
