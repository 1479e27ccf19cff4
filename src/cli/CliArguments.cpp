#include "cli/CliArguments.h"

#include "cli/CliLookup.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using Command = CliRequest::Command;

namespace {

struct Option
{
    QString name;
    QString letter; // "-q"; empty when there is none
    QString value; // the placeholder of an option that takes one; empty for a switch
    QString help;
};

struct CommandSyntax
{
    Command command;
    QString name;
    QString arguments; // as the usage line shows them
    QString summary;
    QStringList options; // besides --quiet, --verbose and --help
    int minimum; // arguments that are not options
    int maximum; // -1: no limit
};

const QList<Option> &allOptions()
{
    static const QList<Option> options {
        { u"--all"_s, {}, {}, u"list: every app, not only the hand-picked ones; update: every app with an update"_s },
        { u"--category"_s, {}, u"<c>"_s,
            u"only the apps of one category: window, clipboard, media, menubar, security, files"_s },
        { u"--search"_s, {}, u"<text>"_s, u"apps whose name, description, category or replaced app holds the text"_s },
        { u"--json"_s, {}, {}, u"print JSON (documented in the README) instead of text"_s },
        { u"--yes"_s, u"-y"_s, {}, u"install without asking for confirmation"_s },
        { u"--limit"_s, {}, u"<n>"_s, u"history: list at most n operations (20 unless given)"_s },
        { u"--no-setup"_s, {}, {}, u"never set up Homebrew; exit with 3 when an app needs it"_s },
        { u"--keep-data"_s, {}, {}, u"uninstall: remove the app only; its settings and data stay"_s },
        { u"--dry-run"_s, {}, {}, u"uninstall: list what would go, with sizes; nothing is changed"_s },
        { u"--quiet"_s, u"-q"_s, {}, u"no progress and no success messages; errors only"_s },
        { u"--verbose"_s, u"-v"_s, {}, u"also print brew's own lines"_s },
        { u"--help"_s, u"-h"_s, {}, u"this help"_s },
    };
    return options;
}

const QList<CommandSyntax> &commands()
{
    static const QList<CommandSyntax> table {
        { Command::List, u"list"_s, u"[--all] [--category <c>] [--search <text>]"_s,
            u"The hand-picked apps (every app with --all), with their state."_s,
            { u"--all"_s, u"--category"_s, u"--search"_s, u"--json"_s }, 0, 0 },
        { Command::Info, u"info"_s, u"<id>"_s,
            u"Everything about one app: what it is, its state, and what you are about to trust."_s, { u"--json"_s }, 1,
            1 },
        { Command::Install, u"install"_s, u"<id>…"_s, u"Installs apps, one after another."_s, { u"--no-setup"_s }, 1,
            -1 },
        { Command::Uninstall, u"uninstall"_s, u"<id>… [--keep-data] [--dry-run]"_s,
            u"Removes apps and the files they leave behind, to the Trash."_s,
            { u"--keep-data"_s, u"--dry-run"_s, u"--json"_s }, 1, -1 },
        { Command::Update, u"update"_s, u"[<id>…|--all]"_s,
            u"Updates the apps named, or every app with an update (those that update themselves are left alone)."_s,
            { u"--all"_s, u"--no-setup"_s }, 0, -1 },
        { Command::Outdated, u"outdated"_s, {}, u"The installed apps that have a newer version."_s, { u"--json"_s }, 0,
            0 },
        { Command::Export, u"export"_s, u"[file]"_s,
            u"Writes the installed apps as a Brewfile, to the file or to standard output."_s, {}, 0, 1 },
        { Command::Import, u"import"_s, u"<file> [--yes]"_s,
            u"Installs the apps a Brewfile or a list of ids names, once you have confirmed the set."_s,
            { u"--yes"_s, u"--no-setup"_s }, 1, 1 },
        { Command::History, u"history"_s, u"[<number>|<id>] [--limit <n>]"_s,
            u"What Orvando did, newest first: every operation, one app's (by its id), or one operation in full "
            "(by its number)."_s,
            { u"--json"_s, u"--limit"_s }, 0, 1 },
        { Command::Revert, u"revert"_s, u"<id>"_s,
            u"Puts back the version of a downloaded app that its last update replaced."_s, {}, 1, 1 },
    };
    return table;
}

const CommandSyntax *findCommand(const QString &name)
{
    const auto it = std::find_if(
        commands().cbegin(), commands().cend(), [&name](const CommandSyntax &syntax) { return syntax.name == name; });
    return it == commands().cend() ? nullptr : &*it;
}

const CommandSyntax &specOf(Command command)
{
    return *std::find_if(commands().cbegin(), commands().cend(),
        [command](const CommandSyntax &syntax) { return syntax.command == command; });
}

const Option *findOption(const QString &text)
{
    const auto it = std::find_if(allOptions().cbegin(), allOptions().cend(), [&text](const Option &option) {
        return option.name == text || (!option.letter.isEmpty() && option.letter == text);
    });
    return it == allOptions().cend() ? nullptr : &*it;
}

// Where the command is: the first word that is neither an option nor an option's value ("list" in
// "--category list" is a category). Nothing after "--" is a command. -1 when there is none.
qsizetype commandIndex(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--"_s)
            return -1;
        if (!argument.startsWith(u'-'))
            return i;
        const Option *option = findOption(argument);
        if (option && !option->value.isEmpty())
            ++i;
    }
    return -1;
}

CliArguments::Parsed usage(const QString &sentence)
{
    return { CliArguments::Parsed::Kind::Usage, {}, sentence };
}

// What is wrong with the count of arguments, or nothing.
std::optional<QString> countProblem(const CommandSyntax &syntax, const CliRequest &request, qsizetype count)
{
    if (syntax.command == Command::Update && request.all && count > 0)
        return u"Name the apps to update, or use --all, not both."_s;
    if (count < syntax.minimum && syntax.maximum == 1) {
        const QString what = syntax.command == Command::Import ? u"file"_s : u"app id"_s;
        return u"The "_s + syntax.name + u" command needs one "_s + what + u'.';
    }
    if (count < syntax.minimum)
        return u"Name at least one app to "_s + syntax.name + u'.';
    if (syntax.maximum == 0 && count > 0)
        return u"The "_s + syntax.name + u" command takes no app or file names."_s;
    if (syntax.maximum > 0 && count > syntax.maximum)
        return u"The "_s + syntax.name + u" command takes one name only."_s;
    return std::nullopt;
}

void set(CliRequest &request, const QString &option, const QString &value)
{
    if (option == u"--all"_s)
        request.all = true;
    else if (option == u"--category"_s)
        request.category = value;
    else if (option == u"--search"_s)
        request.search = value;
    else if (option == u"--json"_s)
        request.json = true;
    else if (option == u"--yes"_s)
        request.yes = true;
    else if (option == u"--keep-data"_s)
        request.keepData = true;
    else if (option == u"--dry-run"_s)
        request.dryRun = true;
    else if (option == u"--no-setup"_s)
        request.noSetup = true;
    else if (option == u"--quiet"_s)
        request.quiet = true;
    else if (option == u"--verbose"_s)
        request.verbose = true;
    else if (option == u"--limit"_s)
        request.limit = value.toInt();
}

} // namespace

CliArguments::Parsed CliArguments::parse(const QStringList &arguments, const QString &program)
{
    const qsizetype end = arguments.indexOf(u"--"_s);
    const QStringList flags = end < 0 ? arguments : arguments.mid(0, end);
    if (flags.contains(u"--version"_s))
        return { Parsed::Kind::Version, {}, {} };
    const bool helpWanted = flags.contains(u"--help"_s) || flags.contains(u"-h"_s);
    const qsizetype at = commandIndex(arguments);
    if (at < 0)
        return helpWanted ? Parsed { Parsed::Kind::Help, {}, help(program) }
                          : usage(u"Name a command. “"_s + program + u" --help” lists them."_s);
    const QString &word = arguments.at(at);
    QStringList names;
    for (const CommandSyntax &syntax : commands())
        names.append(syntax.name);
    if (word == u"help"_s) {
        const CommandSyntax *topic = findCommand(arguments.value(at + 1));
        return { Parsed::Kind::Help, {}, topic ? help(program, topic->command) : help(program) };
    }
    const CommandSyntax *syntax = findCommand(word);
    if (!syntax)
        return usage(CliLookup::unknown(
            u"command"_s, word, CliLookup::closest(word, names), u"“"_s + program + u" --help” lists the commands."_s));
    if (helpWanted)
        return { Parsed::Kind::Help, {}, help(program, syntax->command) };

    CliRequest request;
    request.command = syntax->command;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (i == at)
            continue;
        if (argument == u"--"_s) {
            positional += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(u'-') || argument == u"-"_s) {
            positional.append(argument);
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const Option *option = findOption(name);
        const QStringList allowed = syntax->options + QStringList { u"--quiet"_s, u"--verbose"_s };
        if (!option || !allowed.contains(option->name)) {
            const std::optional<QString> meant = CliLookup::closest(name, allowed);
            return usage(u"Unknown option “"_s + name + u"” for "_s + syntax->name + u'.'
                + (meant ? u" Did you mean “"_s + *meant + u"”?"_s
                         : u" “"_s + program + u' ' + syntax->name + u" --help” lists its options."_s));
        }
        QString value;
        if (!option->value.isEmpty()) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments.at(++i);
            else
                return usage(option->name + u" needs a value: "_s + option->value + u'.');
            if (option->name == u"--limit"_s && value.toInt() <= 0)
                return usage(u"--limit needs a whole number above 0."_s);
        } else if (equals >= 0) {
            return usage(option->name + u" takes no value."_s);
        }
        set(request, option->name, value);
    }
    if (const std::optional<QString> problem = countProblem(*syntax, request, positional.size()))
        return usage(*problem);
    if (syntax->command == Command::Import || syntax->command == Command::Export)
        request.file = positional.value(0);
    else
        request.names = positional;
    // Named apps or nothing at all: "update" alone means every app with an update.
    if (syntax->command == Command::Update && positional.isEmpty())
        request.all = true;
    return { Parsed::Kind::Run, request, {} };
}

QString CliArguments::help(const QString &program, std::optional<Command> command)
{
    const auto optionLines = [](const QStringList &names) {
        QString text;
        for (const Option &option : allOptions()) {
            if (!names.contains(option.name))
                continue;
            QString left = option.name + (option.value.isEmpty() ? QString() : u' ' + option.value);
            if (!option.letter.isEmpty())
                left += u", "_s + option.letter;
            text += u"  "_s + left.leftJustified(20) + u' ' + option.help + u'\n';
        }
        return text;
    };
    if (command) {
        const CommandSyntax &syntax = specOf(*command);
        return u"Usage: "_s + program + u' ' + syntax.name
            + (syntax.arguments.isEmpty() ? QString() : u' ' + syntax.arguments) + u"\n\n"_s + syntax.summary
            + u"\n\nOptions:\n"_s
            + optionLines(syntax.options + QStringList { u"--quiet"_s, u"--verbose"_s, u"--help"_s });
    }
    QString text = u"Usage: "_s + program
        + u" <command> [options]\n\nThe hand-picked catalog of free Mac apps, from a terminal or a script.\n\n"
          u"Commands:\n"_s;
    for (const CommandSyntax &syntax : commands())
        text += u"  "_s + syntax.name + u' ' + syntax.arguments + u"\n      "_s + syntax.summary + u'\n';
    QStringList names;
    for (const Option &option : allOptions())
        names.append(option.name);
    return text + u"\nOptions:\n"_s + optionLines(names) + u"  --version            the program's version\n\n"_s
        + u"Exit status: 0 done, 1 an operation failed, 2 bad usage, 3 Homebrew is needed and was not set up, "
          u"130 interrupted.\n"_s;
}
