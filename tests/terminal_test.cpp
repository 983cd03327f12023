// What only a terminal shows: prompts before any input, the echo of what is typed, and
// the closing pause that waits for one key and puts the terminal back as it was.

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/wait.h>

#include "programs.hpp"
#include "terminal.hpp"

namespace {

constexpr std::string_view pause_message = "Press any key to continue . . . ";

std::vector<std::string> native(const std::string& program)
{
    return command_for(build_targets().front(), program);
}

TEST(terminal, prompts_come_before_input_and_the_pause_waits_for_one_unechoed_key)
{
    terminal_session session(native("arithpair"));
    ASSERT_TRUE(session.expect("Enter aaaaaaaaaaaa:")) << session.transcript();
    // An empty line leaves the read waiting; the prompt is not written again.
    session.type("\r");
    session.type("7\r");
    ASSERT_TRUE(session.expect("\r\n7\r\nEnter bbbbbbbbbbbb:")) << session.transcript();
    session.type("3\r");
    ASSERT_TRUE(session.expect(pause_message)) << session.transcript();
    EXPECT_TRUE(session.running()) << "the pause did not wait; " << session.transcript();

    session.type("x");
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 0)) << session.transcript();
    // The typed key is not echoed; the pause ends its line.
    EXPECT_EQ(session.transcript(),
              "the terminal showed: \"Enter aaaaaaaaaaaa:\\r\\n7\\r\\nEnter bbbbbbbbbbbb:3\\r\\n"
              "10\\r\\n4\\r\\n21\\r\\n2\\r\\n1\\r\\n41\\r\\n42\\r\\n"
              "Press any key to continue . . . \\r\\n\"");
}

TEST(terminal, both_numbers_on_one_line_put_the_first_result_after_the_second_prompt)
{
    terminal_session session(native("squareloops"));
    ASSERT_TRUE(session.expect("Enter AAAAAAAAAAAA:")) << session.transcript();
    session.type("2 4\r");
    ASSERT_TRUE(session.expect("2 4\r\nEnter BBBBBBBBBBBB:4\r\n9\r\n16\r\n8\r\n8\r\n" +
                               std::string{pause_message}))
        << session.transcript();
    session.type("\r");
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 0)) << session.transcript();
}

TEST(terminal, the_pause_takes_ctrl_c_as_a_key_and_restores_the_terminal)
{
    terminal_session session(native("arithpair"));
    ASSERT_TRUE(session.expect("Enter aaaaaaaaaaaa:")) << session.transcript();
    const termios before = session.attributes();
    session.type("7 3\r");
    ASSERT_TRUE(session.expect(pause_message)) << session.transcript();
    const termios during = session.attributes();
    EXPECT_EQ(during.c_lflag & (ICANON | ECHO | ISIG), 0U) << "the pause should read one raw key";

    session.type("\x03");
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 0)) << session.transcript();
    const termios after = session.attributes();
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_cc[VMIN], before.c_cc[VMIN]);
    EXPECT_EQ(after.c_cc[VTIME], before.c_cc[VTIME]);
}

TEST(terminal, a_signal_during_the_pause_ends_the_program_with_the_terminal_restored)
{
    terminal_session session(native("arithpair"));
    ASSERT_TRUE(session.expect("Enter aaaaaaaaaaaa:")) << session.transcript();
    const termios before = session.attributes();
    session.type("7 3\r");
    ASSERT_TRUE(session.expect(pause_message)) << session.transcript();

    session.send_signal(SIGTERM);
    const std::optional<int> status = session.wait_for_exit();
    ASSERT_TRUE(status) << session.transcript();
    EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGTERM);
    EXPECT_EQ(session.attributes().c_lflag, before.c_lflag);
}

TEST(terminal, with_input_from_a_pipe_the_results_reach_the_terminal_and_nothing_waits)
{
    // No user answers the prompts, so none is at the keyboard to end a pause: a script
    // run from a terminal must not hang there.
    terminal_session session(native("arithpair"), {.piped_input = "7 3\n"});
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 0)) << session.transcript();
    EXPECT_EQ(session.transcript(), "the terminal showed: \"Enter aaaaaaaaaaaa:Enter bbbbbbbbbbbb:"
                                    "10\\r\\n4\\r\\n21\\r\\n2\\r\\n1\\r\\n41\\r\\n42\\r\\n\"");
}

TEST(terminal, with_output_to_a_file_nothing_waits)
{
    // The prompts and results go to the file; the terminal shows only what is typed, and
    // a pause would wait for a key with nothing on the screen to say so.
    terminal_session session(native("arithpair"), {.output_to_null = true});
    session.type("7 3\r");
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 0)) << session.transcript();
    EXPECT_EQ(session.transcript(), "the terminal showed: \"7 3\\r\\n\"");
}

TEST(terminal, input_ended_at_a_prompt_is_reported_on_a_line_of_its_own)
{
    // Ctrl-D on the prompt's line echoes nothing: the program ends the line. After an
    // empty line, the echo of Enter has ended it already.
    for (const std::string_view keys : {"\x04", "\r\x04"}) {
        SCOPED_TRACE(visible(keys));
        terminal_session session(native("arithpair"));
        ASSERT_TRUE(session.expect("Enter aaaaaaaaaaaa:")) << session.transcript();
        session.type(keys);
        ASSERT_TRUE(
            session.expect("\r\narithpair: the first number is missing: the input has ended\r\n" +
                           std::string{pause_message}))
            << session.transcript();
        EXPECT_EQ(session.transcript().find("\\r\\n\\r\\n"), std::string::npos)
            << "a blank line stands before the message; " << session.transcript();
        session.type(" ");
        EXPECT_TRUE(exited_with(session.wait_for_exit(), 1)) << session.transcript();
    }
}

TEST(terminal, an_empty_pipe_at_a_prompt_is_reported_on_a_line_of_its_own)
{
    terminal_session session(native("squareloops"), {.piped_input = ""});
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 1)) << session.transcript();
    EXPECT_EQ(session.transcript(),
              "the terminal showed: \"Enter AAAAAAAAAAAA:\\r\\n"
              "squareloops: the first number is missing: the input has ended\\r\\n\"");
}

TEST(terminal, a_failed_read_is_reported_before_the_pause)
{
    terminal_session session(native("arithpair"));
    ASSERT_TRUE(session.expect("Enter aaaaaaaaaaaa:")) << session.transcript();
    session.type("seven\r");
    ASSERT_TRUE(session.expect("seven\r\narithpair: the first number is not a whole number\r\n" +
                               std::string{pause_message}))
        << session.transcript();
    session.type(" ");
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 1)) << session.transcript();
}

}  // namespace
