// The command-line entry point of orv-calc. The report command runs
// orv-calc-report, which paints with Qt; every other command stays free of
// it and starts as fast as ever.
#include "cli/orv_calc.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// orv-calc-report beside orv-calc (the build tree), or in the program's
// folder under libexec (an installed system).
std::filesystem::path ReportProgram()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = self.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / "orv-calc-report", folder / ".." / "libexec" / "orv" / "orv-calc-report"}) {
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

int Report(char** argv)
{
    const std::filesystem::path program = ReportProgram();
    if (program.empty()) {
        std::cerr << "orv-calc: the report command needs orv-calc-report, which is not installed\n";
        return 1;
    }
    argv[1] = const_cast<char*>("orv-calc report");
    ::execv(program.c_str(), argv + 1);
    std::cerr << "orv-calc: cannot start " << program.string() << ": " << std::strerror(errno)
              << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "report")
        return Report(argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return static_cast<int>(orv::cli::RunOrvCalc(arguments, std::cout, std::cerr));
}
