#include "terminal.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include "process.hpp"

bool exited_with(std::optional<int> status, int expected)
{
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == expected;
}

terminal_session::terminal_session(const std::vector<std::string>& command,
                                   const terminal_redirects& redirects)
{
    const std::optional<std::string_view>& piped_input = redirects.piped_input;
    std::array<int, 2> input{-1, -1};
    if (piped_input && pipe(input.data()) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const std::vector<char*> argv = argument_vector(command);
    std::array<char*, 4> environment{const_cast<char*>("TERM=dumb"), const_cast<char*>("LANG=C"),
                                     const_cast<char*>("PATH=/usr/bin:/bin"), nullptr};
    // What the test has buffered must not be written twice, by parent and child.
    std::fflush(nullptr);
    child_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (child_ < 0) {
        throw std::runtime_error("forkpty failed");
    }
    if (child_ == 0) {
        signal(SIGPIPE, SIG_DFL);
        if (piped_input) {
            dup2(input[0], STDIN_FILENO);
            close(input[0]);
            close(input[1]);
        }
        if (redirects.output_to_null) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
        }
        execve(argv[0], argv.data(), environment.data());
        _exit(127);
    }
    if (piped_input) {
        close(input[0]);
        // The input is small: the pipe's buffer takes it whole.
        const ssize_t written = write(input[1], piped_input->data(), piped_input->size());
        close(input[1]);
        if (written != static_cast<ssize_t>(piped_input->size())) {
            throw std::runtime_error("feeding the piped input failed");
        }
    }
}

terminal_session::~terminal_session()
{
    if (!status_) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    close(master_);
}

void terminal_session::read_available(std::chrono::milliseconds wait)
{
    pollfd watched{master_, POLLIN, 0};
    if (poll(&watched, 1, static_cast<int>(wait.count())) <= 0) {
        return;
    }
    std::array<char, 4096> chunk{};
    const ssize_t n = read(master_, chunk.data(), chunk.size());
    if (n > 0) {
        shown_.append(chunk.data(), static_cast<std::size_t>(n));
    } else {
        // The program has closed the terminal (EIO): nothing more will come.
        std::this_thread::sleep_for(wait);
    }
}

bool terminal_session::expect(std::string_view text, std::chrono::milliseconds deadline)
{
    std::size_t found = std::string_view::npos;
    if (!wait_until(
            [&](std::string_view shown) {
                found = shown.find(text, consumed_);
                return found != std::string_view::npos;
            },
            deadline)) {
        return false;
    }
    consumed_ = found + text.size();
    return true;
}

bool terminal_session::wait_until(const std::function<bool(std::string_view shown)>& done,
                                  std::chrono::milliseconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!done(shown_)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        read_available(std::min(left, std::chrono::milliseconds(50)));
    }
    return true;
}

void terminal_session::type(std::string_view keys) const
{
    if (write(master_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size())) {
        throw std::runtime_error("typing at the terminal failed");
    }
}

std::optional<int> terminal_session::wait_for_exit(std::chrono::milliseconds deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!status_ && std::chrono::steady_clock::now() < end) {
        // Keep reading, so that a program writing to a full terminal can go on.
        read_available(std::chrono::milliseconds(5));
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            status_ = status;
        }
    }
    // What the program wrote just before it ended may still wait in the terminal.
    for (std::size_t before = 0; status_ && before != shown_.size();) {
        before = shown_.size();
        read_available(std::chrono::milliseconds(0));
    }
    return status_;
}

bool terminal_session::running()
{
    int status = 0;
    if (!status_ && waitpid(child_, &status, WNOHANG) == child_) {
        status_ = status;
    }
    return !status_;
}

void terminal_session::send_signal(int number) const
{
    kill(child_, number);
}

termios terminal_session::attributes() const
{
    termios now{};
    if (tcgetattr(master_, &now) != 0) {
        throw std::runtime_error("tcgetattr on the terminal failed");
    }
    return now;
}

std::string terminal_session::transcript() const
{
    return "the terminal showed: \"" + visible(shown_) + "\"";
}
