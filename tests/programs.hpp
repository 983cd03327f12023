#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "process.hpp"

// The builds of the two programs that the tests run, and what a run of them should write.

struct build_target {
    std::string name;                   // names the test instances: "linux", "windows"
    std::string skip_reason;            // why this build cannot be tested here, if it cannot
    std::vector<std::string> launcher;  // what starts a program of this build, if anything
    std::string arithpair;
    std::string squareloops;
    std::string line_end;     // how a text stream of the platform ends a line
    std::string pause_text;   // what the closing pause writes when standard input is not a console
    bool sigpipe = true;      // whether a reader that leaves early ends the program by a signal
    bool huge_nests = false;  // whether this build answers nests of up to 2^62 passes at once
    std::chrono::milliseconds deadline{10'000};  // for one run of a program
};

// Every build that the tests know of: the native one, and the Windows one, which is
// skipped with its reason where it was not built or cannot be run.
[[nodiscard]] std::vector<build_target> build_targets();

// The command line that starts `program` of the build, with `arguments` after it.
[[nodiscard]] std::vector<std::string>
command_for(const build_target& target, const std::string& program,
            std::initializer_list<std::string> arguments = {});

// Result lines as the build's text stream writes them.
[[nodiscard]] std::string lines(const build_target& target,
                                const std::vector<std::int64_t>& values);

// The whole standard output of a completed run: both prompts, the result lines, and what
// the closing pause writes.
[[nodiscard]] std::string completed_run(const build_target& target, std::string_view prompts,
                                        const std::vector<std::int64_t>& values);

// Names a build in test output.
inline void PrintTo(const build_target& target, std::ostream* out)
{
    *out << target.name;
}

// Names a test instance after its build.
[[nodiscard]] inline std::string build_name(const testing::TestParamInfo<build_target>& instance)
{
    return instance.param.name;
}

// A run that should complete: its input, and the result lines that it should write.
struct completed_case {
    std::string input;
    std::vector<std::int64_t> lines;
};

// A test run against each build in turn.
class program_test : public testing::TestWithParam<build_target> {
protected:
    void SetUp() override
    {
        if (!GetParam().skip_reason.empty()) {
            GTEST_SKIP() << GetParam().skip_reason;
        }
    }

    [[nodiscard]] static run_result run(const std::string& program, std::string_view input,
                                        run_options options = {},
                                        std::initializer_list<std::string> arguments = {})
    {
        options.deadline = GetParam().deadline;
        return run_program(command_for(GetParam(), program, arguments), input, options);
    }

    // Runs `program` once for each case and expects a completed run: status 0, the prompts,
    // the case's result lines and the pause on standard output, nothing on standard error.
    static void expect_completed_runs(const std::string& program, std::string_view prompts,
                                      const std::vector<completed_case>& cases)
    {
        for (const completed_case& c : cases) {
            SCOPED_TRACE(program + " with input: " + visible(c.input));
            const run_result result = run(program, c.input);
            EXPECT_EQ(result.exit_status, 0) << result.describe();
            EXPECT_EQ(result.out, completed_run(GetParam(), prompts, c.lines)) << result.describe();
            EXPECT_EQ(result.err, "") << result.describe();
        }
    }

    // A line of standard error as the build writes it.
    [[nodiscard]] static std::string message(std::string_view text)
    {
        return std::string{text} + GetParam().line_end;
    }

    [[nodiscard]] static std::string lines(const std::vector<std::int64_t>& values)
    {
        return ::lines(GetParam(), values);
    }
};
