#include "engine/InstallEngine.h"
#include "engine/operations/FailureExplainer.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;
using Operation = FailureExplainer::Operation;

Q_DECLARE_METATYPE(FailureKind)
Q_DECLARE_METATYPE(Operation)

namespace {

const QString fallback = u"Install did not finish. You can try again."_s;
const QString moved = u" The app's publisher may have moved it; try again later."_s;

// A language whose every text of the explainer is the English one in capitals: a piece of a
// sentence added outside the translation stays in small letters.
class CapitalTexts : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "FailureExplainer") == 0 ? QString::fromUtf8(source).toUpper() : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// What a failed brew run tells the user: the output lines brew prints for each cause (as published
// in bug reports, with other tokens, addresses and versions) turn into one class and one sentence.
class TestFailureExplanations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void explainsBrewOutput_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("app");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("decisive"); // index of the line the log should open at; -1: none
        const auto row = [](const char *name, Operation operation, const QString &app, const QStringList &lines,
                             FailureKind kind, const QString &sentence, int decisive) {
            QTest::newRow(name) << operation << app << lines << kind << sentence << decisive;
        };
        const Operation install = Operation::Install;
        const Operation uninstall = Operation::Uninstall;

        row("404, curl 8", install, u"Postman"_s,
            { u"==> Downloading https://dl.pstmn.io/download/version/7.35.0/osx64"_s,
                u"curl: (22) The requested URL returned error: 404"_s,
                u"Error: Download failed on Cask 'postman' with message: Download failed: https://dl.pstmn.io/download/version/7.35.0/osx64"_s },
            FailureKind::Download, u"The download of Postman failed (dl.pstmn.io answered 404)."_s + moved, 1);
        row("download failed without curl's words", install, u"Yate"_s,
            { u"Error: Download failed on Cask 'yate' with message: Download failed: https://2manyrobots.com/Updates/Yate/Yate.zip"_s },
            FailureKind::Download, u"The download of Yate from 2manyrobots.com failed."_s + moved, 0);
        row("SHA-256 mismatch", install, u"Claude Usage"_s,
            { u"==> Downloading https://github.com/hamed-elfayome/Claude-Usage-Tracker/releases/download/v1.5.0/Claude-Usage.zip"_s,
                u"Error: SHA-256 mismatch"_s,
                u"Expected: f062552d4f9ce8c8badd1db844d6374bee547dc6d7c5487e4ed9e2a08b16a6ee"_s },
            FailureKind::Checksum,
            u"The download of Claude Usage did not match its published checksum, so it was not installed."_s, 1);
        row("SHA256 mismatch, older brew", install, u"Mochi"_s, { u"Error: SHA256 mismatch"_s }, FailureKind::Checksum,
            u"The download of Mochi did not match its published checksum, so it was not installed."_s, 0);
        row("a list of versions after the token", install, u"Rectangle"_s,
            { u"Error: rectangle: This cask does not run on macOS versions other than Catalina, Big Sur, Monterey, Ventura, Sonoma, Sequoia and Tahoe."_s },
            FailureKind::MacOSVersion,
            u"Rectangle does not support this version of macOS (it runs on: Catalina, Big Sur, Monterey, Ventura, Sonoma, Sequoia and Tahoe)."_s,
            0);
        row("too old a macOS", install, u"MacUpdater"_s,
            { u"Error: This software does not run on macOS versions older than Ventura."_s }, FailureKind::MacOSVersion,
            u"MacUpdater does not support this version of macOS (it runs on: Ventura or newer)."_s, 0);
        // A cask the catalog names exists: Homebrew's list on this Mac is older than it.
        const QString stale = u"Homebrew's list of apps on this Mac is out of date and does not know %1 yet. "
                              u"Refresh it, then try again."_s;
        row("no such cask", install, u"Hidden Bar"_s,
            { u"Error: Cask 'hiddenbar' is unavailable: No Cask with this name exists."_s }, FailureKind::StaleCaskList,
            stale.arg(u"Hidden Bar"_s), 0);
        row("no such cask, newer brew", install, u"Stats"_s,
            { u"Warning: Cask 'stats' is unavailable: No Cask with this name exists."_s,
                u"==> Searching for similarly named casks..."_s, u"Error: No casks found for stats."_s },
            FailureKind::StaleCaskList, stale.arg(u"Stats"_s), 2);
        row("disabled, said twice", install, u"ExifCleaner"_s,
            { u"==> Would install 1 cask:"_s, u"exifcleaner"_s,
                u"Error: exifcleaner: Cask 'exifcleaner' has been disabled because it does not pass the macOS Gatekeeper check! It was disabled on 2026-09-01."_s,
                u"Error: exifcleaner: Cask 'exifcleaner' has been disabled because it does not pass the macOS Gatekeeper check! It was disabled on 2026-09-01."_s },
            FailureKind::Unavailable, u"Homebrew no longer offers ExifCleaner."_s, 2);
        row("app already there", install, u"Visual Studio Code"_s,
            { u"==> Installing Cask visual-studio-code"_s,
                u"Error: It seems there is already an App at '/Applications/Visual Studio Code.app'."_s },
            FailureKind::AlreadyInstalled,
            u"Visual Studio Code is already in Applications but was not installed through Homebrew. Open it, or remove it first."_s,
            1);
        // Newer brew puts the token before every message, also those that must open it.
        row("app already there, token first", install, u"Maccy"_s,
            { u"Error: maccy: It seems there is already an App at '/Applications/Maccy.app'."_s },
            FailureKind::AlreadyInstalled,
            u"Maccy is already in Applications but was not installed through Homebrew. Open it, or remove it first."_s,
            0);
        // While upgrading, brew moves the old version back into its Caskroom first.
        const QString leftover = u"Error: maccy: It seems there is already an App at "
                                 u"'/opt/homebrew/Caskroom/maccy/0.28.0/Maccy.app'."_s;
        const QString copy = u"Homebrew's own copy of an earlier Maccy, left in its folder by an update that did "
                             u"not finish, is in the way, so Maccy was not %1."_s;
        row("Homebrew's own old copy in the way", Operation::Update, u"Maccy"_s, { u"==> Upgrading maccy"_s, leftover },
            FailureKind::HomebrewLeftover, copy.arg(u"updated"_s), 1);
        row("Homebrew's own old copy in the way, removing", uninstall, u"Maccy"_s, { leftover },
            FailureKind::HomebrewLeftover, copy.arg(u"removed"_s), 0);
        row("no terminal for the password", install, u"Firefox"_s,
            { u"==> Moving App 'Firefox.app' to '/Applications/Firefox.app'"_s,
                u"sudo: a terminal is required to read the password; either use the -S option to read from standard input or configure an askpass helper"_s,
                u"sudo: a password is required"_s,
                u"Error: Failure while executing; `/usr/bin/sudo -E -- /bin/mkdir -p /Applications` exited with 1. Here's the output:"_s,
                u"sudo: a password is required"_s },
            FailureKind::Password, u"The Mac password was not entered, so Firefox was not installed."_s, 1);
        row("wrong password, removing", uninstall, u"Karabiner-Elements"_s,
            { u"==> Uninstalling packages with sudo; the password may be necessary:"_s,
                u"sudo: 3 incorrect password attempts"_s },
            FailureKind::Password, u"The Mac password was not entered, so Karabiner-Elements was not removed."_s, 1);
        row("the app's installer package failed", install, u"VirtualBox"_s,
            { u"==> Running installer for virtualbox with sudo; the password may be necessary."_s,
                u"installer: Package name is Oracle VM VirtualBox"_s, u"installer:PHASE:Preparing for installation…"_s,
                u"installer: The install failed (The Installer encountered an error that caused the installation to fail. Contact the software manufacturer for assistance.)"_s,
                u"==> Purging files for version 7.0.14,161095 of Cask virtualbox"_s,
                u"Error: Failure while executing; `/usr/bin/sudo -E -- /usr/bin/env LOGNAME=lassi USER=lassi USERNAME=lassi /usr/sbin/installer -pkg /usr/local/Caskroom/virtualbox/7.0.14,161095/VirtualBox.pkg -target / -verboseR` exited with 1. Here's the output:"_s },
            FailureKind::InstallerPackage, u"The installer of VirtualBox failed. Its own log is in the install log."_s,
            3);
        row("a folder of Homebrew's is not writable", install, u"Dozer"_s,
            { u"==> Installing Cask dozer"_s, u"==> Purging files for version 4.0.0 of Cask dozer"_s,
                u"Error: Permission denied @ dir_s_mkdir - /usr/local/Caskroom/dozer"_s },
            FailureKind::Permission,
            u"Homebrew could not write to /usr/local/Caskroom/dozer, so Dozer was not installed. Its folders may "
            u"belong to another user."_s,
            2);
        row("host not found", install, u"KeepingYouAwake"_s,
            { u"==> Downloading https://github.com/newmarcel/KeepingYouAwake/releases/download/1.6.5/KeepingYouAwake-1.6.5.zip"_s,
                u"curl: (6) Could not resolve host: github.com"_s,
                u"Error: Download failed on Cask 'keepingyouawake' with message: Download failed: https://github.com/newmarcel/KeepingYouAwake/releases/download/1.6.5/KeepingYouAwake-1.6.5.zip"_s },
            FailureKind::Network, u"KeepingYouAwake could not be downloaded: no connection to github.com."_s, 1);
        row("transfer timed out, host from the download line", install, u"Burn"_s,
            { u"==> Downloading https://downloads.sourceforge.net/project/burn-osx/Burn/3.1/burn31.zip"_s,
                u"curl: (28) Operation timed out after 30002 milliseconds with 0 out of 0 bytes received"_s },
            FailureKind::Network, u"Burn could not be downloaded: no connection to downloads.sourceforge.net."_s, 1);
        row("quit step failed", uninstall, u"CleanMyMac"_s,
            { u"==> Quitting application ID com.macpaw.CleanMyMac4"_s,
                u"==> osascript: can't open default scripting component."_s,
                u"Error: Failure while executing; `/usr/bin/sudo -E -- /usr/bin/osascript -e tell application id \"com.macpaw.CleanMyMac4\" to quit` exited with 1."_s },
            FailureKind::Unknown,
            u"Homebrew could not remove CleanMyMac: a step it ran failed (osascript exited with 1)."_s, 2);
        row("the last error decides, cut to one sentence", install, u"Jenkins Menu"_s,
            { u"Error: Kernel.exit"_s,
                u"Error: Command failed to execute! Follow the instructions here: https://github.com/Homebrew/homebrew-cask#reporting-bugs"_s },
            FailureKind::Unknown, u"Homebrew could not install Jenkins Menu: Command failed to execute."_s, 1);
        row("warnings and progress explain nothing", install, u"Maccy"_s,
            { u"==> Downloading https://example.com/error-404/maccy.zip"_s,
                u"Warning: Cask 'maccy' is unavailable: No Cask with this name exists."_s,
                u"installer: Installing at base path /"_s },
            FailureKind::Unknown, fallback, -1);
    }

    void explainsBrewOutput()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, app);
        QFETCH(QStringList, lines);
        QFETCH(FailureKind, kind);
        QFETCH(QString, sentence);
        QFETCH(int, decisive);
        FailureExplainer explainer(app, operation);
        // Log ids start well past 1, as they do in a window that has run for a while.
        for (int i = 0; i < lines.size(); ++i)
            explainer.observe(lines.at(i), 1000 + i);

        const FailureExplanation why = explainer.explain(fallback);
        QCOMPARE(why.sentence, sentence);
        QCOMPARE(why.kind, kind);
        QCOMPARE(why.logLine, decisive < 0 ? 0 : 1000 + decisive);
    }

    // Brew's own words are matched as brew prints them, in English; only the sentence is translated,
    // whole, and brew's message quoted in it stays as brew wrote it.
    void explainsInTheLanguageInUse_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("line");
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("404") << Operation::Install << u"curl: (22) The requested URL returned error: 404"_s
                             << FailureKind::Download
                             << u"THE DOWNLOAD OF Maccy FAILED (THE SERVER ANSWERED 404). THE APP'S PUBLISHER MAY "
                                u"HAVE MOVED IT; TRY AGAIN LATER."_s;
        QTest::newRow("macOS too old")
            << Operation::Install << u"Error: This software does not run on macOS versions older than Ventura."_s
            << FailureKind::MacOSVersion
            << u"Maccy DOES NOT SUPPORT THIS VERSION OF MACOS (IT RUNS ON: Ventura OR NEWER)."_s;
        QTest::newRow("no password, updating")
            << Operation::Update << u"sudo: a password is required"_s << FailureKind::Password
            << u"THE MAC PASSWORD WAS NOT ENTERED, SO Maccy WAS NOT UPDATED."_s;
        QTest::newRow("a step failed, removing")
            << Operation::Uninstall << u"Error: Failure while executing; `/usr/bin/osascript -e quit` exited with 1."_s
            << FailureKind::Unknown
            << u"HOMEBREW COULD NOT REMOVE Maccy: A STEP IT RAN FAILED (osascript EXITED WITH 1)."_s;
        QTest::newRow("brew's own message")
            << Operation::Install << u"Error: Command failed to execute!"_s << FailureKind::Unknown
            << u"HOMEBREW COULD NOT INSTALL Maccy: Command failed to execute."_s;
    }

    void explainsInTheLanguageInUse()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, line);
        QFETCH(FailureKind, kind);
        QFETCH(QString, sentence);
        CapitalTexts language;
        QVERIFY(QCoreApplication::installTranslator(&language));
        const auto english = qScopeGuard([&language] { QCoreApplication::removeTranslator(&language); });
        FailureExplainer explainer(u"Maccy"_s, operation);
        explainer.observe(line, 7);

        const FailureExplanation why = explainer.explain(fallback);
        QCOMPARE(why.kind, kind);
        QCOMPARE(why.sentence, sentence);
    }

    // Also a refresh of Homebrew's list (brew update): what the disk says after it, or failed, offered again.
    void failedRunEndsInTheExplainedState_data()
    {
        QTest::addColumn<QString>("operation"); // install, uninstall or refresh
        QTest::addColumn<QString>("printed");
        QTest::addColumn<bool>("appAppears"); // the app turns up in Applications while brew runs
        QTest::addColumn<InstallState>("outcome");
        QTest::addColumn<QString>("decisiveLine"); // the log line the state points at; empty: none
        const QString exists = u"Error: It seems there is already an App at '/Applications/Maccy.app'."_s;

        QTest::newRow("already there, not ours")
            << u"install"_s << exists << false
            << InstallState::failed(u"Maccy is already in Applications but was not installed "
                                    u"through Homebrew. Open it, or remove it first."_s,
                   FailureKind::AlreadyInstalled, 0, u"/Applications/Maccy.app"_s)
            << exists;
        QTest::newRow("already there, and it is Maccy")
            << u"install"_s << exists << true << InstallState::installed() << QString();
        QTest::newRow("removal: nothing said") << u"uninstall"_s << u"==> Uninstalling Cask maccy"_s << false
                                               << InstallState::failed(fallback) << QString();
        const QString refresh = u"Homebrew could not refresh its list of apps, so it still does not know Maccy: "_s;
        QTest::newRow("refreshed") << u"refresh"_s << QString() << false << InstallState::notInstalled() << QString();
        for (const auto &[printed, why] : { std::pair(u"fatal: unable to access 'https://github.com/Homebrew/brew/': "
                                                      u"Could not resolve host: github.com\nError: Fetching "
                                                      u"/opt/homebrew failed!"_s,
                                                u"there is no connection to its server."_s),
                 std::pair(u"Error: /opt/homebrew is not writable."_s, u"/opt/homebrew is not writable."_s) })
            QTest::addRow("refresh: %s", qPrintable(why))
                << u"refresh"_s << printed << false << InstallState::failed(refresh + why, FailureKind::StaleCaskList)
                << u"error: "_s + refresh + why;
    }

    void failedRunEndsInTheExplainedState()
    {
        QFETCH(QString, operation);
        const bool uninstall = operation == u"uninstall"_s;
        QFETCH(QString, printed);
        QFETCH(bool, appAppears);
        QFETCH(InstallState, outcome);
        QFETCH(QString, decisiveLine);
        Sandbox sandbox;
        QVERIFY(sandbox.installFakeBrew());
        QVERIFY(sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
        if (uninstall) {
            InstallEngine installer(sandbox.environment());
            QVERIFY(finish(installer.install(maccy())));
            QCOMPARE(installer.state(u"maccy"_s), std::optional(InstallState::installed()));
        }
        InstallEngine engine(sandbox.environment());

        {
            ScopedEnvironmentVariable lines("FAKE_BREW_FAIL_LINES", printed.toUtf8());
            startDetached(uninstall             ? engine.uninstall(maccy())
                    : operation == u"refresh"_s ? engine.refreshCaskList(maccy())
                                                : engine.install(maccy()));
            // The check for an app already present has passed: brew is running now.
            if (appAppears)
                QVERIFY(!sandbox.makeBundle(sandbox.userApplications(), u"Maccy"_s, u"org.p0deje.Maccy"_s).isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(engine.state(u"maccy"_s)->kind != InstallState::Kind::Installing
                    && engine.state(u"maccy"_s)->kind != InstallState::Kind::Uninstalling,
                30000);
        }

        const InstallState state = *engine.state(u"maccy"_s);
        QCOMPARE(state, outcome);
        QCOMPARE(state.failure, outcome.failure);
        QCOMPARE(state.path, outcome.path);
        const QList<LogLine> log = engine.log()->lines();
        const auto line = std::find_if(log.begin(), log.end(), [&](const LogLine &l) { return l.id == state.logLine; });
        QCOMPARE(line == log.end() ? QString() : line->text, decisiveLine);
        // Every line brew printed is in the log as it was printed, whatever the sentence says.
        QVERIFY(logTexts(engine).join(u'\n').contains(printed));
    }
};

QTEST_GUILESS_MAIN(TestFailureExplanations)
#include "TestFailureExplanations.moc"
