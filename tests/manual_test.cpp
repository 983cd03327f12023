// The manual pages against the programs: every message that a page lists under
// DIAGNOSTICS is one that its program really writes, and every message that the program
// writes is listed. The messages are taken from the real binaries, provoked by the runs
// below, never from a copy of their texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "programs.hpp"

namespace {

// The arguments of a macro line: words, or text in double quotes.
std::vector<std::string> macro_arguments(std::string_view line)
{
    std::vector<std::string> arguments;
    std::size_t at = line.find(' ');
    while (at != std::string_view::npos && at < line.size()) {
        at = line.find_first_not_of(' ', at);
        if (at == std::string_view::npos) {
            break;
        }
        const bool quoted = line[at] == '"';
        const std::size_t start = quoted ? at + 1 : at;
        const std::size_t end = line.find(quoted ? '"' : ' ', start);
        arguments.emplace_back(line.substr(start, end - start));
        at = end == std::string_view::npos ? end : end + 1;
    }
    return arguments;
}

// The messages in a page's DIAGNOSTICS section, as the page shows them: each stands on a
// .B line, whose arguments are joined by spaces, or a .BI line, whose arguments alternate
// between bold and italic with nothing between them; the italic part names the variable
// part ("reason"). "\-" is a hyphen.
std::set<std::string> documented_messages(const std::string& page_path)
{
    std::ifstream page(page_path);
    std::set<std::string> messages;
    bool in_diagnostics = false;
    for (std::string line; std::getline(page, line);) {
        if (line.starts_with(".SH ")) {
            in_diagnostics = line == ".SH DIAGNOSTICS";
            continue;
        }
        const bool bold = line.starts_with(".B ");
        if (!in_diagnostics || !(bold || line.starts_with(".BI "))) {
            continue;
        }
        std::string text;
        for (const std::string& argument : macro_arguments(line)) {
            if (bold && !text.empty()) {
                text += ' ';
            }
            text += argument;
        }
        for (std::size_t at = text.find("\\-"); at != std::string::npos;
             at = text.find("\\-", at)) {
            text.replace(at, 2, "-");
        }
        messages.insert(text);
    }
    return messages;
}

// A message as the page lists it: the system's description after "read error: " or
// "write error: " is the variable part.
std::string as_documented(std::string message)
{
    for (const std::string_view fixed : {"read error: ", "write error: "}) {
        const std::size_t at = message.find(fixed);
        if (at != std::string::npos) {
            return message.substr(0, at + fixed.size()) + "reason";
        }
    }
    return message;
}

struct provoking_run {
    std::string input;
    input_kind input_stream = input_kind::pipe;
    output_kind output_stream = output_kind::pipe;
};

// Runs that end in every failure that the dialogue knows, and for arithpair a zero
// divisor: the messages that they write.
std::set<std::string> written_messages(const std::string& program)
{
    std::vector<provoking_run> runs = {
        {""},
        {"x"},
        {"2147483648"},
        {"7"},
        {"7 x"},
        {"7 -2147483649"},
        {"7 3", input_kind::closed},
        {"7 3", input_kind::pipe, output_kind::dev_full},
    };
    if (program == "arithpair") {
        runs.push_back({"7 0"});
    }
    std::set<std::string> messages;
    for (const provoking_run& provoking : runs) {
        run_options options;
        options.input = provoking.input_stream;
        options.output = provoking.output_stream;
        const run_result result =
            run_program(command_for(build_targets().front(), program), provoking.input, options);
        EXPECT_EQ(result.exit_status, 1) << result.describe();
        std::istringstream message_lines(result.err);
        for (std::string line; std::getline(message_lines, line);) {
            messages.insert(as_documented(line));
        }
    }
    return messages;
}

TEST(manual_pages, list_exactly_the_messages_that_the_programs_write)
{
    for (const std::string program : {"arithpair", "squareloops"}) {
        SCOPED_TRACE(program);
        const std::set<std::string> documented =
            documented_messages(std::string{MANUAL_DIR} + "/" + program + ".1");
        EXPECT_EQ(documented.size(), program == "arithpair" ? 9U : 8U)
            << "the page's DIAGNOSTICS could not be read";
        EXPECT_EQ(documented, written_messages(program));
    }
}

}  // namespace
