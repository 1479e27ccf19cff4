#include "engine/InstallEngine.h"
#include "engine/disk/LeftoverSweep.h"
#include "support/EngineTestKit.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QOperatingSystemVersion>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;

// Every byte value, so a put-back that rewrote a file shows.
QByteArray binaryContent(char seed)
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i + seed) % 256));
    return bytes;
}

} // namespace

// The review's choices, the order of a removal's steps and its undo, on a sandbox home whose Trash is
// its own.
class TestRemovalUndo : public QObject
{
    Q_OBJECT

    std::optional<ScopedEnvironmentVariable> m_home, m_dataHome;
    std::unique_ptr<Sandbox> m_sandbox;
    QString support() const { return LeftoverSweep::paths(m_sandbox->home(), bundleID).at(0); }
    QString preferences() const { return LeftoverSweep::paths(m_sandbox->home(), bundleID).at(5); }

private Q_SLOTS:
    void init()
    {
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::MacOS)
            QSKIP("the Mac's Trash is the user's own, not the sandbox's");
        m_sandbox = std::make_unique<Sandbox>();
        m_home.emplace("HOME", m_sandbox->home().toUtf8());
        m_dataHome.emplace("XDG_DATA_HOME", std::nullopt);
        QVERIFY(Sandbox::writeFile(support() + u"/history.db"_s, binaryContent(1)));
        QVERIFY(Sandbox::writeFile(preferences(), binaryContent(2)));
    }
    void cleanup()
    {
        m_dataHome.reset();
        m_home.reset();
        m_sandbox.reset();
    }

    // The launch agent is stopped while its file is still in place, and every permission is reset.
    void stopsTheLaunchAgentBeforeItsFileMoves()
    {
        const QString agent = LeftoverSweep::paths(m_sandbox->home(), bundleID).at(7);
        QVERIFY(Sandbox::writeFile(agent, "<plist/>"));
        m_sandbox->makeBundle(m_sandbox->userApplications(), u"Maccy"_s, bundleID);
        Environment env = m_sandbox->environment();
        const QString calls = m_sandbox->root() + u"/calls"_s;
        env.tools.launchctl = m_sandbox->helperDir() + u"/launchctl"_s;
        env.tools.tccutil = m_sandbox->helperDir() + u"/tccutil"_s;
        QVERIFY(Sandbox::writeFile(env.tools.launchctl,
            "#!/bin/sh\n[ -e '" + agent.toUtf8()
                + "' ] && state=there || state=gone\necho \"launchctl $* ($state)\" >> '" + calls.toUtf8() + "'\n",
            true));
        QVERIFY(Sandbox::writeFile(
            env.tools.tccutil, "#!/bin/sh\necho \"tccutil $*\" >> '" + calls.toUtf8() + "'\n", true));
        InstallEngine engine(env);
        QVERIFY(finish(engine.uninstall(maccy())));
        QVERIFY(!QFileInfo::exists(agent));
        QCOMPARE(QString::fromUtf8(fileBytes(calls)).split(u'\n', Qt::SkipEmptyParts),
            (QStringList { u"launchctl bootout gui/%1/org.p0deje.Maccy (there)"_s.arg(::getuid()),
                u"tccutil reset All org.p0deje.Maccy"_s }));
    }

    void undoPutsBackWhatItCanAndNeverOverwrites_data()
    {
        QTest::addColumn<QString>("meanwhile"); // what happens between the removal and the undo
        QTest::addColumn<bool>("supportBack");
        QTest::newRow("nothing: everything comes back") << QString() << true;
        QTest::newRow("a new file in the place of the preferences") << u"new preferences"_s << true;
        QTest::newRow("the support folder was emptied from the Trash") << u"empty trash"_s << false;
    }
    void undoPutsBackWhatItCanAndNeverOverwrites()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, supportBack);
        const QString bundle = m_sandbox->makeBundle(m_sandbox->userApplications(), u"Maccy"_s, bundleID);
        const QByteArray plist = fileBytes(bundle + u"/Contents/Info.plist"_s);
        InstallEngine engine(m_sandbox->environment());
        QVERIFY(!engine.canUndoRemoval(u"maccy"_s));
        QVERIFY(finish(engine.uninstall(maccy())));
        QVERIFY(engine.canUndoRemoval(u"maccy"_s));
        const QString trash = m_sandbox->home() + u"/.local/share/Trash"_s;
        if (meanwhile == u"new preferences"_s)
            QVERIFY(Sandbox::writeFile(preferences(), "written since"));
        if (meanwhile == u"empty trash"_s)
            QVERIFY(QDir(trash + u"/files/org.p0deje.Maccy"_s).removeRecursively());

        QVERIFY(finish(engine.undoRemoval(maccy())));

        QCOMPARE(fileBytes(bundle + u"/Contents/Info.plist"_s), plist);
        QCOMPARE(fileBytes(support() + u"/history.db"_s), supportBack ? binaryContent(1) : QByteArray());
        QCOMPARE(fileBytes(preferences()),
            meanwhile == u"new preferences"_s ? QByteArray("written since") : binaryContent(2));
        const InstallState state = *engine.state(u"maccy"_s);
        if (meanwhile.isEmpty()) {
            QCOMPARE(state, InstallState::installed());
            // The Trash keeps no note of what left it.
            QCOMPARE(entriesOf(trash + u"/info"_s), QStringList());
        } else {
            QCOMPARE(state.kind, InstallState::Kind::Failed);
            const QString which = supportBack ? preferences() : u"“org.p0deje.Maccy”"_s;
            QVERIFY2(state.text.contains(which), qPrintable(state.text));
        }
        QVERIFY(!engine.canUndoRemoval(u"maccy"_s));
    }

    void undoReinstallsACaskFirst()
    {
        QVERIFY(m_sandbox->installFakeBrew());
        QVERIFY(m_sandbox->registerCask(u"maccy"_s, u"Maccy"_s, bundleID));
        InstallEngine engine(m_sandbox->environment());
        QVERIFY(finish(engine.install(maccy())));
        QVERIFY(finish(engine.uninstall(maccy())));
        QVERIFY(!QFileInfo::exists(preferences()));
        QVERIFY(finish(engine.undoRemoval(maccy())));
        QCOMPARE(
            m_sandbox->brewCalls().mid(1), (QStringList { u"uninstall --cask maccy"_s, u"install --cask maccy"_s }));
        QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::installed()));
        QCOMPARE(fileBytes(preferences()), binaryContent(2));
    }
};

QTEST_GUILESS_MAIN(TestRemovalUndo)
#include "TestRemovalUndo.moc"
