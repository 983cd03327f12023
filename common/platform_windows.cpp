#include "platform.hpp"

#include <cerrno>
#include <cstdlib>

#include <windows.h>

bool prompt_line_left_open() noexcept
{
    // The console's own end of input, Ctrl-Z and Enter, has already moved the cursor to a
    // new line; input from a pipe or a file has not. Files and pipes are no one's screen.
    return _isatty(_fileno(stdout)) != 0 && _isatty(_fileno(stdin)) == 0;
}

int write_error_number() noexcept
{
    // A write to a pipe whose reader has gone fails with "the pipe is being closed" or "no
    // process is on the other end of the pipe", which the C runtime reports as EINVAL; it
    // is the broken pipe that it is on Linux.
    const DWORD cause = GetLastError();
    if (errno == EINVAL && (cause == ERROR_NO_DATA || cause == ERROR_PIPE_NOT_CONNECTED ||
                            cause == ERROR_BROKEN_PIPE)) {
        return EPIPE;
    }
    return errno;
}

void run_platform_pause() noexcept
{
    // The command interpreter prints its own message and waits for a key; whether it
    // could be run at all is of no consequence to the run.
    static_cast<void>(
        std::system("pause"));  // NOLINT(cert-env33-c): the pause is the interpreter's
}
