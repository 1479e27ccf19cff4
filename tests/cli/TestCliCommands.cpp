#include "cli/CliArguments.h"
#include "cli/CliLookup.h"
#include "cli/EnvironmentFile.h"

#include "catalog/Catalog.h"
#include "catalog/SignedCatalog.h"
#include "engine/OperationCoordinator.h"
#include "engine/facts/GatekeeperVerdict.h"
#include "platform/RunningApplications.h"
#include "platform/UserDefaults.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Kind = CliArguments::Parsed::Kind;
using Command = CliRequest::Command;

namespace {

CliRequest request(Command command, QStringList names = {})
{
    CliRequest made;
    made.command = command;
    made.names = std::move(names);
    return made;
}

const QString fixtures = QStringLiteral(ORVANDO_SOURCE_DIR "/tests/cli/fixtures/");

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// A sandbox Mac with the fake brew (unless withBrew is false) and its casks' real bundle ids, and
// the environment file that points the command line at it.
struct CliSandbox : Sandbox
{
    explicit CliSandbox(bool withBrew = true)
    {
        if (withBrew) {
            installFakeBrew();
            for (const CatalogApp &app : Catalog::builtIn())
                registerCask(app.install.caskToken(), app.name, app.bundleID.value_or(QString()));
        }
        Environment env = environment();
        env.cacheDir = root() + u"/cache"_s;
        env.logDir = root() + u"/logs"_s;
        env.dataDir = root() + u"/data"_s;
        EnvironmentFile::write(envFile(), env);
    }
    QString envFile() const { return root() + u"/environment.json"_s; }
    QString lockFolder() const { return root() + u"/cache/locks"_s; }

    void preinstall(const QStringList &tokens) const
    {
        for (const QString &token : tokens) {
            QProcess brew;
            brew.start(brewPath(), { u"install"_s, u"--cask"_s, token });
            brew.waitForFinished();
        }
        QFile::remove(brewPrefix() + u"/fake-brew-calls.log"_s);
    }

    void prepare(QProcess &process, const QStringList &arguments, const QStringList &variables = {}) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(EnvironmentFile::variable), envFile());
        env.insert(u"FAKE_BREW_INFO_JSON"_s, fixtures + u"brew-info.json"_s);
        env.insert(u"FAKE_BREW_OUTDATED_JSON"_s, fixtures + u"brew-outdated.json"_s);
        for (const QString &variable : variables)
            env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        process.setProcessEnvironment(env);
        process.setProgram(QStringLiteral(ORVANDO_CLI_PATH));
        process.setArguments(arguments);
    }

    Run run(const QStringList &arguments, const QStringList &variables = {}) const
    {
        QProcess process;
        prepare(process, arguments, variables);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start();
        if (!process.waitForFinished(60000))
            return {};
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()) };
    }

    QStringList installedBundles() const
    {
        return QDir(userApplications()).entryList({ u"*.app"_s }, QDir::Dirs, QDir::Name);
    }
};

// The part of JSON Schema the published schema uses: type, enum, required, properties, items.
QString violation(const QJsonValue &value, const QJsonObject &schema, const QString &path)
{
    static const QHash<QString, QJsonValue::Type> types { { u"object"_s, QJsonValue::Object },
        { u"array"_s, QJsonValue::Array }, { u"string"_s, QJsonValue::String }, { u"boolean"_s, QJsonValue::Bool },
        { u"null"_s, QJsonValue::Null }, { u"integer"_s, QJsonValue::Double } };
    if (schema.contains(u"type"_s)) {
        const QJsonValue type = schema.value(u"type"_s);
        const QJsonArray allowed = type.isArray() ? type.toArray() : QJsonArray { type };
        const bool integral = !value.isDouble() || value.toDouble() == double(value.toInteger());
        if (!allowed.contains(QJsonValue::fromVariant(types.key(value.type()))) || !integral)
            return path + u" has the wrong type"_s;
    }
    if (schema.contains(u"enum"_s) && !schema.value(u"enum"_s).toArray().contains(value))
        return path + u" is not one of its values"_s;
    const QJsonObject object = value.toObject(); // empty for any other value
    for (const QJsonValue &key : schema.value(u"required"_s).toArray()) {
        if (value.isObject() && !object.contains(key.toString()))
            return path + u"."_s + key.toString() + u" is missing"_s;
    }
    QString problem;
    const QJsonObject properties = schema.value(u"properties"_s).toObject();
    for (auto it = properties.constBegin(); problem.isEmpty() && it != properties.constEnd(); ++it) {
        if (object.contains(it.key()))
            problem = violation(object.value(it.key()), it->toObject(), path + u'.' + it.key());
    }
    const QJsonArray items = value.toArray();
    for (qsizetype i = 0; problem.isEmpty() && i < items.size(); ++i)
        problem = violation(items.at(i), schema.value(u"items"_s).toObject(), path + u'.' + QString::number(i));
    return problem;
}

// "app.update.availableVersion", "apps.0.id".
QJsonValue valueAt(QJsonValue value, const QString &path)
{
    for (const QString &part : path.split(u'.')) {
        bool index = false;
        const int at = part.toInt(&index);
        value = index ? value.toArray().at(at) : value.toObject().value(part);
    }
    return value;
}

} // namespace

// The command line's arguments and names as a user types them: what runs, and what is refused with
// which sentence. Then the built orvando-cli, run as a process against a sandbox Mac and the fake
// brew: what each command prints and the status it exits with, the JSON against its published
// schema, Ctrl-C during an install, another process's lock, the terminal's progress and question,
// and the end-to-end script CI runs on a real Mac, here with a refreshed catalog kept earlier.
class TestCliCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What runs, with the request it makes, and what is refused, with its sentence or the help's first line.
    void readsRequestsAndRefusesBadUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<CliRequest>("expected"); // of a run
        const auto runs = [](const char *name, const QStringList &arguments, const CliRequest &expected) {
            QTest::newRow(name) << arguments << Kind::Run << QString() << expected;
        };
        const auto refused = [](const char *name, const QStringList &arguments, Kind kind, const QString &text) {
            QTest::newRow(name) << arguments << kind << text << CliRequest();
        };

        CliRequest list = request(Command::List);
        list.all = true;
        list.category = u"media"_s;
        list.search = u"video player"_s;
        list.json = true;
        runs("list, options in any order and form",
            { u"--json"_s, u"list"_s, u"--category=media"_s, u"--all"_s, u"--search"_s, u"video player"_s }, list);
        CliRequest install = request(Command::Install, { u"maccy"_s, u"-rectangle"_s });
        install.noSetup = true;
        install.quiet = true;
        runs("install, -- ends the options",
            { u"install"_s, u"-q"_s, u"--no-setup"_s, u"maccy"_s, u"--"_s, u"-rectangle"_s }, install);
        CliRequest updateAll = request(Command::Update);
        updateAll.all = true;
        runs("update alone updates all", { u"update"_s }, updateAll);
        CliRequest media = request(Command::List);
        media.category = u"media"_s;
        runs("an option's value before the command", { u"--category"_s, u"media"_s, u"list"_s }, media);
        runs("update named apps", { u"update"_s, u"ice"_s }, request(Command::Update, { u"ice"_s }));
        CliRequest import = request(Command::Import);
        import.file = u"Brewfile"_s;
        import.yes = true;
        runs("import", { u"import"_s, u"Brewfile"_s, u"-y"_s }, import);
        runs("export to standard output", { u"export"_s }, request(Command::Export));
        CliRequest history = request(Command::History, { u"12"_s });
        history.limit = 5;
        history.json = true;
        runs("history of one operation", { u"history"_s, u"12"_s, u"--limit=5"_s, u"--json"_s }, history);

        const QString noCommand = u"Name a command. “orvando-cli --help” lists them."_s;
        refused("no command", {}, Kind::Usage, noCommand);
        // An option's value, and a word after "--", is no command.
        refused("only an option's value", { u"--category"_s, u"list"_s }, Kind::Usage, noCommand);
        refused("only after --", { u"--"_s, u"export"_s }, Kind::Usage, noCommand);
        refused("a near miss", { u"instal"_s, u"maccy"_s }, Kind::Usage,
            u"Unknown command “instal”. Did you mean “install”?"_s);
        refused("nothing near", { u"frobnicate"_s }, Kind::Usage,
            u"Unknown command “frobnicate”. “orvando-cli --help” lists the commands."_s);
        refused("another command's option", { u"install"_s, u"--json"_s, u"maccy"_s }, Kind::Usage,
            u"Unknown option “--json” for install. “orvando-cli install --help” lists its options."_s);
        refused("a mistyped option", { u"list"_s, u"--jsn"_s }, Kind::Usage,
            u"Unknown option “--jsn” for list. Did you mean “--json”?"_s);
        refused("a value missing", { u"list"_s, u"--category"_s }, Kind::Usage, u"--category needs a value: <c>."_s);
        refused("info of two apps", { u"info"_s, u"ice"_s, u"loop"_s }, Kind::Usage,
            u"The info command takes one name only."_s);
        refused("install of nothing", { u"install"_s, u"-v"_s }, Kind::Usage, u"Name at least one app to install."_s);
        refused("update of both", { u"update"_s, u"ice"_s, u"--all"_s }, Kind::Usage,
            u"Name the apps to update, or use --all, not both."_s);
        refused("help of a command", { u"install"_s, u"maccy"_s, u"--help"_s }, Kind::Help,
            u"Usage: orvando-cli install <id>…"_s);
        refused("help command", { u"help"_s, u"import"_s }, Kind::Help, u"Usage: orvando-cli import <file> [--yes]"_s);
        refused("history with no limit", { u"history"_s, u"--limit"_s, u"0"_s }, Kind::Usage,
            u"--limit needs a whole number above 0."_s);
        refused("version wins", { u"list"_s, u"--version"_s }, Kind::Version, QString());
    }

    void readsRequestsAndRefusesBadUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QFETCH(CliRequest, expected);
        const CliArguments::Parsed parsed = CliArguments::parse(arguments, u"orvando-cli"_s);
        QCOMPARE(parsed.kind, kind);
        QCOMPARE(kind == Kind::Run ? parsed.text : parsed.text.section(u'\n', 0, 0), text);
        QVERIFY(kind != Kind::Run || parsed.request == expected);
    }

    void findsApps_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("id, name and cask token, in any case, once each")
            << QStringList { u"VLC"_s, u"Hidden Bar"_s, u"alttab"_s, u"jordanbaird-ice"_s, u"handbrake-app"_s,
                   u"vlc"_s }
            << QStringList { u"vlc"_s, u"hiddenbar"_s, u"alt-tab"_s, u"ice"_s, u"handbrake"_s } << QStringList {};
        QTest::newRow("a typo, a swap, a wrong character, a prefix")
            << QStringList { u"maccyy"_s, u"rectnagle"_s, u"alt_tab"_s, u"raspberry"_s } << QStringList {}
            << QStringList { u"Unknown app “maccyy”. Did you mean “maccy”?"_s,
                   u"Unknown app “rectnagle”. Did you mean “rectangle”?"_s,
                   u"Unknown app “alt_tab”. Did you mean “alt-tab”?"_s,
                   u"Unknown app “raspberry”. Did you mean “raspberry-pi-imager”?"_s };
        QTest::newRow("nothing close") << QStringList { u"photoshop"_s, u"pi"_s } << QStringList {}
                                       << QStringList {
                                              u"Unknown app “photoshop”. The list --all command shows every app."_s,
                                              u"Unknown app “pi”. The list --all command shows every app."_s
                                          };
    }

    void findsApps()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, problems);
        const CliLookup::Apps found = CliLookup::apps(names, Catalog::builtIn());
        QCOMPARE(EngineTestKit::idsOf(found.apps), ids);
        QCOMPARE(found.problems, problems);
    }

    // A terminal's language decides the sentences; a JSON answer is the same in every language.
    void followsTheTerminalsLanguage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<bool>("english");
        const auto row = [](const char *name, const char *command, const QStringList &variables, bool english) {
            QTest::newRow(name) << QString::fromLatin1(command) << variables << english;
        };
        row("C", "--help", { u"LANG=C"_s }, true);
        row("POSIX", "info shottr", { u"LANG=POSIX"_s }, true);
        row("nothing set", "--help", {}, true);
        row("LC_ALL over LANG", "--help", { u"LC_ALL=C.UTF-8"_s, u"LANG=de_DE.UTF-8"_s }, true);
        row("a language not shipped", "--help", { u"LANG=it_IT.UTF-8"_s }, true);
        row("German", "--help", { u"LANG=de_DE.UTF-8"_s }, false);
        row("Japanese, from LC_MESSAGES", "info shottr", { u"LC_MESSAGES=ja_JP.UTF-8"_s }, false);
        row("list as JSON", "list --json", { u"LANG=de_DE.UTF-8"_s }, true);
        row("info as JSON", "info shottr --json", { u"LANG=fr_FR.UTF-8"_s }, true);
        row("outdated as JSON", "outdated --json", { u"LANG=zh_CN.UTF-8"_s }, true);
        row("a dry run as JSON", "uninstall maccy --dry-run --json", { u"LANG=ja_JP.UTF-8"_s }, true);
    }
    void followsTheTerminalsLanguage()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, variables);
        QFETCH(bool, english);
        const CliSandbox sandbox;
        sandbox.preinstall({ u"maccy"_s, u"shottr"_s });
        const QStringList unset { u"LC_ALL="_s, u"LC_MESSAGES="_s, u"LANG="_s };
        const Run source = sandbox.run(QProcess::splitCommand(command), unset);
        const Run shown = sandbox.run(QProcess::splitCommand(command), unset + variables);
        QCOMPARE(shown.exitCode, source.exitCode);
        QVERIFY(!source.out.isEmpty());
        if (english)
            QCOMPARE(shown.out, source.out);
        else
            QVERIFY2(shown.out != source.out, qPrintable(shown.out));
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("withBrew");
        QTest::addColumn<QStringList>("installed"); // casks installed beforehand
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out"); // patterns standard output must match
        QTest::addColumn<QStringList>("err");
        QTest::addColumn<QStringList>("after"); // the bundles in the user's Applications afterwards
        QTest::addColumn<QStringList>("json"); // the output's shape in the published schema, a path in it, its value
        // The command line as a shell would split it.
        const auto row = [](const char *name, const QString &command, const QStringList &installed, int exitCode,
                             const QStringList &out, const QStringList &err, const QStringList &after,
                             const QStringList &variables = {}, bool withBrew = true, const QStringList &json = {}) {
            QTest::newRow(name) << QProcess::splitCommand(command) << withBrew << installed << variables << exitCode
                                << out << err << after << json;
        };
        const QStringList none, maccyShottr { u"maccy"_s, u"shottr"_s }, both { u"Maccy.app"_s, u"Shottr.app"_s };
        const QStringList nothing { u"\\A\\z"_s };
        row("list", u"list"_s, maccyShottr, 0,
            { u"^ID +NAME +CATEGORY +STATE$"_s, u"^maccy +Maccy +Clipboard & text +installed$"_s,
                u"^shottr +Shottr +Media +update available$"_s, u"^ice +Ice +Menu bar +not installed$"_s,
                u"^tomatobar +TomatoBar +Menu bar +unavailable$"_s, u"\\A(?![\\s\\S]*keepassxc)"_s },
            none, both);
        row("list a category of all", u"list --all --category \"Privacy & security\""_s, none, 0,
            { u"\\AID.*\\nkeepassxc +KeePassXC .*\\nbitwarden +Bitwarden .*\\n\\z"_s }, none, none);
        row("list an unknown category", u"list --category medai"_s, none, 2, nothing,
            { u"^Unknown category “medai”. Did you mean “media”\\?$"_s }, none);
        row("info of a disabled cask", u"info tomatobar"_s, none, 0,
            { u"^State +unavailable$"_s,
                u"^ +Homebrew no longer offers TomatoBar: it does not pass Apple’s Gatekeeper check, since 1 September "
                u"2026\\.$"_s,
                u"^  Version +3\\.6\\.1 \\(from Homebrew\\)$"_s, u"^  Checksum +Checksum verified by Homebrew$"_s },
            none, none);
        // Gatekeeper's verdict in the detail sheet's words.
        row("info of an installed app with an update", u"info Shottr"_s, maccyShottr, 0,
            { u"^Update +Update to 2\\.1\\.0 \\(installed 0\\.9\\.1\\)$"_s,
                u"^Installed at +.*/home/Applications/Shottr\\.app$"_s,
                u"^Gatekeeper +"_s + QRegularExpression::escape(GatekeeperVerdict::text({})) + u'$',
                u"^  Checksum +Not verified: this app's download changes with every release$"_s,
                u"^The free version is all you need\\. Pro extras are optional\\.$"_s,
                u"^Permission required: Shottr needs Screen Recording permission"_s },
            none, both);
        row("outdated", u"outdated"_s, maccyShottr, 0,
            { u"^maccy +Maccy +2\\.2\\.0 +2\\.3\\.0 +Updates itself$"_s, u"^shottr +Shottr +0\\.9\\.1 +2\\.1\\.0$"_s },
            none, both);
        // Not "up to date" when brew's answer cannot be read: both fail with one sentence, after what is known.
        for (const QString &command : { u"outdated"_s, u"update --all"_s })
            for (const QString &answer : { u"/nonexistent"_s, fixtures + u"outdated-error-page.html"_s })
                row(qPrintable(command + u", brew answers "_s + answer.section(u'/', -1)), command, maccyShottr, 1,
                    { u"\\A(?![\\s\\S]*up to date)"_s }, { u"^Not every app could be checked for updates: "_s }, both,
                    { u"FAKE_BREW_OUTDATED_JSON="_s + answer });
        row("install", u"install maccy"_s, none, 0, { u"\\AInstalled Maccy\\.\\n\\z"_s }, nothing, { u"Maccy.app"_s });
        row("install fails", u"install maccy rectangle"_s, none, 1, { u"\\AInstalled Rectangle\\.\\n\\z"_s },
            { u"Maccy"_s }, { u"Rectangle.app"_s }, { u"FAKE_BREW_FAIL_TOKENS=maccy"_s });
        row("install of a disabled cask", u"install tomatobar"_s, none, 1, nothing,
            { u"^Homebrew no longer offers TomatoBar: "_s }, none);
        row("install without Homebrew, --no-setup", u"install --no-setup maccy"_s, none, 3, none,
            { u"^Maccy installs through Homebrew, which isn't set up on this Mac yet\\.$"_s,
                u"^Homebrew was not set up, as --no-setup asks\\.$"_s },
            none, none, false);
        row("install without Homebrew, no terminal", u"install maccy"_s, none, 3, none,
            { u"^Run this in a terminal to set Homebrew up"_s }, none, none, false);
        row("uninstall", u"uninstall maccy"_s, maccyShottr, 0, { u"\\ARemoved Maccy\\.\\n\\z"_s }, none,
            { u"Shottr.app"_s });
        row("uninstall with a typo does nothing", u"uninstall maccy shotr"_s, maccyShottr, 2, none,
            { u"^Unknown app “shotr”. Did you mean “shottr”\\?$"_s }, both);
        row("update all leaves self-updating apps alone", u"update --all"_s, maccyShottr, 0,
            { u"\\AUpdated Shottr to 2\\.1\\.0\\.\\n\\z"_s }, none, both);
        row("update of an app not installed", u"update rectangle"_s, none, 1, nothing,
            { u"^Rectangle is not installed\\.$"_s }, none);
        row("export", u"export"_s, maccyShottr, 0, { u"\\Acask \"maccy\"\\ncask \"shottr\"\\n\\z"_s }, none, both);
        row("import unconfirmed", u"import SET"_s, none, 2, { u"^  Maccy \\(maccy\\)$"_s },
            { u"^Not in the catalog, left out: photoshop, \\\\x1B\\]0;owned\\\\x07\\.$"_s,
                u"^Left to Homebrew: brew \"wget\"\\.$"_s, u"^Nothing was installed: confirm with --yes"_s },
            none);
        row("import confirmed", u"import SET --yes"_s, none, 0, { u"^Installed Maccy\\.$"_s }, none,
            { u"Maccy.app"_s });
        row("revert with nothing kept", u"revert parabolic"_s, none, 1, nothing,
            { u"^The earlier version of Parabolic is no longer kept, so it can't be put back\\.$"_s }, none);
        row("unknown command", u"instal maccy"_s, none, 2, none, { u"Did you mean “install”\\?$"_s }, none);
        row("uninstall, dry run", u"uninstall maccy --dry-run"_s, maccyShottr, 0,
            { u"\\AMaccy:\\n  ~/Applications/Maccy\\.app  [\\d.]+ (bytes|KiB)\\n\\z"_s }, nothing, both);
        row("uninstall, dry run as JSON", u"uninstall maccy shottr --dry-run --json"_s, maccyShottr, 0, none, nothing,
            both, {}, true, { u"uninstall"_s, u"apps.1.items.0.kind"_s, u"app"_s });
        row("uninstall as JSON", u"uninstall maccy --json"_s, maccyShottr, 0, none, nothing, { u"Shottr.app"_s }, {},
            true, { u"uninstall"_s, u"apps.0.id"_s, u"maccy"_s });
        for (const auto &[command, json] : { std::pair(u"list --all"_s, u"list apps.13.state update available"_s),
                 std::pair(u"info shottr"_s, u"info app.update.availableVersion 2.1.0"_s),
                 std::pair(u"info parabolic"_s, u"info app.source.githubRepo NickvisionApps/Parabolic"_s),
                 std::pair(u"outdated"_s, u"outdated updates.1.id shottr"_s) })
            row(qPrintable(command + u" as JSON"_s), command + u" --json"_s, maccyShottr, 0, none, none, both, {}, true,
                json.split(u' ').mid(0, 2) << json.section(u' ', 2));
        row("version", u"--version"_s, none, 0, { u"\\Aorvando-cli \\d+\\.\\d+\\.\\d+"_s }, none, none);
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, withBrew);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, variables);
        QFETCH(QStringList, out);
        QFETCH(QStringList, err);
        QFETCH(QStringList, after);
        QFETCH(QStringList, json);
        const CliSandbox sandbox(withBrew);
        sandbox.preinstall(installed);
        const QString set = sandbox.root() + u"/Brewfile"_s;
        // A name that would retitle the terminal, were it printed as it is.
        QVERIFY(
            Sandbox::writeFile(set, "brew \"wget\"\ncask \"maccy\" # the clipboard\nphotoshop\n\x1b]0;owned\x07\n"));

        const Run run = sandbox.run(arguments.replaceInStrings(u"SET"_s, set), variables);
        QTEST(run.exitCode, "exitCode");
        for (const QString &pattern : out)
            QVERIFY2(QRegularExpression(pattern, QRegularExpression::MultilineOption).match(run.out).hasMatch(),
                qPrintable(pattern + u" in:\n"_s + run.out));
        for (const QString &pattern : err)
            QVERIFY2(QRegularExpression(pattern, QRegularExpression::MultilineOption).match(run.err).hasMatch(),
                qPrintable(pattern + u" in:\n"_s + run.err));
        // Nothing drawn for a terminal when there is none.
        QVERIFY(!run.err.contains(u'\r') && !run.err.contains(u'\x1b'));
        QCOMPARE(sandbox.installedBundles(), after);
        if (json.isEmpty())
            return;
        const QJsonObject schema = QJsonDocument::fromJson(
            EngineTestKit::fileBytes(QStringLiteral(ORVANDO_SOURCE_DIR "/docs/cli-json-schema.json")))
                                       .object()[u"$defs"_s][json[0]]
                                       .toObject();
        QVERIFY(!schema.isEmpty());
        QJsonParseError error {};
        const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        QVERIFY2(document.isObject(), qPrintable(error.errorString()));
        QCOMPARE(violation(document.object(), schema, json[0]), QString());
        QCOMPARE(valueAt(document.object(), json[1]), QJsonValue(json[2]));
    }

    // What a removal takes of the app's data: all of it, nothing with --keep-data, and nothing at
    // all on a dry run, which lists it with its size.
    void uninstallKeepsDataOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("appLeft");
        QTest::addColumn<bool>("dataLeft");
        QTest::newRow("app and data") << QString() << false << false;
        QTest::newRow("--keep-data") << u"--keep-data"_s << false << true;
        QTest::newRow("--dry-run") << u"--dry-run"_s << true << true;
    }
    void uninstallKeepsDataOnlyWhenAsked()
    {
        QFETCH(QString, option);
        QFETCH(bool, appLeft);
        QFETCH(bool, dataLeft);
        const CliSandbox sandbox(true);
        sandbox.preinstall({ u"maccy"_s });
        const QString preferences = sandbox.home() + u"/Library/Preferences/org.p0deje.Maccy.plist"_s;
        QVERIFY(Sandbox::writeFile(preferences, QByteArray(2048, 'p')));
        QStringList arguments { u"uninstall"_s, u"maccy"_s };
        if (!option.isEmpty())
            arguments.append(option);
        const Run run = sandbox.run(arguments, { u"XDG_DATA_HOME="_s + sandbox.home() + u"/.local/share"_s });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(sandbox.installedBundles(), appLeft ? QStringList { u"Maccy.app"_s } : QStringList());
        QCOMPARE(QFileInfo::exists(preferences), dataLeft);
        if (option == u"--dry-run"_s)
            QVERIFY2(
                run.out.contains(u"  ~/Library/Preferences/org.p0deje.Maccy.plist  2.00 KiB\n"_s), qPrintable(run.out));
    }

    // What the runs before it did, newest first: the list, one app's, one in full, and as JSON in
    // the published schema.
    void historyTellsWhatWasDone()
    {
        const CliSandbox sandbox;
        QCOMPARE(sandbox.run({ u"history"_s }).out, u"Nothing has been done yet.\n"_s);
        QCOMPARE(
            sandbox.run({ u"install"_s, u"maccy"_s, u"rectangle"_s }, { u"FAKE_BREW_FAIL_TOKENS=maccy"_s }).exitCode,
            1);
        QCOMPARE(sandbox.run({ u"uninstall"_s, u"rectangle"_s }).exitCode, 0);

        const Run listed = sandbox.run({ u"history"_s, u"--limit"_s, u"3"_s });
        QCOMPARE(listed.exitCode, 0);
        const QStringList lines = listed.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        // Each batch has a line of its own, with its summary.
        const QStringList expected { u"^5 .* Rectangle +uninstall +1\\.0 +succeeded$"_s,
            u"^4 .* 1 app +batch +succeeded +1 removed"_s, u"^3 .* Rectangle +install +1\\.0 +succeeded$"_s };
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(QRegularExpression(expected.at(i)).match(lines.at(i + 1)).hasMatch(), qPrintable(listed.out));
        QCOMPARE(sandbox.run({ u"history"_s, u"maccy"_s }).out.count(u'\n'), 2);
        const Run one = sandbox.run({ u"history"_s, u"2"_s });
        QVERIFY2(one.out.contains(u"Outcome    failed"_s) && one.out.contains(u"maccy"_s), qPrintable(one.out));
        QCOMPARE(sandbox.run({ u"history"_s, u"99"_s }).exitCode, 2);

        const QJsonObject schemas = QJsonDocument::fromJson(
            EngineTestKit::fileBytes(QStringLiteral(ORVANDO_SOURCE_DIR "/docs/cli-json-schema.json")))
                                        .object()[u"$defs"_s]
                                        .toObject();
        for (const auto &[arguments, schema] : { std::pair(QStringList { u"history"_s, u"--json"_s }, u"history"_s),
                 std::pair(QStringList { u"history"_s, u"2"_s, u"--json"_s }, u"historyEntry"_s) }) {
            const QJsonObject document = QJsonDocument::fromJson(sandbox.run(arguments).out.toUtf8()).object();
            QVERIFY(!document.isEmpty());
            QCOMPARE(violation(document, schemas[schema].toObject(), schema), QString());
        }
        const QJsonObject failed
            = QJsonDocument::fromJson(sandbox.run({ u"history"_s, u"2"_s, u"--json"_s }).out.toUtf8()).object();
        QCOMPARE(valueAt(failed, u"operation.outcome"_s), QJsonValue(u"failed"_s));
        QCOMPARE(valueAt(failed, u"operation.route"_s), QJsonValue(u"cask"_s));
        QVERIFY(!valueAt(failed, u"operation.log"_s).toArray().isEmpty());
    }

    // A skipped version or a held app, kept in the user defaults by an earlier run, is left out of
    // outdated and update --all, which say so; a newer version than the one skipped comes back.
    void skipAndHoldAreHonoured_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("leftAlone"); // what outdated and update --all say; empty: Shottr is offered
        QTest::newRow("this version skipped")
            << u"orvando.skipped_version.shottr"_s << u"2.1.0"_s << u"Left alone: You skipped Shottr 2.1.0."_s;
        QTest::newRow("an older version skipped") << u"orvando.skipped_version.shottr"_s << u"2.0.0"_s << QString();
        QTest::newRow("held") << u"orvando.updates_held.shottr"_s << u"true"_s
                              << u"Left alone: You asked not to check Shottr for updates."_s;
    }

    void skipAndHoldAreHonoured()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, leftAlone);
        const CliSandbox sandbox;
        sandbox.preinstall({ u"maccy"_s, u"shottr"_s });
        const QString config = sandbox.root() + u"/config"_s;
        {
            UserDefaults defaults(config + u"/Orvando/Orvando.ini"_s);
            defaults.setString(key, value);
        }
        const QStringList variables { u"XDG_CONFIG_HOME="_s + config };

        const Run outdated = sandbox.run({ u"outdated"_s }, variables);
        QCOMPARE(outdated.exitCode, 0);
        QCOMPARE(outdated.out.contains(u"shottr "_s), leftAlone.isEmpty());
        QCOMPARE(outdated.out.contains(leftAlone), true);
        const QJsonObject json
            = QJsonDocument::fromJson(sandbox.run({ u"outdated"_s, u"--json"_s }, variables).out.toUtf8()).object();
        QCOMPARE(json[u"leftAlone"_s].toArray().size(), leftAlone.isEmpty() ? 0 : 1);
        const Run update = sandbox.run({ u"update"_s, u"--all"_s }, variables);
        QCOMPARE(update.exitCode, 0);
        QVERIFY2(update.out.startsWith(leftAlone), qPrintable(update.out));
        QCOMPARE(update.out.contains(u"Updated Shottr"_s), leftAlone.isEmpty());
    }

    // Only a build made for tests takes its Mac from the file the variable names (here one that cannot be
    // read, which such a build refuses); any other build acts on the Mac it runs on and never reads it.
    void readsTheEnvironmentFileOnlyInTestBuilds_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("test build") << QStringLiteral(ORVANDO_CLI_PATH) << 2
                                    << u"ORVANDO_CLI_ENVIRONMENT: “/nonexistent” is not a readable JSON object.\n"_s;
        QTest::newRow("shipped build") << QStringLiteral(ORVANDO_SHIPPED_CLI_PATH) << 0 << QString();
    }

    void readsTheEnvironmentFileOnlyInTestBuilds()
    {
        QFETCH(QString, program);
        const CliSandbox sandbox;
        // This machine's folders as an empty home of the sandbox's own.
        const QString home = sandbox.root() + u"/elsewhere"_s;
        QVERIFY(QDir().mkpath(home));
        QProcess process;
        sandbox.prepare(process, { u"export"_s },
            { u"ORVANDO_CLI_ENVIRONMENT=/nonexistent"_s, u"HOME="_s + home, u"XDG_CACHE_HOME="_s + home });
        process.setProgram(program);
        process.start();
        QVERIFY(process.waitForFinished(60000));
        QTEST(process.exitCode(), "exitCode");
        QTEST(QString::fromUtf8(process.readAllStandardError()), "err");
    }

    void interruptStopsBrew_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("failing"); // the cask whose install fails first
        QTest::addColumn<QString>("held"); // the call brew is held in when the signal comes
        QTest::addColumn<QString>("err");
        const QStringList both { u"install"_s, u"maccy"_s, u"rectangle"_s };
        QTest::newRow("Ctrl-C") << int(SIGINT) << both << QString() << u"install --cask maccy"_s
                                << u"Stopped. Maccy is left as it is on disk.\nNot started: Rectangle.\n"_s;
        QTest::newRow("the terminal closes")
            << int(SIGHUP) << both << QString() << u"install --cask maccy"_s
            << u"Stopped. Maccy is left as it is on disk.\nNot started: Rectangle.\n"_s;
        QTest::newRow("SIGTERM after an app failed")
            << int(SIGTERM) << both << u"maccy"_s << u"install --cask rectangle"_s
            << u"The download of Maccy failed. The app's publisher may have moved it; try again later.\n"
               u"Stopped. Rectangle is left as it is on disk.\n"_s;
        QTest::newRow("Ctrl-C while brew is asked for updates")
            << int(SIGINT) << QStringList { u"outdated"_s } << QString() << u"outdated"_s << QString();
    }

    void interruptStopsBrew()
    {
        QFETCH(int, signalNumber);
        QFETCH(QStringList, arguments);
        QFETCH(QString, failing);
        QFETCH(QString, held);
        const CliSandbox sandbox;
        const QString pidFile = sandbox.root() + u"/brew.pid"_s, stepFile = sandbox.root() + u"/step.pid"_s;
        QProcess cli;
        sandbox.prepare(cli, arguments,
            { u"FAKE_BREW_STEP="_s + held + u':' + stepFile, u"FAKE_BREW_PID_FILE="_s + pidFile,
                u"FAKE_BREW_FAIL_TOKENS="_s + failing });
        cli.setChildProcessModifier([] { ::signal(SIGHUP, SIG_DFL); }); // as in a terminal, even under nohup
        cli.start();
        const qint64 step = EngineTestKit::stepPid(stepFile);
        const pid_t brew = EngineTestKit::fileBytes(pidFile).trimmed().toInt();
        QVERIFY(step > 0 && brew > 0 && ::kill(brew, 0) == 0);

        ::kill(pid_t(cli.processId()), signalNumber);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 130);
        QTEST(QString::fromUtf8(cli.readAllStandardError()), "err");
        // brew was stopped with the step it was running, not left behind.
        QTRY_VERIFY_WITH_TIMEOUT(
            RunningApplications::isTerminated(brew) && RunningApplications::isTerminated(step), 30000);
        QCOMPARE(sandbox.brewCalls().last().left(held.size()), held); // nothing started after it
    }

    void refusesAppLockedByAnotherProcess()
    {
        const CliSandbox sandbox;
        // This test's own coordinator over the same lock files stands in for the window.
        OperationCoordinator window(sandbox.lockFolder());
        const CatalogApp maccy = Catalog::builtIn().constFirst();
        std::optional<OperationCoordinator::Ticket> installing = window.beginOperation(maccy, this);
        QVERIFY(*installing);

        const Run refused = sandbox.run({ u"install"_s, u"maccy"_s });
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, u"Another operation on Maccy is still running; try again when it has finished.\n"_s);
        QVERIFY(sandbox.brewCalls().filter(u"install"_s).isEmpty());

        installing.reset();
        QCOMPARE(sandbox.run({ u"install"_s, u"maccy"_s }).exitCode, 0);
    }

    void asksAndDrawsProgressInTerminal()
    {
        const CliSandbox sandbox;
        const QString set = sandbox.root() + u"/apps.txt"_s;
        QVERIFY(Sandbox::writeFile(set, "maccy\n"));
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString terminal = QString::fromLocal8Bit(::ptsname(master));
        QByteArray screen;
        QSocketNotifier reader(master, QSocketNotifier::Read);
        connect(&reader, &QSocketNotifier::activated, this, [&screen, &reader, master] {
            char buffer[4096];
            const ssize_t count = ::read(master, buffer, sizeof buffer);
            if (count > 0)
                screen.append(buffer, count);
            else
                reader.setEnabled(false); // the last writer is gone
        });

        QProcess cli;
        sandbox.prepare(cli, { u"import"_s, set });
        cli.setStandardInputFile(terminal);
        cli.setStandardErrorFile(terminal, QIODevice::Append);
        cli.start();
        QTRY_VERIFY_WITH_TIMEOUT(screen.contains("Install Maccy? [y/N] "), 30000);
        QCOMPARE(::write(master, "y\n", 2), 2);
        QVERIFY(cli.waitForFinished(30000));
        QTRY_VERIFY(screen.contains("Downloading"));
        ::close(master);

        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(cli.readAllStandardOutput(), QByteArray("The file names 1 app:\n  Maccy (maccy)\nInstalled Maccy.\n"));
        // Each note replaces the one before on the same line.
        QVERIFY2(screen.contains("\r\x1b[KDownloading Maccy.\r\x1b[KInstalling Maccy."), screen.constData());
        QCOMPARE(sandbox.installedBundles(), QStringList { u"Maccy.app"_s });
    }

    // The end-to-end script CI runs against a Mac's real Homebrew, run here against the fake brew with
    // the sandbox as its Mac: each step, and the step a failure names.
    void endToEndScriptChecksASimulatedMac_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("app"); // what the script starts as Orvando
        QTest::addColumn<QString>("failedStep"); // empty when every step passes

        const QString orvando = QStringLiteral(ORVANDO_APP_PATH);
        QTest::newRow("every step passes") << QStringList() << QStringList() << orvando << QString();
        QTest::newRow("the app is already installed")
            << QStringList() << QStringList { u"maccy"_s } << orvando << u"maccy is not installed yet"_s;
        QTest::newRow("update list unreadable") << QStringList { u"FAKE_BREW_OUTDATED_JSON=/nonexistent"_s }
                                                << QStringList() << orvando << u"outdated answers by the schema"_s;
        QTest::newRow("Orvando does not stay up")
            << QStringList() << QStringList() << u"/bin/false"_s << u"Orvando starts and stays up for 2 seconds"_s;
    }

    void endToEndScriptChecksASimulatedMac()
    {
        using EngineTestKit::fileBytes;
        QFETCH(QStringList, variables);
        QFETCH(QStringList, installed);
        QFETCH(QString, app);
        QFETCH(QString, failedStep);
        const CliSandbox sandbox;
        sandbox.preinstall(installed);
        const QString out = sandbox.root() + u"/e2e"_s;
        // The command line uses the catalog a window refreshed and kept earlier: here Maccy is renamed.
        Environment env = sandbox.environment();
        env.cacheDir = sandbox.root() + u"/cache"_s;
        const SignedCatalog::KeyPair keys = SignedCatalog::generateKeyPair();
        env.catalogPublicKey = keys.publicKey;
        QVERIFY(EnvironmentFile::write(sandbox.envFile(), env));
        CatalogDocument kept { Catalog::builtInIssued().addDays(1), Catalog::builtIn() };
        kept.apps.first().name = u"Maccy Refreshed"_s;
        QVERIFY(Sandbox::writeFile(env.cacheDir + u"/catalog/catalog.json"_s, kept.toJson()));
        QVERIFY(Sandbox::writeFile(
            env.cacheDir + u"/catalog/catalog.json.sig"_s, SignedCatalog::sign(kept.toJson(), keys.secretKey)));

        QProcess script;
        // The command line and the application both take the sandbox's home for the user's.
        sandbox.prepare(script, {},
            variables << u"HOME="_s + sandbox.home() << u"E2E_STAY_UP=2"_s << u"ORVANDO_FORCE_NO_BREW=1"_s
                      << u"E2E_LAUNCH=direct"_s);
        QProcessEnvironment processEnv = script.processEnvironment();
        for (const QString &name : { u"XDG_DATA_HOME"_s, u"XDG_CONFIG_HOME"_s, u"XDG_CACHE_HOME"_s })
            processEnv.remove(name);
        // The Mac's Trash is the user's own, wherever the sandbox's home is.
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
            processEnv.insert(u"E2E_TRASH"_s, QDir::homePath() + u"/.Trash"_s);
        script.setProcessEnvironment(processEnv);
        script.setProgram(QStringLiteral(ORVANDO_SOURCE_DIR "/scripts/e2e-mac"));
        script.setArguments({ u"--app"_s, app, u"--cli"_s, QStringLiteral(ORVANDO_CLI_PATH), u"--out"_s, out });
        script.start();
        QVERIFY(script.waitForFinished(240000));
        const QString said = QString::fromUtf8(script.readAllStandardOutput() + script.readAllStandardError());

        const QString verdict
            = failedStep.isEmpty() ? u"e2e-mac: all 10 steps passed"_s : u"FAILED in step \""_s + failedStep;
        QVERIFY2(script.exitCode() == (failedStep.isEmpty() ? 0 : 1) && said.contains(verdict), qPrintable(said));
        if (failedStep.isEmpty()) {
            QCOMPARE(sandbox.brewCalls().filter(QRegularExpression(u"^(un)?install "_s)),
                QStringList({ u"install --cask maccy"_s, u"uninstall --cask maccy"_s, u"install --cask maccy"_s,
                    u"uninstall --cask maccy"_s }));
            QCOMPARE(fileBytes(out + u"/Brewfile"_s), QByteArray("cask \"maccy\"\n"));
            QVERIFY(fileBytes(out + u"/info.out"_s).contains("\"name\": \"Maccy Refreshed\""));
        }
        // Whatever happened, the Mac is left as it was found.
        QCOMPARE(sandbox.installedBundles(), installed.isEmpty() ? QStringList() : QStringList { u"Maccy.app"_s });
    }
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "TestCliCommands.moc"
