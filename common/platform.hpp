#pragma once

#include <cstddef>
#include <cstdio>

// The platform layer behind the dialogue: what differs between Linux and Windows.

// Hands `size` characters to the standard output stream, without the stream's per-call
// locking where the platform offers that: the programs have one thread. Returns whether
// the stream took them all; a false result means that a write has failed and errno says
// why.
[[nodiscard]] inline bool write_standard_output(const char* text, std::size_t size) noexcept
{
#if defined(_WIN32)
    return _fwrite_nolock(text, 1, size, stdout) == size;
#else
    return fwrite_unlocked(text, 1, size, stdout) == size;
#endif
}

// The closing pause of the platform. On Windows the command interpreter runs "pause". On
// Linux, whose interpreter has no such command, the equivalent wait: only when standard
// input and standard output are both terminals, "Press any key to continue . . . ", one
// key press without echo, the terminal put back as it was, and the line ended. Standard
// output has been flushed before the call.
void run_platform_pause() noexcept;
