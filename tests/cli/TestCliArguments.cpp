#include "cli/CliArguments.h"
#include "cli/CliLookup.h"

#include "catalog/Catalog.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = CliArguments::Parsed::Kind;
using Command = CliRequest::Command;

// The command line's arguments and names as a user types them: what runs, and what is refused with
// which sentence.
class TestCliArguments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsRequests_data();
    void readsRequests();
    void refusesBadUsage_data();
    void refusesBadUsage();
    void findsApps_data();
    void findsApps();
};

namespace {

CliRequest request(Command command, QStringList names = {})
{
    CliRequest made;
    made.command = command;
    made.names = std::move(names);
    return made;
}

} // namespace

void TestCliArguments::readsRequests_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CliRequest>("expected");

    CliRequest list = request(Command::List);
    list.all = true;
    list.category = u"media"_s;
    list.search = u"video player"_s;
    list.json = true;
    QTest::newRow("list, options in any order and form") << QStringList { u"--json"_s, u"list"_s, u"--category=media"_s,
        u"--all"_s, u"--search"_s, u"video player"_s } << list;
    CliRequest install = request(Command::Install, { u"maccy"_s, u"-rectangle"_s });
    install.noSetup = true;
    install.quiet = true;
    QTest::newRow("install, -- ends the options")
        << QStringList { u"install"_s, u"-q"_s, u"--no-setup"_s, u"maccy"_s, u"--"_s, u"-rectangle"_s } << install;
    CliRequest updateAll = request(Command::Update);
    updateAll.all = true;
    QTest::newRow("update alone updates all") << QStringList { u"update"_s } << updateAll;
    QTest::newRow("update named apps") << QStringList { u"update"_s, u"ice"_s }
                                       << request(Command::Update, { u"ice"_s });
    CliRequest import = request(Command::Import);
    import.file = u"Brewfile"_s;
    import.yes = true;
    QTest::newRow("import") << QStringList { u"import"_s, u"Brewfile"_s, u"-y"_s } << import;
    QTest::newRow("export to standard output") << QStringList { u"export"_s } << request(Command::Export);
}

void TestCliArguments::readsRequests()
{
    QFETCH(QStringList, arguments);
    QFETCH(CliRequest, expected);
    const CliArguments::Parsed parsed = CliArguments::parse(arguments, u"orvando-cli"_s);
    QCOMPARE(parsed.text, QString());
    QCOMPARE(parsed.kind, Kind::Run);
    QVERIFY(parsed.request == expected);
}

void TestCliArguments::refusesBadUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text"); // the sentence, or the first line of the help

    QTest::newRow("no command") << QStringList {} << Kind::Usage
                                << u"Name a command. “orvando-cli --help” lists them."_s;
    QTest::newRow("a near miss") << QStringList { u"instal"_s, u"maccy"_s } << Kind::Usage
                                 << u"Unknown command “instal”. Did you mean “install”?"_s;
    QTest::newRow("nothing near") << QStringList { u"frobnicate"_s } << Kind::Usage
                                  << u"Unknown command “frobnicate”. “orvando-cli --help” lists the commands."_s;
    QTest::newRow("another command's option")
        << QStringList { u"install"_s, u"--json"_s, u"maccy"_s } << Kind::Usage
        << u"Unknown option “--json” for install. “orvando-cli install --help” lists its options."_s;
    QTest::newRow("a mistyped option") << QStringList { u"list"_s, u"--jsn"_s } << Kind::Usage
                                       << u"Unknown option “--jsn” for list. Did you mean “--json”?"_s;
    QTest::newRow("a value missing") << QStringList { u"list"_s, u"--category"_s } << Kind::Usage
                                     << u"--category needs a value: <c>."_s;
    QTest::newRow("info of two apps") << QStringList { u"info"_s, u"ice"_s, u"loop"_s } << Kind::Usage
                                      << u"The info command takes one name only."_s;
    QTest::newRow("install of nothing") << QStringList { u"install"_s, u"-v"_s } << Kind::Usage
                                        << u"Name at least one app to install."_s;
    QTest::newRow("update of both") << QStringList { u"update"_s, u"ice"_s, u"--all"_s } << Kind::Usage
                                    << u"Name the apps to update, or use --all, not both."_s;
    QTest::newRow("help of a command") << QStringList { u"install"_s, u"maccy"_s, u"--help"_s } << Kind::Help
                                       << u"Usage: orvando-cli install <id>…"_s;
    QTest::newRow("help command") << QStringList { u"help"_s, u"import"_s } << Kind::Help
                                  << u"Usage: orvando-cli import <file> [--yes]"_s;
    QTest::newRow("version wins") << QStringList { u"list"_s, u"--version"_s } << Kind::Version << QString();
}

void TestCliArguments::refusesBadUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(Kind, kind);
    QFETCH(QString, text);
    const CliArguments::Parsed parsed = CliArguments::parse(arguments, u"orvando-cli"_s);
    QCOMPARE(parsed.kind, kind);
    QCOMPARE(parsed.text.section(u'\n', 0, 0), text);
}

void TestCliArguments::findsApps_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QStringList>("problems");

    QTest::newRow("id, name and cask token, in any case, once each")
        << QStringList { u"VLC"_s, u"Hidden Bar"_s, u"alttab"_s, u"jordanbaird-ice"_s, u"handbrake-app"_s, u"vlc"_s }
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

void TestCliArguments::findsApps()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, ids);
    QFETCH(QStringList, problems);
    const CliLookup::Apps found = CliLookup::apps(names, Catalog::v1());
    QStringList foundIDs;
    for (const CatalogApp &app : found.apps)
        foundIDs.append(app.id);
    QCOMPARE(foundIDs, ids);
    QCOMPARE(found.problems, problems);
}

QTEST_GUILESS_MAIN(TestCliArguments)
#include "TestCliArguments.moc"
