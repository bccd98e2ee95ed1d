#pragma once

#include <optional>
#include <string>
#include <vector>

// The program's arguments: an optional data folder and the options --help and
// --version. The launcher that users start takes the same ones; what it does
// not run itself it hands to the program, so the texts below are the only ones.
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };

    Action action = Action::Run;
    std::string folder; // Run: the data folder; empty for the current one
    std::string message; // Refuse: the one line that says why

    bool operator==(const CommandLine &) const = default;
};

// Reads the arguments that follow the program's name, left to right: the
// first option decides; after "--" every argument is a folder.
CommandLine parseCommandLine(const std::vector<std::string> &arguments);

std::string usageText();
std::string versionText();

// Acts on the command line before any window system is touched: prints the
// usage or the version (status 0) or a refusal (status 2), or enters the
// data folder given (status 1 when it cannot). When the program is to run,
// returns nothing and leaves only the program's name in argc/argv, so that
// the application reads no option of its own from them.
std::optional<int> handleCommandLine(int &argc, char **&argv);
