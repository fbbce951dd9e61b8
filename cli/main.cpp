// The command-line entry point of orv-calc.
#include "cli/orv_calc.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return static_cast<int>(orv::cli::RunOrvCalc(arguments, std::cout, std::cerr));
}
