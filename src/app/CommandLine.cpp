#include "app/CommandLine.h"

#include "ui/Language.h"

#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

namespace {

// The texts are printed before the application exists, so each is looked up
// in the interface language's translation directly, which is read only when
// a text is needed.
std::string text(const char *polish)
{
    static const std::unique_ptr<QTranslator> translation
        = Language::programTranslation(Language::chooseForSystem());
    const QString translated
        = translation ? translation->translate("CommandLine", polish) : QString();
    return translated.isEmpty() ? std::string(polish) : translated.toStdString();
}

// `pattern` with %1, %2… replaced by `arguments` byte for byte: what the user
// typed need not be valid UTF-8.
std::string filled(const std::string &pattern, std::initializer_list<std::string> arguments)
{
    std::string result;
    for (size_t at = 0; at < pattern.size(); ++at) {
        const size_t index = at + 1 < pattern.size() ? size_t(pattern[at + 1] - '1') : size_t(-1);
        if (pattern[at] == '%' && index < arguments.size()) {
            result += *(arguments.begin() + index);
            ++at;
        } else {
            result += pattern[at];
        }
    }
    return result;
}

std::string refusal(const std::string &reason)
{
    return filled(
        text(QT_TRANSLATE_NOOP("CommandLine", "miravela: %1 (zob. miravela --help)")), { reason });
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
                refusal(filled(
                    text(QT_TRANSLATE_NOOP("CommandLine", "nieznana opcja „%1”")), { argument })) };
        } else {
            folders.push_back(argument);
        }
    }
    if (folders.size() > 1)
        return { CommandLine::Action::Refuse, {},
            refusal(text(QT_TRANSLATE_NOOP("CommandLine", "można podać tylko jeden folder"))) };
    return { CommandLine::Action::Run, folders.empty() ? std::string() : folders.front(), {} };
}

std::string usageText()
{
    return text(QT_TRANSLATE_NOOP("CommandLine",
        "Użycie: miravela [FOLDER]\n"
        "       miravela --help | --version\n"
        "\n"
        "Uruchamia program Miravela z plikami danych w folderze FOLDER\n"
        "(domyślnie ~/Miravela).\n"
        "\n"
        "  --help     wypisuje ten opis i kończy działanie\n"
        "  --version  wypisuje wersję programu i kończy działanie\n"
        "\n"
        "Folder, którego nazwa zaczyna się od „-”, podaje się jako ./-nazwa\n"
        "albo po „--”: miravela -- -nazwa\n"));
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
        const std::string reason = std::strerror(errno);
        std::fprintf(stderr, "%s\n",
            filled(text(QT_TRANSLATE_NOOP(
                       "CommandLine", "miravela: nie można otworzyć folderu „%1”: %2")),
                { command.folder, reason })
                .c_str());
        return 1;
    }
    if (argc > 1) {
        argc = 1;
        argv[1] = nullptr;
    }
    return std::nullopt;
}
