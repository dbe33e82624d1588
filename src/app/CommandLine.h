#pragma once

#include <optional>

// "--help" and "--version": answered on standard output before any window
// system is touched. Returns the exit code when the program is to end here;
// anything else on the command line is left to the application.
namespace CommandLine {

std::optional<int> handle(int argc, char** argv);

} // namespace CommandLine
