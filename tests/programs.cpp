#include "programs.hpp"

std::vector<build_target> build_targets()
{
    std::vector<build_target> targets;
    targets.push_back({.name = "linux",
                       .skip_reason = "",
                       .launcher = {},
                       .arithpair = NATIVE_ARITHPAIR,
                       .squareloops = NATIVE_SQUARELOOPS,
                       .line_end = "\n",
                       .pause_text = "",
                       .sigpipe = true,
                       .huge_nests = HUGE_NEST_TESTS != 0});
    // The Windows programs run under Wine, in a prefix of their own under the build tree.
    // Their pause is the command interpreter's: Wine's writes its message without a line
    // end when standard input is not a console. Windows has no SIGPIPE.
    targets.push_back(
        {.name = "windows",
         .skip_reason = WINDOWS_SKIP_REASON,
         .launcher = {"/usr/bin/env", std::string{"WINEPREFIX="} + WINE_PREFIX, "WINEDEBUG=-all",
                      "WINEDLLOVERRIDES=mscoree,mshtml=", WINE_LOADER},
         .arithpair = WINDOWS_ARITHPAIR,
         .squareloops = WINDOWS_SQUARELOOPS,
         .line_end = "\r\n",
         .pause_text = "Press any key to continue... ",
         .sigpipe = false,
         .huge_nests = true,
         .deadline = std::chrono::seconds(60)});
    return targets;
}

std::vector<std::string> command_for(const build_target& target, const std::string& program,
                                     std::initializer_list<std::string> arguments)
{
    std::vector<std::string> command = target.launcher;
    command.push_back(program == "arithpair" ? target.arithpair : target.squareloops);
    command.insert(command.end(), arguments);
    return command;
}

std::string lines(const build_target& target, const std::vector<std::int64_t>& values)
{
    std::string text;
    for (const std::int64_t value : values) {
        text += std::to_string(value);
        text += target.line_end;
    }
    return text;
}

std::string completed_run(const build_target& target, std::string_view prompts,
                          const std::vector<std::int64_t>& values)
{
    return std::string{prompts} + lines(target, values) + target.pause_text;
}
