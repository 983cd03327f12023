#include "programs.hpp"

std::vector<build_target> build_targets()
{
    std::vector<build_target> targets;
    targets.push_back({.name = "linux",
                       .launcher = {},
                       .arithpair = NATIVE_ARITHPAIR,
                       .squareloops = NATIVE_SQUARELOOPS,
                       .line_end = "\n",
                       .pause_text = "",
                       .huge_nests = HUGE_NEST_TESTS != 0});
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

std::string lines(const build_target& target, std::initializer_list<std::int64_t> values)
{
    return lines(target, std::vector<std::int64_t>(values));
}

std::string completed_run(const build_target& target, std::string_view prompts,
                          const std::vector<std::int64_t>& values)
{
    return std::string{prompts} + lines(target, values) + target.pause_text;
}
