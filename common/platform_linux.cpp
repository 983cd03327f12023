#include "platform.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <initializer_list>

#include <poll.h>
#include <sys/signalfd.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Waits until a key has been pressed on the terminal at standard input, or until one of
// `stopping` is pending, which the caller's cleanup then lets take effect.
void wait_for_key_or_signal(const sigset_t& stopping) noexcept
{
    const int signals = signalfd(-1, &stopping, SFD_CLOEXEC);
    std::array<pollfd, 2> watched{{{STDIN_FILENO, POLLIN, 0}, {signals, POLLIN, 0}}};
    const nfds_t count = signals >= 0 ? 2 : 1;
    while (poll(watched.data(), count, -1) < 0) {
        // Only an interruption brings poll back early; any other failure ends the wait.
        if (errno != EINTR) {
            break;
        }
    }
    if ((watched[0].revents & POLLIN) != 0) {
        char key = 0;
        static_cast<void>(read(STDIN_FILENO, &key, 1));
    }
    if (signals >= 0) {
        close(signals);
    }
}

}  // namespace

bool prompt_line_left_open() noexcept
{
    // On a terminal, Ctrl-D ends the input without echoing a line end. Pipes and files
    // are no one's screen: their output stays exactly the dialogue.
    return isatty(STDOUT_FILENO) != 0;
}

int write_error_number() noexcept
{
    return errno;
}

void run_platform_pause() noexcept
{
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        return;
    }
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) {
        return;
    }
    // A signal that would end or stop the process while the terminal is raw is held back
    // until the terminal has been put back, so that no interruption leaves it broken.
    sigset_t stopping;
    sigemptyset(&stopping);
    for (const int number : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGTSTP, SIGTTIN, SIGTTOU}) {
        sigaddset(&stopping, number);
    }
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &stopping, &previous);

    // One key, unechoed and without Enter; Ctrl-C, Ctrl-Z, Ctrl-S and the like are keys too.
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG | IEXTEN);
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // The terminal is raw before the message appears, so that a key pressed as soon as it
    // shows is taken; keys typed before that are dropped: the pause waits for a new one.
    if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) == 0) {
        std::fputs("Press any key to continue . . . ", stdout);
        std::fflush(stdout);
        wait_for_key_or_signal(stopping);
        // A key may send several characters (an arrow key sends three): drop the rest,
        // so that none of them reaches the shell.
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputs("\n", stdout);
        std::fflush(stdout);
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
}
