#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "process.hpp"

// The builds of the two programs that the tests run, and what a run of them should write.

struct build_target {
    std::string name;                   // names the test instances: "linux", "windows"
    std::vector<std::string> launcher;  // what starts a program of this build, if anything
    std::string arithpair;
    std::string squareloops;
    std::string line_end;    // how a text stream of the platform ends a line
    std::string pause_text;  // what the closing pause writes when standard input is not a console
    bool huge_nests = false; // whether this build answers nests of up to 2^62 passes at once
};

// Every build that this test binary knows of: the native one, and the Windows one when it
// was built and can be run here.
[[nodiscard]] std::vector<build_target> build_targets();

// The command line that starts `program` of the build, with `arguments` after it.
[[nodiscard]] std::vector<std::string> command_for(const build_target& target,
                                                   const std::string& program,
                                                   std::initializer_list<std::string> arguments = {});

// Result lines as the build's text stream writes them.
[[nodiscard]] std::string lines(const build_target& target,
                                std::initializer_list<std::int64_t> values);
[[nodiscard]] std::string lines(const build_target& target, const std::vector<std::int64_t>& values);

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
