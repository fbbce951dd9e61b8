// The program's command line: `orv [DOCUMENT]`, `orv --help`, `orv
// --version` and `orv --self-test`. It is read before any window system is
// reached, so --help and --version work without a display.
#pragma once

#include <string>
#include <vector>

namespace orv::ui {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool selfTest = false;
    std::string document; // empty: start with an empty document
    std::string error;    // what is wrong with the command line, if anything
};

[[nodiscard]] CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
[[nodiscard]] std::string CommandLineUsage();

} // namespace orv::ui
