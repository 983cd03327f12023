#include "dialogue.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number_text.hpp"
#include "platform.hpp"

namespace {

// Standard input as a source of characters for read_int. It remembers the last
// character that a read took, so that the dialogue knows whether the read ended a line.
struct standard_input {
    int last = EOF;

    [[nodiscard]] int get() noexcept
    {
        const int c = std::getc(stdin);
        if (c != EOF) {
            last = c;
        }
        return c;
    }
    static void unget(int c) noexcept
    {
        std::ungetc(c, stdin);
    }
    [[nodiscard]] static bool failed() noexcept
    {
        return std::ferror(stdin) != 0;
    }
};

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
    standard_input input;
    switch (read_int(input, EOF, value)) {
    case read_outcome::number:
        return;
    case read_outcome::not_a_number:
        stop_run(program, number + " is not a whole number");
    case read_outcome::out_of_range:
        stop_run(program, number + " is out of range (-2147483648 to 2147483647)");
    case read_outcome::end_of_input:
        // Input that ends on the prompt's line (Ctrl-D on a terminal, or an empty pipe)
        // leaves the cursor after the prompt; the message belongs on a line of its own.
        if (input.last != '\n' && prompt_line_left_open()) {
            // Whether the line end arrives does not matter: the run stops here with its
            // message on standard error and status 1 either way.
            static_cast<void>(write_standard_output("\n", 1));
            std::fflush(stdout);
        }
        stop_run(program, number + " is missing: the input has ended");
    case read_outcome::read_error:
        stop_run(program, with_cause("read error", errno));
    }
}

void print_int_line(std::string_view program, std::int32_t value)
{
    int_line line{};
    const std::size_t start = render_int_line(value, line);
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
