// olsim: seeds, lists and clears the profile of the simulated Outlook.
#include "olsim/ToolCommands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return olsim::RunTool(args, std::cout, std::cerr);
}
