#pragma once

#include <cstdint>
#include <string_view>

// The console dialogue that both programs hold with their user: prompting for a number
// and reading it, writing one result line, the closing pause, and the end of the run.
//
// Every operation takes the program's name, which starts each message that the dialogue
// writes to standard error ("arithpair: division by zero"). A failed read or a failed
// write ends the run there, through stop_run: the rest of a program neither reports
// failures nor exits on its own.

// Writes `prompt` exactly, without a line end, makes it visible, then reads one decimal
// number into `value`: white space before it is skipped, an optional "+" or "-" and the
// digits follow, and the first character that cannot continue the number stays unread.
// `which` names the number in a message ("the first number"). When no number in the
// range -2147483648..2147483647 stands there, the run stops with a message.
void prompt_int(std::string_view program, std::string_view which, std::string_view prompt,
                std::int32_t& value);

// Writes `value` as one result line: an optional "-", the decimal digits, a line end.
// A write that fails stops the run at once with a write error.
void print_int_line(std::string_view program, std::int32_t value);

// Makes every result line visible, then holds the console until the user has seen it;
// where no user is at a console it returns at once.
void pause_console();

// Ends a completed run: the closing pause, then the check that everything written has
// arrived. Returns the exit status for `main`: 0, or 1 after a write error.
[[nodiscard]] int end_run(std::string_view program);

// Ends a run that cannot go on: "program: what" on standard error, the closing pause,
// exit status 1.
[[noreturn]] void stop_run(std::string_view program, std::string_view what);
