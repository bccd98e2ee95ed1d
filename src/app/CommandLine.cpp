#include "app/CommandLine.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

std::string refusal(const std::string &reason)
{
    return "miravela: " + reason + " (zob. miravela --help)";
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &arguments)
{
    std::vector<std::string> folders;
    bool optionsEnded = false;
    for (const std::string &argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with('-')) {
            if (argument == "--help")
                return { CommandLine::Action::Help, {}, {} };
            if (argument == "--version")
                return { CommandLine::Action::Version, {}, {} };
            return { CommandLine::Action::Refuse, {},
                refusal("nieznana opcja \u201e" + argument + "\u201d") };
        } else {
            folders.push_back(argument);
        }
    }
    if (folders.size() > 1)
        return { CommandLine::Action::Refuse, {}, refusal("można podać tylko jeden folder") };
    return { CommandLine::Action::Run, folders.empty() ? std::string() : folders.front(), {} };
}

std::string usageText()
{
    return "Użycie: miravela [FOLDER]\n"
           "       miravela --help | --version\n"
           "\n"
           "Uruchamia program Miravela z plikami danych w folderze FOLDER\n"
           "(domyślnie ~/Miravela).\n"
           "\n"
           "  --help     wypisuje ten opis i kończy działanie\n"
           "  --version  wypisuje wersję programu i kończy działanie\n"
           "\n"
           "Folder, którego nazwa zaczyna się od \u201e-\u201d, podaje się jako ./-nazwa\n"
           "albo po \u201e--\u201d: miravela -- -nazwa\n";
}

std::string versionText()
{
    return "miravela 2.0\n";
}

std::optional<int> handleCommandLine(int &argc, char **&argv)
{
    // A program can be started with no arguments at all, not even its name;
    // the application then gets one.
    if (argc < 1) {
        static char name[] = "miravela";
        static char *nameOnly[] = { name, nullptr };
        argc = 1;
        argv = nameOnly;
    }
    const CommandLine command = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
    case CommandLine::Action::Help:
        std::fputs(usageText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case CommandLine::Action::Version:
        std::fputs(versionText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", command.message.c_str());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    if (!command.folder.empty() && ::chdir(command.folder.c_str()) != 0) {
        std::fprintf(stderr, "miravela: nie można otworzyć folderu \u201e%s\u201d: %s\n",
            command.folder.c_str(), std::strerror(errno));
        return 1;
    }
    if (argc > 1) {
        argc = 1;
        argv[1] = nullptr;
    }
    return std::nullopt;
}
