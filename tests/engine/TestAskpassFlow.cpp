#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Casks that run a step with sudo: brew gets the password through the askpass helper beside the
// program, and a cancelled prompt ends the operation in failed.
class TestAskpassFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void brewAsksForThePassword_data();
    void brewAsksForThePassword();
};

namespace {

enum class Helper { Answers, WrongAnswer, Cancels, Missing };

CatalogApp shutterEncoder()
{
    for (const CatalogApp &app : Catalog::v1()) {
        if (app.id == u"shutter-encoder"_s)
            return app;
    }
    return {};
}

// The fake brew's cask step asks "$SUDO_ASKPASS"; the helper stands in for the dialog (tested on its
// own): it records who it asked for, then answers.
bool prepare(const Sandbox &sandbox, Helper helper)
{
    QFile conf(sandbox.brewPrefix() + u"/fake-brew.conf"_s);
    if (!conf.open(QIODevice::Append) || conf.write("FAKE_BREW_SUDO='s3cret p\xc3\xa4ss'\n") < 0)
        return false;
    conf.close();
    if (helper == Helper::Missing)
        return true;
    QByteArray script = "#!/bin/sh\nprintf '%s' \"$ORVANDO_ASKPASS_FOR\" > \"$(dirname \"$0\")/asked-for\"\n";
    if (helper == Helper::Answers)
        script += "printf 's3cret p\xc3\xa4ss\\n'\n";
    else if (helper == Helper::WrongAnswer)
        script += "printf 'guess\\n'\n";
    else
        script += "exit 1\n";
    return Sandbox::writeFile(sandbox.helperDir() + u"/orvando-askpass"_s, script, true);
}

QString askedFor(const Sandbox &sandbox)
{
    QFile file(sandbox.helperDir() + u"/asked-for"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool logHas(const InstallEngine &engine, const QString &text)
{
    const QList<LogLine> lines = engine.log()->lines();
    return std::any_of(lines.begin(), lines.end(), [&](const LogLine &line) { return line.text.contains(text); });
}

} // namespace

void TestAskpassFlow::brewAsksForThePassword_data()
{
    QTest::addColumn<bool>("uninstall");
    QTest::addColumn<int>("helper");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("logged");
    for (const bool uninstall : { false, true }) {
        const auto row = [&](const char *name, Helper helper, bool succeeds, const QString &logged) {
            QTest::addRow("%s: %s", uninstall ? "uninstall" : "install", name)
                << uninstall << int(helper) << succeeds << logged;
        };
        row("password given", Helper::Answers, true, u"with sudo"_s);
        row("wrong password", Helper::WrongAnswer, false, u"incorrect password"_s);
        row("prompt cancelled", Helper::Cancels, false, u"no password was provided"_s);
        row("no helper", Helper::Missing, false, u"a terminal is required"_s);
    }
}

void TestAskpassFlow::brewAsksForThePassword()
{
    QFETCH(bool, uninstall);
    QFETCH(int, helper);
    QFETCH(bool, succeeds);
    QFETCH(QString, logged);
    Sandbox sandbox;
    QVERIFY(sandbox.installFakeBrew());
    QVERIFY(sandbox.registerCask(u"shutter-encoder"_s, u"Shutter Encoder"_s, {}));
    const CatalogApp app = shutterEncoder();
    QCOMPARE(app.id, u"shutter-encoder"_s);
    if (uninstall) {
        // Put the cask on the sandbox Mac first, without any password step.
        InstallEngine installer(sandbox.environment());
        InstallEngine::startDetached(installer.install(app));
        QTRY_COMPARE_WITH_TIMEOUT(installer.state(app.id), std::optional(InstallState::installed()), 15000);
    }
    QVERIFY(prepare(sandbox, Helper(helper)));
    InstallEngine engine(sandbox.environment());

    InstallEngine::startDetached(uninstall ? engine.uninstall(app) : engine.install(app));

    const auto busy = uninstall ? InstallState::Kind::Uninstalling : InstallState::Kind::Installing;
    QTRY_VERIFY_WITH_TIMEOUT(engine.state(app.id) && engine.state(app.id)->kind != busy, 15000);
    const InstallState state = *engine.state(app.id);
    if (succeeds)
        QCOMPARE(state, uninstall ? InstallState::notInstalled() : InstallState::installed());
    else
        QCOMPARE(state,
            InstallState::failed(u"The Mac password was not entered, so Shutter Encoder was not "_s
                + (uninstall ? u"removed."_s : u"installed."_s)));
    QVERIFY2(logHas(engine, logged), qPrintable(logged));
    QCOMPARE(askedFor(sandbox), Helper(helper) == Helper::Missing ? QString() : u"Shutter Encoder"_s);
    // A refused password changes nothing.
    QCOMPARE(QFile::exists(sandbox.brewPrefix() + u"/Caskroom/shutter-encoder"_s), succeeds != uninstall);
}

QTEST_GUILESS_MAIN(TestAskpassFlow)
#include "TestAskpassFlow.moc"
