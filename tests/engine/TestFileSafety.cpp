// What an operation writes or removes stays its own: downloads no larger than announced, work
// folders made fresh, leftovers swept only inside the home's Library and kept in the Trash.
#include "engine/AppArchiveInstaller.h"
#include "engine/GitHubReleaseClient.h"
#include "engine/InstallEngine.h"
#include "support/EngineTestKit.h"
#include "support/LocalHttpServer.h"
#include "support/Sandbox.h"
#include "support/ScopedEnvironmentVariable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace EngineTestKit;

namespace {

const QString bundleID = u"org.p0deje.Maccy"_s;

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void downloadsStopPastTheAnnouncedSize_data();
    void downloadsStopPastTheAnnouncedSize();
    void workFoldersAreFreshAndNeverFollowed();
    void sweepStaysInsideTheHomeLibrary_data();
    void sweepStaysInsideTheHomeLibrary();
    void whatTheTrashRefusesIsDeletedAndLogged();
};

void TestFileSafety::downloadsStopPastTheAnnouncedSize_data()
{
    QTest::addColumn<qint64>("announced"); // -1: not announced
    QTest::addColumn<bool>("accepted");
    QTest::newRow("more than announced") << qint64(1000) << false;
    QTest::newRow("as announced") << qint64(300000) << true;
    QTest::newRow("not announced") << qint64(-1) << true;
}

void TestFileSafety::downloadsStopPastTheAnnouncedSize()
{
    QFETCH(qint64, announced);
    QFETCH(bool, accepted);
    QTemporaryDir folder;
    LocalHttpServer server;
    server.serve("/asset.zip", QByteArray(300000, 'z'), 200, "application/zip");
    GitHubReleaseClient client(server.url(), folder.path());

    std::optional<Outcome<QString>> result;
    client.download(server.url(u"/asset.zip"_s), {}, announced).then([&result](Outcome<QString> r) { result = r; });
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 30000);
    QCOMPARE(result->succeeded(), accepted);
    if (!accepted) {
        QCOMPARE(result->error.description, u"The download from 127.0.0.1 was larger than announced."_s);
        QCOMPARE(entriesOf(folder.path()), QStringList());
    } else {
        QCOMPARE(QFileInfo(**result).size(), 300000);
    }
}

void TestFileSafety::workFoldersAreFreshAndNeverFollowed()
{
    Sandbox sandbox;
    QVERIFY(Sandbox::writeFile(sandbox.root() + u"/victim/keep"_s, "mine"));
    std::unique_ptr<QTemporaryDir> work = OperationCoordinator::makeWorkFolder(sandbox.tempDir(), u"dl"_s);
    const std::unique_ptr<QTemporaryDir> other = OperationCoordinator::makeWorkFolder(sandbox.tempDir(), u"dl"_s);
    QVERIFY(work && other && work->path() != other->path());
    QVERIFY(QFileInfo(work->path()).fileName().startsWith(u"orvando-dl-"_s));
    QCOMPARE(QFileInfo(work->path()).permissions() & 0x0077, QFile::Permissions());

    // A link planted where the unpacked files go is neither emptied nor unpacked into.
    QVERIFY(QFile::link(sandbox.root() + u"/victim"_s, work->filePath(u"unpacked"_s)));
    QVERIFY(Sandbox::writeFile(work->filePath(u"download"_s), "PK\x03\x04"));
    QVERIFY(
        !AppArchiveInstaller(sandbox.environment()).install(work->filePath(u"download"_s), work->path()).succeeded());
    work.reset(); // removes the folder, and the link in it, without following it
    QCOMPARE(entriesOf(sandbox.root() + u"/victim"_s), QStringList { u"keep"_s });
    QCOMPARE(entriesOf(sandbox.tempDir()), QStringList { QFileInfo(other->path()).fileName() });
}

void TestFileSafety::sweepStaysInsideTheHomeLibrary_data()
{
    QTest::addColumn<QString>("link"); // in the home folder
    QTest::addColumn<QString>("target"); // relative to the sandbox
    QTest::addColumn<bool>("swept");
    QTest::newRow("Caches links out of the home") << u"Library/Caches"_s << u"outside/Caches"_s << false;
    QTest::newRow("Library links out of the home") << u"Library"_s << u"outside/Library"_s << false;
    QTest::newRow("Caches links within the Library") << u"Library/Caches"_s << u"home/Library/Moved"_s << true;
}

void TestFileSafety::sweepStaysInsideTheHomeLibrary()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(bool, swept);
    Sandbox sandbox;
    const QString real = sandbox.root() + u'/' + target;
    const QString cache = real + (link.endsWith(u"Caches"_s) ? u"/"_s : u"/Caches/"_s) + bundleID;
    QVERIFY(Sandbox::writeFile(cache + u"/cache.bin"_s, "data"));
    QVERIFY(QDir().mkpath(sandbox.home() + u"/Library"_s));
    if (link == u"Library"_s)
        QVERIFY(QDir(sandbox.home() + u"/Library"_s).removeRecursively());
    QVERIFY(QFile::link(real, sandbox.home() + u'/' + link));

    const QString cachePath = InstallEngine::leftoverPaths(sandbox.environment(), bundleID).at(1);
    QCOMPARE(InstallEngine::sweepLeftovers(sandbox.environment(), bundleID),
        swept ? QStringList { cachePath } : QStringList());
    QCOMPARE(QFile::exists(cache + u"/cache.bin"_s), !swept);
}

void TestFileSafety::whatTheTrashRefusesIsDeletedAndLogged()
{
    Sandbox sandbox;
    QVERIFY(Sandbox::writeFile(sandbox.root() + u"/not-a-folder"_s, "x"));
    ScopedEnvironmentVariable noTrash("XDG_DATA_HOME", (sandbox.root() + u"/not-a-folder/share"_s).toUtf8());
    QVERIFY(sandbox.installFakeBrew() && sandbox.registerCask(u"maccy"_s, u"Maccy"_s, bundleID));
    InstallEngine engine(sandbox.environment());
    QVERIFY(finish(engine.install(maccy())));
    const QString prefs = InstallEngine::leftoverPaths(sandbox.environment(), bundleID).at(5);
    QVERIFY(Sandbox::writeFile(prefs, "<plist/>"));

    QVERIFY(finish(engine.uninstall(maccy())));
    QCOMPARE(engine.state(u"maccy"_s), std::optional(InstallState::notInstalled()));
    QVERIFY(!QFile::exists(prefs));
    QCOMPARE(logTexts(engine).last(), u"note: The Trash did not take "_s + prefs + u", so it was deleted."_s);
}

QTEST_GUILESS_MAIN(TestFileSafety)
#include "TestFileSafety.moc"
