#include "platform.hpp"

#include <cstdlib>

void run_platform_pause() noexcept
{
    // The command interpreter prints its own message and waits for a key; whether it
    // could be run at all is of no consequence to the run.
    static_cast<void>(std::system("pause"));
}
