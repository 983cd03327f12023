#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Runs a program to its end with pipes for all three standard streams: feeds it its
// standard input, closes that, and collects standard output, standard error and how the
// program ended. A program that outlives its deadline is killed and reported as such.

enum class input_kind {
    pipe,       // a pipe that the runner feeds
    directory,  // the root directory: every read fails with "Is a directory"
    closed,     // no standard input at all
};

enum class output_kind {
    pipe,      // a pipe that the runner reads
    dev_full,  // /dev/full: every write fails with "No space left on device"
    closed,    // no standard output at all
};

struct run_options {
    std::chrono::milliseconds deadline{10'000};
    input_kind input = input_kind::pipe;
    output_kind output = output_kind::pipe;
    // Let the program's SIGPIPE be ignored, so that a write to a pipe whose reader has
    // gone fails with EPIPE instead of killing it.
    bool ignore_sigpipe = false;
    // A conversation: each reply is typed only once standard output has shown its text,
    // after the input and the replies before it; standard input closes after the last.
    std::vector<std::pair<std::string, std::string>> replies;
    // An early-leaving reader: closes its end of standard output after this many bytes.
    std::optional<std::size_t> read_at_most;
    // A program that writes more than this is stopped as if at its deadline, so that a
    // listing that never ends cannot fill the test's memory.
    std::size_t output_limit = std::size_t{64} << 20U;
};

struct run_result {
    std::string out;
    std::string err;
    bool timed_out = false;          // killed at its deadline or at the output limit
    std::optional<int> exit_status;  // set when the program exited
    std::optional<int> signal;       // set when a signal ended it

    // The three streams and the ending, for a failing test's message.
    [[nodiscard]] std::string describe() const;
};

[[nodiscard]] run_result run_program(const std::vector<std::string>& command,
                                     std::string_view input, const run_options& options = {});

// The argument vector that exec takes for `command`: a pointer to each word, then null.
// It points into `command`, which must outlive it.
[[nodiscard]] std::vector<char*> argument_vector(const std::vector<std::string>& command);

// Control characters made visible, for messages about terminal and stream contents.
[[nodiscard]] std::string visible(std::string_view text);
