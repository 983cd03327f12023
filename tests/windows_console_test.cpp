// The Windows programs in a real console: Wine, started on a pseudo-terminal, gives them
// one and draws it on the terminal with escape sequences, which a terminal emulator turns
// back into what a user's screen shows. Wine's console is slow to start and to draw, so
// every wait has a generous deadline; none sleeps and hopes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <termios.h>

#include "programs.hpp"
#include "screen.hpp"
#include "terminal.hpp"

namespace {

constexpr std::chrono::seconds console_deadline{60};
// What Wine's command interpreter shows for "pause".
constexpr std::string_view pause_message = "Press any key to continue...";

class windows_console : public testing::Test {
protected:
    void SetUp() override
    {
        if (!windows().skip_reason.empty()) {
            GTEST_SKIP() << windows().skip_reason;
        }
    }

    static build_target windows()
    {
        return build_targets().at(1);
    }

    // Starts `program` under Wine with the terminal as its console.
    // With `piped_input`, standard input is a pipe that holds it instead.
    static std::unique_ptr<terminal_session>
    start(const std::string& program, std::optional<std::string_view> piped_input = std::nullopt)
    {
        // Wine keeps its settings under HOME, which the session's environment lacks.
        const char* home = std::getenv("HOME");
        std::string home_setting = "HOME=";
        home_setting += home != nullptr ? home : "/";
        std::vector<std::string> command{"/usr/bin/env", "TERM=xterm", home_setting};
        const std::vector<std::string> wine = command_for(windows(), program);
        command.insert(command.end(), wine.begin(), wine.end());
        return std::make_unique<terminal_session>(command,
                                                  terminal_redirects{.piped_input = piped_input});
    }

    // Waits until the screen holds `text`; then returns the whole screen.
    static std::optional<std::string> wait_for_screen(terminal_session& session,
                                                      std::string_view text)
    {
        std::string screen;
        if (!session.wait_until(
                [&](std::string_view shown) {
                    screen = screen_text(shown);
                    return screen.find(text) != std::string::npos;
                },
                console_deadline)) {
            return std::nullopt;
        }
        return screen;
    }

    // Waits until the screen holds `prompt` and Wine's console has taken the terminal
    // over (echo and line editing off), so that keys typed from then on reach the
    // console, not the terminal's own line editing.
    static bool wait_for_prompt(terminal_session& session, std::string_view prompt)
    {
        return wait_for_screen(session, prompt) &&
               session.wait_until(
                   [&](std::string_view /*shown*/) {
                       return (session.attributes().c_lflag & (ECHO | ICANON)) == 0;
                   },
                   console_deadline);
    }

    // Types `keys`, then waits for the closing pause; returns the screen then.
    static std::optional<std::string> type_until_pause(terminal_session& session,
                                                       std::string_view keys)
    {
        session.type(keys);
        return wait_for_screen(session, pause_message);
    }

    static std::string screen_of(const terminal_session& session)
    {
        return "the console showed:\n" + screen_text(session.shown());
    }

    // Expects the program to wait in its pause: still running a while after the message,
    // then ending with `status` once a key is pressed.
    static void expect_pause_then_exit(terminal_session& session, int status)
    {
        EXPECT_FALSE(session.wait_for_exit(std::chrono::seconds(1)))
            << "the pause did not wait for a key; " << screen_of(session);
        session.type("x");
        EXPECT_TRUE(exited_with(session.wait_for_exit(console_deadline), status))
            << screen_of(session);
    }
};

TEST_F(windows_console, prompts_come_before_input_and_the_pause_waits_for_a_key)
{
    const auto session = start("arithpair");
    ASSERT_TRUE(wait_for_prompt(*session, "Enter aaaaaaaaaaaa:")) << screen_of(*session);
    EXPECT_EQ(screen_text(session->shown()), "Enter aaaaaaaaaaaa:");

    const std::optional<std::string> screen = type_until_pause(*session, "7 3\r");
    ASSERT_TRUE(screen) << screen_of(*session);
    EXPECT_EQ(*screen, "Enter aaaaaaaaaaaa:7 3\nEnter bbbbbbbbbbbb:10\n4\n21\n2\n1\n41\n42\n" +
                           std::string{pause_message});
    expect_pause_then_exit(*session, 0);
}

TEST_F(windows_console, runs_are_shown_line_by_line_up_to_the_pause)
{
    struct console_case {
        std::string program;
        std::string keys;
        std::string screen;  // from the first prompt to the pause
        int status;
    };
    const std::vector<console_case> cases = {
        {"squareloops", "2 4\r", "Enter AAAAAAAAAAAA:2 4\nEnter BBBBBBBBBBBB:4\n9\n16\n8\n8\n", 0},
        {"squareloops", "4\r2\r", "Enter AAAAAAAAAAAA:4\nEnter BBBBBBBBBBBB:2\n4\n9\n16\n8\n8\n",
         0},
        {"arithpair", "5 0\r",
         "Enter aaaaaaaaaaaa:5 0\nEnter bbbbbbbbbbbb:5\n5\n0\narithpair: division by zero\n", 1},
        {"arithpair", "seven\r",
         "Enter aaaaaaaaaaaa:seven\narithpair: the first number is not a whole number\n", 1},
    };
    for (const console_case& c : cases) {
        SCOPED_TRACE(c.program + " with keys " + visible(c.keys));
        const auto session = start(c.program);
        ASSERT_TRUE(wait_for_prompt(*session, "Enter ")) << screen_of(*session);
        const std::optional<std::string> screen = type_until_pause(*session, c.keys);
        ASSERT_TRUE(screen) << screen_of(*session);
        EXPECT_EQ(*screen, c.screen + std::string{pause_message});
        expect_pause_then_exit(*session, c.status);
    }
}

TEST_F(windows_console, input_that_ends_at_a_prompt_is_reported_on_a_line_of_its_own)
{
    // Wine's console takes no Ctrl-Z from the terminal, so the input ends the way it does
    // for "type nul | arithpair.exe": standard input is an empty pipe, and the console
    // shows the rest. The pause, reading the same ended input, returns at once.
    const auto session = start("arithpair", "");
    const std::optional<int> status = session->wait_for_exit(console_deadline);
    EXPECT_TRUE(exited_with(status, 1)) << screen_of(*session);
    EXPECT_EQ(screen_text(session->shown()),
              "Enter aaaaaaaaaaaa:\narithpair: the first number is missing: the input has ended\n" +
                  std::string{pause_message});
}

TEST_F(windows_console, each_prompt_and_result_line_reaches_the_console_in_one_write)
{
    // Wine's console hides the cursor while it draws what one write brought, so the
    // writes can be counted: here 2 prompts and 202 result lines, and a few for the
    // echo of the typed keys and the pause. Written a character at a time, the same text
    // would take about 900. (A busy console may draw two writes at once, so only the
    // upper bound is sure.)
    const auto session = start("squareloops");
    ASSERT_TRUE(wait_for_prompt(*session, "Enter AAAAAAAAAAAA:")) << screen_of(*session);
    const std::optional<std::string> screen = type_until_pause(*session, "1 200\r");
    ASSERT_TRUE(screen) << screen_of(*session);
    EXPECT_TRUE(screen->ends_with("\n39601\n40000\n200\n200\n" + std::string{pause_message}))
        << *screen;

    std::size_t writes = 0;
    const std::string_view hide_cursor = "\x1b[?25l";
    for (std::size_t at = session->shown().find(hide_cursor); at != std::string_view::npos;
         at = session->shown().find(hide_cursor, at + 1)) {
        ++writes;
    }
    EXPECT_LE(writes, 204U + 16U) << "the console got more writes than lines";
    session->type("x");
    EXPECT_TRUE(exited_with(session->wait_for_exit(console_deadline), 0)) << screen_of(*session);
}

}  // namespace
