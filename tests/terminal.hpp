#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>
#include <termios.h>

// Whether a status as waitpid gives it says that the program exited with `expected`.
[[nodiscard]] bool exited_with(std::optional<int> status, int expected);

// Standard streams that a shell would take away from the terminal.
struct terminal_redirects {
    // Standard input is a pipe that holds this and then ends, as in "printf '7 3\n' |
    // arithpair" typed at a shell.
    std::optional<std::string_view> piped_input;
    // Standard output goes to /dev/null, as in "arithpair > results" typed at a shell.
    bool output_to_null = false;
};

// A program running on a real pseudo-terminal: what it writes is read as a terminal shows
// it (with "\r\n" line ends and the echo of what is typed), and keys are typed at it.
// Every wait has a deadline, so that a program that hangs fails the test.
class terminal_session {
public:
    explicit terminal_session(const std::vector<std::string>& command,
                              const terminal_redirects& redirects = {});
    ~terminal_session();
    terminal_session(const terminal_session&) = delete;
    terminal_session& operator=(const terminal_session&) = delete;

    // Waits until the terminal has shown `text` after all that earlier waits consumed.
    // Returns false at the deadline.
    [[nodiscard]] bool expect(std::string_view text,
                              std::chrono::milliseconds deadline = std::chrono::seconds(10));
    // Waits until `done` holds for all that the terminal has shown. Returns false at the
    // deadline.
    [[nodiscard]] bool wait_until(const std::function<bool(std::string_view shown)>& done,
                                  std::chrono::milliseconds deadline);
    // All the terminal has shown, as it came.
    [[nodiscard]] std::string_view shown() const
    {
        return shown_;
    }
    void type(std::string_view keys) const;
    // Waits for the program to end; the status as waitpid gives it, or nothing at the
    // deadline.
    [[nodiscard]] std::optional<int>
    wait_for_exit(std::chrono::milliseconds deadline = std::chrono::seconds(10));
    [[nodiscard]] bool running();
    void send_signal(int number) const;
    [[nodiscard]] termios attributes() const;
    // All the terminal has shown, control characters made visible.
    [[nodiscard]] std::string transcript() const;

private:
    void read_available(std::chrono::milliseconds wait);

    int master_ = -1;
    pid_t child_ = -1;
    std::optional<int> status_;
    std::string shown_;
    std::size_t consumed_ = 0;
};
