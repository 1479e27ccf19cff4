// The Homebrew setup's privileged steps, run here with stand-ins for osascript, pkgutil and
// installer, and the real shell, shasum and curl.
#include "engine/HomebrewSetupCommand.h"
#include "engine/InstallEngine.h"
#include "engine/ShellQuote.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

class Engine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::installHomebrewPackage;
    using InstallEngine::runHomebrewInstallScript;
};

QByteArray quoted(const QString &path)
{
    return ShellQuote::quoted(path).toUtf8();
}

const QByteArray package = QByteArrayLiteral("xar!\0 Homebrew installer package");
const QByteArray signedAndNotarized = "Package \"Homebrew.pkg\":\n"
                                      "   Status: signed by a developer certificate issued by Apple for distribution\n"
                                      "   Notarization: trusted by the Apple notary service\n"
                                      "   Certificate Chain:\n"
                                      "    1. Developer ID Installer: Some Maintainer (ABCDE12345)\n"
                                      "    2. Developer ID Certification Authority\n"
                                      "    3. Apple Root CA\n";

} // namespace

class TestPrivilegedSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rootChecksItsOwnCopyBeforeInstalling_data();
    void rootChecksItsOwnCopyBeforeInstalling();
    void aScriptThatCannotBeDownloadedIsSaidSo();
};

void TestPrivilegedSetup::rootChecksItsOwnCopyBeforeInstalling_data()
{
    QTest::addColumn<bool>("swap"); // another process of the user replaces the checked package
    QTest::addColumn<QByteArray>("signature"); // what pkgutil says
    QTest::addColumn<int>("signatureStatus");
    QTest::addColumn<QString>("failure"); // empty: installed

    const QString badSignature = u"The Homebrew installer's signature could not be verified."_s;
    QTest::newRow("checked, then installed") << false << signedAndNotarized << 0 << QString();
    QTest::newRow("swapped after the user's check")
        << true << signedAndNotarized << 0 << u"The Homebrew installer's checksum could not be verified."_s;
    QTest::newRow("not signed") << false << QByteArray("Package \"Homebrew.pkg\":\n   Status: no signature\n") << 1
                                << badSignature;
    QByteArray notNotarized = signedAndNotarized;
    notNotarized.replace("   Notarization: trusted by the Apple notary service\n", "");
    QTest::newRow("signed, not notarized") << false << notNotarized << 0 << badSignature;
    QByteArray development = signedAndNotarized;
    development.replace("Developer ID Installer", "Apple Development");
    QTest::newRow("not a Developer ID Installer") << false << development << 0 << badSignature;
}

void TestPrivilegedSetup::rootChecksItsOwnCopyBeforeInstalling()
{
    QFETCH(bool, swap);
    QFETCH(QByteArray, signature);
    QFETCH(int, signatureStatus);
    QFETCH(QString, failure);

    Sandbox sandbox;
    const QString staged = sandbox.root() + u"/staged-brew"_s;
    QVERIFY(sandbox.installFakeBrew() && sandbox.registerCask(u"maccy"_s, u"Maccy"_s, u"org.p0deje.Maccy"_s));
    QVERIFY(QFile::rename(sandbox.brewPath(), staged));
    LocalHttpServer server;
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Sha256).toHex());
    const QJsonObject asset { { u"name"_s, u"Homebrew-4.4.0.pkg"_s },
        { u"browser_download_url"_s, server.url(u"/dl/Homebrew-4.4.0.pkg"_s).toString() },
        { u"digest"_s, u"sha256:"_s + digest }, { u"size"_s, package.size() } };
    server.serve("/repos/Homebrew/brew/releases/latest",
        QJsonDocument(QJsonObject { { u"assets"_s, QJsonArray { asset } } }).toJson());
    server.serve("/dl/Homebrew-4.4.0.pkg", package, 200, "application/octet-stream");

    Environment env = sandbox.environment();
    env.githubApi = server.url();
    env.privilegedTempDir = sandbox.root() + u"/private-tmp"_s;
    QVERIFY(QDir().mkpath(env.privilegedTempDir));
    const QString tools = sandbox.helperDir();
    env.tools.osascript = tools + u"/osascript"_s;
    env.tools.pkgutil = tools + u"/pkgutil"_s;
    env.tools.installer = tools + u"/installer"_s;
    const QString installed = sandbox.root() + u"/installed.pkg"_s;
    // osascript: what "do shell script … with administrator privileges" would run, after the swap.
    QVERIFY(Sandbox::writeFile(env.tools.osascript,
        "#!/bin/sh\n"
            + QByteArray(swap
                    ? "for p in " + quoted(env.tempDir) + "/*/orvando-download-*; do printf evil > \"$p\"; done\n"
                    : "")
            + "s=${2#do shell script \\\"}; s=${s%\\\" with administrator privileges}\n"
              "/bin/sh -c \"$(printf '%s' \"$s\" | sed 's/\\\\\\(.\\)/\\1/g')\" || exit 1\n",
        true));
    QVERIFY(Sandbox::writeFile(env.tools.pkgutil,
        "#!/bin/sh\n[ \"$1\" = --check-signature ] || exit 2\ncat <<'EOF'\n" + signature + "EOF\nexit "
            + QByteArray::number(signatureStatus) + "\n",
        true));
    QVERIFY(Sandbox::writeFile(env.tools.installer,
        "#!/bin/sh\n[ \"$1 $2 $4 $5\" = '-verboseR -pkg -target /' ] || exit 2\ncp \"$3\" " + quoted(installed)
            + "\nmkdir -p " + quoted(sandbox.brewPrefix() + u"/bin"_s) + " && cp " + quoted(staged) + ' '
            + quoted(sandbox.brewPath()) + "\necho 'installer: The install was successful.'\n",
        true));
    Engine engine(env);
    engine.setBootstrapRunnerOverride(
        [&engine](QString appID, InstallEngine::LineHandler) { return engine.installHomebrewPackage(appID); });

    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(maccy()));
    const InstallState outcome = failure.isEmpty() ? InstallState::installed() : InstallState::failed(failure);
    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(outcome), 30000);
    QCOMPARE(QFile::exists(installed), failure.isEmpty());
    if (failure.isEmpty()) {
        QFile got(installed);
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(got.readAll(), package);
        QVERIFY(logTexts(engine).contains(u"installer: The install was successful."_s));
    } else {
        QVERIFY(logTexts(engine).contains(u"error: "_s + failure));
    }
    // Nothing is left behind, on the user's side or root's.
    QCOMPARE(entriesOf(env.tempDir), QStringList());
    QCOMPARE(entriesOf(env.privilegedTempDir), QStringList());
}

void TestPrivilegedSetup::aScriptThatCannotBeDownloadedIsSaidSo()
{
    Sandbox sandbox;
    LocalHttpServer server; // serves nothing: the script's address answers 404
    Environment env = sandbox.environment();
    env.homebrewInstallHost = server.url();
    Engine engine(env);
    engine.setBootstrapRunnerOverride(
        [&engine](QString appID, InstallEngine::LineHandler) { return engine.runHomebrewInstallScript(appID); });

    InstallEngine::startDetached(engine.setUpHomebrewThenInstall(maccy()));
    const QString sentence = u"The Homebrew installer could not be downloaded. Check your connection and try again."_s;
    QTRY_COMPARE_WITH_TIMEOUT(engine.state(u"maccy"_s), std::optional(InstallState::failed(sentence)), 30000);
    QVERIFY(logTexts(engine).contains(u"error: "_s + sentence));
    QCOMPARE(entriesOf(env.tempDir), QStringList());
}

QTEST_GUILESS_MAIN(TestPrivilegedSetup)
#include "TestPrivilegedSetup.moc"
