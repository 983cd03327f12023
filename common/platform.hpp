#pragma once

#include <cstddef>
#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#endif

// The platform layer behind the dialogue: what differs between Linux and Windows.

// Hands `size` characters to the standard output stream, without the stream's per-call
// locking where the platform offers that: the programs have one thread. Returns whether
// the stream took them all; a false result means that a write has failed and errno says
// why.
[[nodiscard]] inline bool write_standard_output(const char* text, std::size_t size) noexcept
{
#if defined(_WIN32)
    // The C runtime gives a stream on a console (or another character device) no buffer,
    // and would hand the console one character per write: each a round trip to the
    // console host, so a listing would be drawn character by character. There the text
    // goes to the console in one write; the stream holds nothing that it could overtake.
    // The C runtime keeps what _isatty answers in its table of open files.
    const int output = _fileno(stdout);
    if (_isatty(output) != 0) {
        return _write(output, text, static_cast<unsigned int>(size)) == static_cast<int>(size);
    }
    // Elsewhere the stream has a buffer. The C runtime that MinGW-w64 links against has no
    // unlocked fwrite; its unlocked putc stores straight into the stream's buffer.
    for (std::size_t i = 0; i < size; ++i) {
        if (_putc_nolock(text[i], stdout) == EOF) {
            return false;
        }
    }
    return true;
#else
    return fwrite_unlocked(text, 1, size, stdout) == size;
#endif
}

// Whether input that has ended on a prompt's line, without a line end of its own, leaves
// a user's cursor after the prompt: standard output is a terminal or console, and the
// platform's way of ending input there has not moved the cursor to a new line.
[[nodiscard]] bool prompt_line_left_open() noexcept;

// The errno value that says why the last write to standard output failed.
[[nodiscard]] int write_error_number() noexcept;

// The closing pause of the platform. On Windows the command interpreter runs "pause". On
// Linux, whose interpreter has no such command, the equivalent wait: only when standard
// input and standard output are both terminals, "Press any key to continue . . . ", one
// key press without echo, the terminal put back as it was, and the line ended. Standard
// output has been flushed before the call.
void run_platform_pause() noexcept;
