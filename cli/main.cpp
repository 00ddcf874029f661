// korvex3: the library's exported functions as shell commands.
#include <unistd.h>

#include <iostream>

#include "tool.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    korvex3_cli::Console console{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    return korvex3_cli::runTool(arguments, console, std::cin);
}
