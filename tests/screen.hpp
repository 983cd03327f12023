#pragma once

#include <string>
#include <string_view>

// What a terminal shows after `output`, drawn by a terminal emulator with `rows` rows and
// `columns` columns: the rows from the top to the last one with text, each without its
// trailing spaces, joined by "\n". Escape sequences that move the cursor, clear lines or
// hide and show the cursor are applied, as a user's terminal applies them.
[[nodiscard]] std::string screen_text(std::string_view output, int rows = 60, int columns = 100);
