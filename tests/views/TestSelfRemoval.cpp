// Self-removal against sandbox installations, with the real /bin/sh doing the deleting.
#include "views/SelfRemoval.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int shellTimeoutMs = 15000;

void writeFile(const QString &path, const QByteArray &content = QByteArray("x"))
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void makeBundle(const QString &path)
{
    writeFile(path + u"/Contents/Info.plist"_s,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
        "<key>CFBundleIdentifier</key><string>app.orvando.Orvando</string></dict></plist>\n");
    writeFile(path + u"/Contents/MacOS/orvando"_s);
}

} // namespace

class TestSelfRemoval : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_oldCurrent;
    QByteArray m_oldHome;

    QString at(const QString &relative) const { return QDir(m_root->path()).absoluteFilePath(relative); }

    // Deletes a bundle of its own and waits for it to vanish: any shell started earlier, which
    // sleeps no longer, has then done its work too.
    void waitForEarlierShells()
    {
        const QString sentinel = at(u"sentinel.app"_s);
        makeBundle(sentinel);
        QVERIFY(SelfRemoval::removeAndQuit(sentinel, {}));
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(sentinel), shellTimeoutMs);
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        // Whatever a broken command would write or delete by a relative path lands in the sandbox.
        m_oldCurrent = QDir::currentPath();
        QDir::setCurrent(m_root->path());
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", at(u"home"_s).toUtf8());
        QVERIFY(QDir().mkpath(at(u"home"_s)));
    }

    void cleanup()
    {
        QDir::setCurrent(m_oldCurrent);
        qputenv("HOME", m_oldHome);
        m_root.reset();
    }

    void quotedPathReachesTheShellUnchanged_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << u"/Applications/Orvando.app"_s;
        QTest::newRow("single quote") << u"/Users/bob/Bob's Apps/Orvando.app"_s;
        QTest::newRow("quotes at both ends") << u"'/x/y'"_s;
        QTest::newRow("already escaped quote") << u"/a'\\''b"_s;
        QTest::newRow("substitutions") << u"/tmp/$(echo no) `echo no` $HOME/Orvando.app"_s;
        QTest::newRow("glob, semicolon, newline") << u"/tmp/* ; echo no\n/x.app"_s;
        QTest::newRow("non-ASCII") << u"/Users/zoë/Programme/Orvando ✓.app"_s;
    }

    void quotedPathReachesTheShellUnchanged()
    {
        QFETCH(QString, path);
        QProcess shell;
        shell.start(u"/bin/sh"_s, { u"-c"_s, u"printf '%s' "_s + SelfRemoval::shellQuoted(path) });
        QVERIFY(shell.waitForFinished(shellTimeoutMs));
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), path);
    }

    void commandWaitsThenDeletes()
    {
        QCOMPARE(SelfRemoval::removalCommand(u"/A/Bob's.app"_s), u"sleep 1; rm -rf '/A/Bob'\\''s.app'"_s);
    }

    void deletesOwnInstallationOnly_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("bundle"); // false: a marked install prefix
        QTest::newRow("bundle") << u"Orvando.app"_s << true;
        QTest::newRow("bundle with a single quote") << u"Bob's Orvando.app"_s << true;
        // Quoted naively, this path would split into separate arguments, one of them "victim".
        QTest::newRow("quotes that would split off the victim") << u"a' 'victim' 'b.app"_s << true;
        QTest::newRow("substitution in the name") << u"$(touch pwned) `touch pwned2`.app"_s << true;
        QTest::newRow("marked install prefix") << u"opt/orvando"_s << false;
    }

    void deletesOwnInstallationOnly()
    {
        QFETCH(QString, relative);
        QFETCH(bool, bundle);
        const QString target = at(relative);
        if (bundle) {
            makeBundle(target);
        } else {
            writeFile(target + u"/bin/orvando"_s);
            writeFile(target + u'/' + SelfRemoval::markerFileName());
        }
        writeFile(at(u"victim/keep.txt"_s));
        writeFile(at(u"Other.app/Contents/Info.plist"_s));

        int quits = 0;
        QVERIFY(SelfRemoval::removeAndQuit(target, [&quits] { ++quits; }));
        QCOMPARE(quits, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(target), shellTimeoutMs);

        QVERIFY(QFileInfo::exists(at(u"victim/keep.txt"_s)));
        QVERIFY(QFileInfo::exists(at(u"Other.app/Contents/Info.plist"_s)));
        QVERIFY(!QFileInfo::exists(at(u"pwned"_s)));
        QVERIFY(!QFileInfo::exists(at(u"pwned2"_s)));
        QVERIFY(QFileInfo::exists(QFileInfo(target).absolutePath()));
    }

    void refusesAnythingElse_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("path"); // relative to the sandbox unless absolute
        QTest::newRow("build folder") << u"build"_s << u"build"_s;
        QTest::newRow(".app without Info.plist") << u"noplist"_s << u"Empty.app"_s;
        QTest::newRow("file named .app") << u"file"_s << u"File.app"_s;
        QTest::newRow("link to a bundle") << u"link"_s << u"Link.app"_s;
        QTest::newRow("relative path") << u"bundle"_s << u"Real.app"_s;
        QTest::newRow("missing") << u"none"_s << u"Gone.app"_s;
        QTest::newRow("empty path") << u"none"_s << QString();
        QTest::newRow("marked home folder") << u"home"_s << u"home"_s;
        QTest::newRow("marked folder above home") << u"above"_s << QString();
    }

    void refusesAnythingElse()
    {
        QFETCH(QString, setup);
        QFETCH(QString, path);
        QString target = path.isEmpty() ? QString() : at(path);
        if (setup == u"build"_s) {
            writeFile(target + u"/src/app/orvando"_s);
            writeFile(target + u"/CMakeCache.txt"_s);
        } else if (setup == u"noplist"_s) {
            writeFile(target + u"/Contents/MacOS/orvando"_s);
        } else if (setup == u"file"_s) {
            writeFile(target);
        } else if (setup == u"link"_s) {
            makeBundle(at(u"Real.app"_s));
            QVERIFY(QFile::link(at(u"Real.app"_s), target));
        } else if (setup == u"bundle"_s) {
            makeBundle(target);
            target = path; // as given, relative
        } else if (setup == u"home"_s) {
            writeFile(target + u'/' + SelfRemoval::markerFileName());
        } else if (setup == u"above"_s) {
            target = m_root->path();
            writeFile(target + u'/' + SelfRemoval::markerFileName());
        }
        const QString watched = target.isEmpty() ? m_root->path() : at(target);
        const bool existed = QFileInfo::exists(watched);

        int quits = 0;
        QVERIFY(!SelfRemoval::removeAndQuit(target, [&quits] { ++quits; }));
        QCOMPARE(quits, 1);
        waitForEarlierShells();
        QCOMPARE(QFileInfo::exists(watched), existed);
        if (setup == u"link"_s)
            QVERIFY(QFileInfo::exists(at(u"Real.app/Contents/Info.plist"_s)));
    }

    void runningFromABuildTreeIsNoInstallation()
    {
        // This test runs from the build folder, which the removal must leave alone.
        const QString own = SelfRemoval::installationPath();
        QCOMPARE(own, QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/.."_s));
        QVERIFY(!SelfRemoval::isOwnInstallation(own));
    }
};

QTEST_GUILESS_MAIN(TestSelfRemoval)
#include "TestSelfRemoval.moc"
