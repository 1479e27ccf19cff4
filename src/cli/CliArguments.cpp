#include "cli/CliArguments.h"

#include "cli/CliLookup.h"
#include "cli/CliText.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using Command = CliRequest::Command;

namespace {

struct Option
{
    QString name;
    QString letter; // "-q"; empty when there is none
    QString value; // the placeholder of an option that takes one; empty for a switch
    const char *help; // translated where shown
};

struct CommandSyntax
{
    Command command;
    QString name;
    QString arguments; // as the usage line shows them
    const char *summary; // translated where shown
    QStringList options; // besides --quiet, --verbose and --help
    int minimum; // arguments that are not options
    int maximum; // -1: no limit
};

const QList<Option> &allOptions()
{
    static const QList<Option> options {
        { u"--all"_s, {}, {},
            QT_TRANSLATE_NOOP(
                "Cli", "list: every app, not only the hand-picked ones; update: every app with an update") },
        { u"--category"_s, {}, u"<c>"_s,
            QT_TRANSLATE_NOOP(
                "Cli", "only the apps of one category: window, clipboard, media, menubar, security, files") },
        { u"--search"_s, {}, u"<text>"_s,
            QT_TRANSLATE_NOOP("Cli", "apps whose name, description, category or replaced app holds the text") },
        { u"--json"_s, {}, {}, QT_TRANSLATE_NOOP("Cli", "print JSON (documented in the README) instead of text") },
        { u"--yes"_s, u"-y"_s, {}, QT_TRANSLATE_NOOP("Cli", "install without asking for confirmation") },
        { u"--limit"_s, {}, u"<n>"_s,
            QT_TRANSLATE_NOOP("Cli", "history: list at most n operations (20 unless given)") },
        { u"--no-setup"_s, {}, {},
            QT_TRANSLATE_NOOP("Cli", "never set up Homebrew; exit with 3 when an app needs it") },
        { u"--keep-data"_s, {}, {},
            QT_TRANSLATE_NOOP("Cli", "uninstall: remove the app only; its settings and data stay") },
        { u"--dry-run"_s, {}, {},
            QT_TRANSLATE_NOOP("Cli", "uninstall: list what would go, with sizes; nothing is changed") },
        { u"--quiet"_s, u"-q"_s, {}, QT_TRANSLATE_NOOP("Cli", "no progress and no success messages; errors only") },
        { u"--verbose"_s, u"-v"_s, {}, QT_TRANSLATE_NOOP("Cli", "also print brew's own lines") },
        { u"--help"_s, u"-h"_s, {}, QT_TRANSLATE_NOOP("Cli", "this help") },
    };
    return options;
}

const QList<CommandSyntax> &commands()
{
    static const QList<CommandSyntax> table {
        { Command::List, u"list"_s, u"[--all] [--category <c>] [--search <text>]"_s,
            QT_TRANSLATE_NOOP("Cli", "The hand-picked apps (every app with --all), with their state."),
            { u"--all"_s, u"--category"_s, u"--search"_s, u"--json"_s }, 0, 0 },
        { Command::Info, u"info"_s, u"<id>"_s,
            QT_TRANSLATE_NOOP(
                "Cli", "Everything about one app: what it is, its state, and what you are about to trust."),
            { u"--json"_s }, 1, 1 },
        { Command::Install, u"install"_s, u"<id>…"_s, QT_TRANSLATE_NOOP("Cli", "Installs apps, one after another."),
            { u"--no-setup"_s }, 1, -1 },
        { Command::Uninstall, u"uninstall"_s, u"<id>… [--keep-data] [--dry-run]"_s,
            QT_TRANSLATE_NOOP("Cli", "Removes apps and the files they leave behind, to the Trash."),
            { u"--keep-data"_s, u"--dry-run"_s, u"--json"_s }, 1, -1 },
        { Command::Update, u"update"_s, u"[<id>…|--all]"_s,
            QT_TRANSLATE_NOOP("Cli",
                "Updates the apps named, or every app with an update (those that update themselves are left alone)."),
            { u"--all"_s, u"--no-setup"_s }, 0, -1 },
        { Command::Outdated, u"outdated"_s, {},
            QT_TRANSLATE_NOOP("Cli", "The installed apps that have a newer version."), { u"--json"_s }, 0, 0 },
        { Command::Export, u"export"_s, u"[file]"_s,
            QT_TRANSLATE_NOOP("Cli", "Writes the installed apps as a Brewfile, to the file or to standard output."), {},
            0, 1 },
        { Command::Import, u"import"_s, u"<file> [--yes]"_s,
            QT_TRANSLATE_NOOP(
                "Cli", "Installs the apps a Brewfile or a list of ids names, once you have confirmed the set."),
            { u"--yes"_s, u"--no-setup"_s }, 1, 1 },
        { Command::History, u"history"_s, u"[<number>|<id>] [--limit <n>]"_s,
            QT_TRANSLATE_NOOP("Cli",
                "What Orvando did, newest first: every operation, one app's (by its id), or one "
                "operation in full (by its number)."),
            { u"--json"_s, u"--limit"_s }, 0, 1 },
        { Command::Revert, u"revert"_s, u"<id>"_s,
            QT_TRANSLATE_NOOP("Cli", "Puts back the version of a downloaded app that its last update replaced."), {}, 1,
            1 },
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
        return Cli::tr("Name the apps to update, or use --all, not both.");
    //: %1 is a command's name, such as info
    if (count < syntax.minimum && syntax.maximum == 1)
        return syntax.command == Command::Import ? Cli::tr("The %1 command needs one file.").arg(syntax.name)
                                                 : Cli::tr("The %1 command needs one app id.").arg(syntax.name);
    if (count < syntax.minimum)
        return Cli::tr("Name at least one app to %1.").arg(syntax.name);
    if (syntax.maximum == 0 && count > 0)
        return Cli::tr("The %1 command takes no app or file names.").arg(syntax.name);
    if (syntax.maximum > 0 && count > syntax.maximum)
        return Cli::tr("The %1 command takes one name only.").arg(syntax.name);
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
                          : usage(Cli::tr("Name a command. “%1 --help” lists them.").arg(program));
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
        return usage(CliLookup::unknown(Cli::tr("Unknown command “%1”.").arg(word), CliLookup::closest(word, names),
            Cli::tr("“%1 --help” lists the commands.").arg(program)));
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
            //: %1 is the option typed, %2 the command's name
            const QString first = Cli::tr("Unknown option “%1” for %2.").arg(name, syntax->name);
            return usage(meant
                    ? first + u' ' + Cli::tr("Did you mean “%1”?").arg(*meant)
                    : first + u' ' + Cli::tr("“%1 %2 --help” lists its options.").arg(program, syntax->name));
        }
        QString value;
        if (!option->value.isEmpty()) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments.at(++i);
            else
                //: %1 is the option, %2 what it takes, such as <n>
                return usage(Cli::tr("%1 needs a value: %2.").arg(option->name, option->value));
            if (option->name == u"--limit"_s && value.toInt() <= 0)
                return usage(Cli::tr("--limit needs a whole number above 0."));
        } else if (equals >= 0) {
            return usage(Cli::tr("%1 takes no value.").arg(option->name));
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
            text += u"  "_s + left.leftJustified(20) + u' ' + Cli::tr(option.help) + u'\n';
        }
        return text;
    };
    if (command) {
        const CommandSyntax &syntax = specOf(*command);
        //: %1 is the command line as typed, such as "orvando-cli info <id>"
        return Cli::tr("Usage: %1")
                   .arg(program + u' ' + syntax.name
                       + (syntax.arguments.isEmpty() ? QString() : u' ' + syntax.arguments))
            + u"\n\n"_s + Cli::tr(syntax.summary) + u"\n\n"_s + Cli::tr("Options:") + u'\n'
            + optionLines(syntax.options + QStringList { u"--quiet"_s, u"--verbose"_s, u"--help"_s });
    }
    QString text = Cli::tr("Usage: %1").arg(program + u" <command> [options]"_s) + u"\n\n"_s
        + Cli::tr("The hand-picked catalog of free Mac apps, from a terminal or a script.") + u"\n\n"_s
        + Cli::tr("Commands:") + u'\n';
    for (const CommandSyntax &syntax : commands())
        text += u"  "_s + syntax.name + u' ' + syntax.arguments + u"\n      "_s + Cli::tr(syntax.summary) + u'\n';
    QStringList names;
    for (const Option &option : allOptions())
        names.append(option.name);
    return text + u'\n' + Cli::tr("Options:") + u'\n' + optionLines(names) + u"  "_s + u"--version"_s.leftJustified(20)
        + u' ' + Cli::tr("the program's version") + u"\n\n"_s
        + Cli::tr("Exit status: 0 done, 1 an operation failed, 2 bad usage, 3 Homebrew is needed and was not set "
                  "up, 130 interrupted.")
        + u'\n';
}
