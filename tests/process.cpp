#include "process.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <tuple>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct pipe_ends {
    int read = -1;
    int write = -1;
};

pipe_ends make_pipe()
{
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    return {ends[0], ends[1]};
}

void close_if_open(int& fd)
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void start_child(const std::vector<char*>& argv, const pipe_ends& in,
                              const pipe_ends& out, const pipe_ends& err,
                              const run_options& options)
{
    setpgid(0, 0);
    signal(SIGPIPE, options.ignore_sigpipe ? SIG_IGN : SIG_DFL);
    switch (options.input) {
    case input_kind::pipe:
        dup2(in.read, STDIN_FILENO);
        break;
    case input_kind::directory: {
        const int root = open("/", O_RDONLY | O_DIRECTORY);
        dup2(root, STDIN_FILENO);
        break;
    }
    case input_kind::closed:
        close(STDIN_FILENO);
        break;
    }
    dup2(err.write, STDERR_FILENO);
    switch (options.output) {
    case output_kind::pipe:
        dup2(out.write, STDOUT_FILENO);
        break;
    case output_kind::dev_full: {
        const int full = open("/dev/full", O_WRONLY);
        dup2(full, STDOUT_FILENO);
        break;
    }
    case output_kind::closed:
        close(STDOUT_FILENO);
        break;
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

}  // namespace

run_result run_program(const std::vector<std::string>& command, std::string_view input,
                       const run_options& options)
{
    // The runner itself must survive a program that leaves its input unread.
    signal(SIGPIPE, SIG_IGN);
    const std::vector<char*> argv = argument_vector(command);

    pipe_ends in = make_pipe();
    pipe_ends out = make_pipe();
    pipe_ends err = make_pipe();
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        start_child(argv, in, out, err, options);
    }
    close_if_open(in.read);
    close_if_open(out.write);
    close_if_open(err.write);
    fcntl(in.write, F_SETFL, O_NONBLOCK);
    if (options.output != output_kind::pipe) {
        close_if_open(out.read);
    }

    run_result result;
    const auto deadline = std::chrono::steady_clock::now() + options.deadline;
    std::string to_send{input};
    std::size_t written = 0;
    std::size_t replied = 0;
    std::size_t heard = 0;  // how much of standard output the replies have waited for
    if (to_send.empty() && options.replies.empty()) {
        close_if_open(in.write);
    }
    int status = 0;
    bool reaped = false;
    while (in.write >= 0 || out.read >= 0 || err.read >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timed_out = true;
            break;
        }
        // Once the program has ended, all that it wrote is in the pipes: read that and
        // stop, rather than wait for processes that it started and that hold the pipes
        // open (Wine's server does).
        if (!reaped && waitpid(child, &status, WNOHANG) == child) {
            reaped = true;
        }
        const int sending = written < to_send.size() ? in.write : -1;
        std::array<pollfd, 3> watched{
            {{sending, POLLOUT, 0}, {out.read, POLLIN, 0}, {err.read, POLLIN, 0}}};
        const int wait_ms = reaped ? 0 : static_cast<int>(std::min<std::int64_t>(left.count(), 20));
        const int ready = poll(watched.data(), watched.size(), wait_ms);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        if (ready == 0 && reaped) {
            break;
        }
        if (watched[0].revents != 0) {
            const ssize_t n = write(in.write, to_send.data() + written, to_send.size() - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
            }
            if (n < 0 || (written == to_send.size() && replied == options.replies.size())) {
                close_if_open(in.write);
            }
        }
        std::array<char, 65536> chunk{};
        for (auto [fd, text, index] :
             {std::tuple{&out.read, &result.out, 1U}, std::tuple{&err.read, &result.err, 2U}}) {
            if (watched[index].revents == 0) {
                continue;
            }
            const ssize_t n = read(*fd, chunk.data(), chunk.size());
            if (n <= 0) {
                close_if_open(*fd);
            } else {
                text->append(chunk.data(), static_cast<std::size_t>(n));
            }
        }
        while (replied < options.replies.size()) {
            const auto& [awaited, reply] = options.replies[replied];
            const std::size_t found = result.out.find(awaited, heard);
            if (found == std::string::npos) {
                break;
            }
            heard = found + awaited.size();
            to_send += reply;
            ++replied;
        }
        if (options.read_at_most && result.out.size() >= *options.read_at_most) {
            close_if_open(out.read);
        }
        if (result.out.size() > options.output_limit) {
            result.timed_out = true;
            break;
        }
    }
    close_if_open(in.write);
    close_if_open(out.read);
    close_if_open(err.read);

    while (!result.timed_out && !reaped && waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            result.timed_out = true;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    if (result.timed_out) {
        kill(-child, SIGKILL);
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    } else if (WIFEXITED(status)) {
        result.exit_status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

std::vector<char*> argument_vector(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    std::transform(command.begin(), command.end(), std::back_inserter(argv),
                   [](const std::string& word) { return const_cast<char*>(word.c_str()); });
    argv.push_back(nullptr);
    return argv;
}

std::string visible(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            std::array<char, 8> code{};
            std::snprintf(code.data(), code.size(), "\\x%02x", static_cast<unsigned char>(c));
            shown += code.data();
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string run_result::describe() const
{
    std::string text = "stdout: \"" + visible(out) + "\"\nstderr: \"" + visible(err) + "\"\n";
    if (timed_out) {
        text += "ended: killed at its deadline or its output limit\n";
    } else if (exit_status) {
        text += "ended: exit status " + std::to_string(*exit_status) + "\n";
    } else if (signal) {
        text += "ended: signal " + std::to_string(*signal) + "\n";
    }
    return text;
}
