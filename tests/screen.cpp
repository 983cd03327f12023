#include "screen.hpp"

#include <memory>
#include <stdexcept>
#include <vector>

#include <vterm.h>

std::string screen_text(std::string_view output, int rows, int columns)
{
    const std::unique_ptr<VTerm, decltype(&vterm_free)> terminal(vterm_new(rows, columns),
                                                                 vterm_free);
    if (!terminal) {
        throw std::runtime_error("vterm_new failed");
    }
    vterm_set_utf8(terminal.get(), 1);
    VTermScreen* screen = vterm_obtain_screen(terminal.get());
    vterm_screen_reset(screen, 1);
    vterm_input_write(terminal.get(), output.data(), output.size());

    std::vector<std::string> lines;
    std::vector<char> row(static_cast<std::size_t>(columns) * 4 + 1);
    for (int r = 0; r < rows; ++r) {
        const VTermRect rect{.start_row = r, .end_row = r + 1, .start_col = 0, .end_col = columns};
        const std::size_t length = vterm_screen_get_text(screen, row.data(), row.size(), rect);
        std::string line(row.data(), length);
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += i == 0 ? "" : "\n";
        text += lines[i];
    }
    return text;
}
