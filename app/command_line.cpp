#include "app/command_line.h"

namespace orv::ui {

CommandLine ReadCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h")
            line.help = true;
        else if (argument == "--version")
            line.version = true;
        else if (argument == "--self-test")
            line.selfTest = true;
        else if (argument.starts_with("-") && argument != "-")
            line.error = "unknown option " + argument;
        else if (!line.document.empty())
            line.error = "only one document can be opened at a time";
        else
            line.document = argument;
    }
    return line;
}

std::string CommandLineUsage()
{
    return "Usage: orv [DOCUMENT.orv]\n"
           "\n"
           "Computes the ellipsoid of inertia of golf club heads from their measured\n"
           "mass, volume, centre of mass and moments of inertia.\n"
           "\n"
           "  DOCUMENT.orv   a club data file to open after the splash window\n"
           "  --help         show this text\n"
           "  --version      show the version\n"
           "  --self-test    start the windows off screen, check the start-up and one\n"
           "                 computation, and exit\n";
}

} // namespace orv::ui
