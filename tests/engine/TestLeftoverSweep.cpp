#include "engine/InstallEngine.h"
#include "engine/LeftoverSweep.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString bundleID = u"com.knollsoft.Rectangle"_s;

// Every file and folder under root, relative to it, sorted: what a sweep may not touch shows up.
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(
        root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(root).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace

class TestLeftoverSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deletesWhatExistsAndReportsItInOrder_data()
    {
        QTest::addColumn<QList<int>>("present"); // indexes into the eight places

        QTest::newRow("none") << QList<int>();
        QTest::newRow("all eight") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("some, out of order on disk") << QList<int> { 7, 1, 5 };
    }

    void deletesWhatExistsAndReportsItInOrder()
    {
        QFETCH(QList<int>, present);
        Sandbox sandbox;
        const Environment env = sandbox.environment();
        QStringList paths;
        for (const QString &place :
            { u"Application Support/%1"_s, u"Caches/%1"_s, u"Containers/%1"_s, u"HTTPStorages/%1"_s, u"Logs/%1"_s,
                u"Preferences/%1.plist"_s, u"Saved Application State/%1.savedState"_s, u"LaunchAgents/%1.plist"_s })
            paths.append(sandbox.home() + u"/Library/"_s + place.arg(bundleID));
        QCOMPARE(InstallEngine::leftoverPaths(env, bundleID), paths);
        // Neighbours that only share a prefix with the identifier must survive.
        QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/Caches/com.knollsoft.Rectangle2/keep"_s, "k"));
        QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/Preferences/com.knollsoft.plist"_s, "k"));
        for (const int index : present) {
            const QString &path = paths.at(index);
            // Files for the plists, folders with content for the others.
            if (path.endsWith(u".plist"_s))
                QVERIFY(Sandbox::writeFile(path, "<plist/>"));
            else
                QVERIFY(Sandbox::writeFile(path + u"/nested/data.bin"_s, "data"));
        }
        QStringList expected;
        for (int index = 0; index < paths.size(); ++index) {
            if (present.contains(index))
                expected.append(paths.at(index));
        }

        QCOMPARE(InstallEngine::sweepLeftovers(env, bundleID), expected);
        for (const QString &path : paths)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        QVERIFY(QFile::exists(sandbox.home() + u"/Library/Caches/com.knollsoft.Rectangle2/keep"_s));
        QVERIFY(QFile::exists(sandbox.home() + u"/Library/Preferences/com.knollsoft.plist"_s));
        QCOMPARE(InstallEngine::sweepLeftovers(env, bundleID), QStringList());
    }

    // A link in place of an entry is removed, never what it points to; a Library or a location that
    // links out of the home is not swept at all.
    void staysInsideTheHomeLibrary_data()
    {
        QTest::addColumn<QString>("link"); // in the home folder; "{id}" stands for the identifier
        QTest::addColumn<QString>("target"); // relative to the sandbox
        QTest::addColumn<QString>("data"); // a file relative to the sandbox
        QTest::addColumn<QString>("swept"); // the entry reported, relative to the home; empty: none
        QTest::addColumn<bool>("dataKept");
        QTest::newRow("an entry links out") << u"Library/Caches/{id}"_s << u"precious"_s << u"precious/thesis.txt"_s
                                            << u"Library/Caches/{id}"_s << true;
        QTest::newRow("a plist links out") << u"Library/Preferences/{id}.plist"_s << u"precious.plist"_s
                                           << u"precious.plist"_s << u"Library/Preferences/{id}.plist"_s << true;
        QTest::newRow("Caches links out of the home")
            << u"Library/Caches"_s << u"outside/Caches"_s << u"outside/Caches/{id}/cache.bin"_s << QString() << true;
        QTest::newRow("Library links out of the home")
            << u"Library"_s << u"outside/Library"_s << u"outside/Library/Caches/{id}/cache.bin"_s << QString() << true;
        QTest::newRow("Caches links within the Library")
            << u"Library/Caches"_s << u"home/Library/Moved"_s << u"home/Library/Moved/{id}/cache.bin"_s
            << u"Library/Caches/{id}"_s << false;
    }

    void staysInsideTheHomeLibrary()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QString, data);
        QFETCH(QString, swept);
        QFETCH(bool, dataKept);
        const auto withID = [](QString path) { return path.replace(u"{id}"_s, bundleID); };
        Sandbox sandbox;
        const QString root = sandbox.root() + u'/', linkPath = sandbox.home() + u'/' + withID(link);
        QVERIFY(Sandbox::writeFile(root + withID(data), "data"));
        QVERIFY(QDir(linkPath).removeRecursively() && QDir().mkpath(QFileInfo(linkPath).absolutePath()));
        QVERIFY(QFile::link(root + target, linkPath));

        QCOMPARE(InstallEngine::sweepLeftovers(sandbox.environment(), bundleID),
            swept.isEmpty() ? QStringList() : QStringList { sandbox.home() + u'/' + withID(swept) });
        QCOMPARE(QFile::exists(root + withID(data)), dataKept);
        QCOMPARE(QFileInfo(linkPath).isSymLink(), swept != link);
    }

    void refusesIdentifiersThatReachPastAnEntry_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::newRow("empty: the whole location") << QString();
        QTest::newRow("dot: the whole location") << u"."_s;
        QTest::newRow("dot dot: the Library itself") << u".."_s;
        QTest::newRow("climbing out") << u"../../precious"_s;
        QTest::newRow("a slash inside") << u"com.example/../.."_s;
        QTest::newRow("NUL cuts the name short") << u"\0"_s;
    }

    void refusesIdentifiersThatReachPastAnEntry()
    {
        QFETCH(QString, identifier);
        Sandbox sandbox;
        const Environment env = sandbox.environment();
        // A Library full of other applications' files, and something precious beside it.
        for (const QString &location : LeftoverSweep::locations())
            QVERIFY(Sandbox::writeFile(sandbox.home() + u"/Library/"_s + location + u"/org.other.App/file"_s, "x"));
        QVERIFY(Sandbox::writeFile(sandbox.root() + u"/precious/thesis.txt"_s, "x"));
        QVERIFY(QDir().mkpath(sandbox.home() + u"/Library/Caches/com.example"_s));
        const QStringList before = tree(sandbox.root());

        QVERIFY(!LeftoverSweep::isSafeBundleID(identifier));
        QCOMPARE(InstallEngine::leftoverPaths(env, identifier), QStringList());
        QCOMPARE(InstallEngine::sweepLeftovers(env, identifier), QStringList());
        QCOMPARE(tree(sandbox.root()), before);
    }

    void refusesAHomeThatIsNoFolder_data()
    {
        QTest::addColumn<QString>("home");
        QTest::newRow("empty: would be the system's Library") << QString();
        QTest::newRow("relative") << u"Users/someone"_s;
        QTest::newRow("the root folder") << u"/"_s;
    }

    void refusesAHomeThatIsNoFolder()
    {
        QFETCH(QString, home);
        QCOMPARE(LeftoverSweep::paths(home, bundleID), QStringList());
        QCOMPARE(LeftoverSweep::sweep(home, bundleID), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLeftoverSweep)
#include "TestLeftoverSweep.moc"
