#include "engine/HomebrewSetupCommand.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What AppleScript makes of the text between the quotes of a string literal.
QString appleScriptLiteralValue(const QString &quoted)
{
    QString value;
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (quoted.at(i) == u'\\' && i + 1 < quoted.size())
            ++i;
        else if (quoted.at(i) == u'"')
            return u"<unescaped quote ends the literal>"_s;
        value.append(quoted.at(i));
    }
    return value;
}

// Runs a command line the way "do shell script" does: /bin/sh -c.
int runShell(const QString &commandLine, QString *output = nullptr)
{
    QProcess shell;
    shell.start(u"/bin/sh"_s, { u"-c"_s, commandLine });
    if (!shell.waitForFinished(30000))
        return -1;
    if (output)
        *output = QString::fromUtf8(shell.readAllStandardOutput());
    return shell.exitCode();
}

} // namespace

class TestHomebrewSetupCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shellQuotingKeepsAnyPathOneWord_data();
    void shellQuotingKeepsAnyPathOneWord();
    void appleScriptQuotingEscapesBackslashesFirst_data();
    void appleScriptQuotingEscapesBackslashesFirst();
    void aLogPathSurvivesBothQuotingsIntoTheShell();
};

void TestHomebrewSetupCommand::shellQuotingKeepsAnyPathOneWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain path unchanged")
        << u"/var/folders/T/orvando-501/a.log"_s << u"'/var/folders/T/orvando-501/a.log'"_s;
    QTest::newRow("single quote") << u"it's"_s << u"'it'\\''s'"_s;
    QTest::newRow("only quotes") << u"''"_s << u"''\\'''\\'''"_s;
    QTest::newRow("double quote and backslash kept") << u"a\"b\\c"_s << u"'a\"b\\c'"_s;
    QTest::newRow("expansions stay literal") << u"$(rm -rf x) `id` $HOME *"_s << u"'$(rm -rf x) `id` $HOME *'"_s;
    QTest::newRow("spaces and line break") << u"My Folder/x\ny"_s << u"'My Folder/x\ny'"_s;
    QTest::newRow("empty") << QString() << u"''"_s;
}

void TestHomebrewSetupCommand::shellQuotingKeepsAnyPathOneWord()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(HomebrewSetupCommand::shellQuoted(text), quoted);

    // The shell must hand the text back as exactly one argument, byte for byte.
    QString output;
    QCOMPARE(runShell(u"printf '%s|' "_s + HomebrewSetupCommand::shellQuoted(text), &output), 0);
    QCOMPARE(output, text + u'|');
}

void TestHomebrewSetupCommand::appleScriptQuotingEscapesBackslashesFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("nothing to escape") << u"echo 'hi' > /tmp/x"_s << u"echo 'hi' > /tmp/x"_s;
    QTest::newRow("backslash doubled") << u"a\\b"_s << u"a\\\\b"_s;
    QTest::newRow("double quote escaped") << u"say \"hi\""_s << u"say \\\"hi\\\""_s;
    QTest::newRow("escaped quote: backslash not doubled twice") << u"\\\""_s << u"\\\\\\\""_s;
    QTest::newRow("shell escape of a single quote") << u"'\\''"_s << u"'\\\\''"_s;
}

void TestHomebrewSetupCommand::appleScriptQuotingEscapesBackslashesFirst()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(HomebrewSetupCommand::appleScriptQuoted(text), quoted);
    QCOMPARE(appleScriptLiteralValue(quoted), text);
}

void TestHomebrewSetupCommand::aLogPathSurvivesBothQuotingsIntoTheShell()
{
    const QString folderName = u"a'b\"c\\d $(touch pwned) `x`"_s;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(folderName));
    HomebrewSetupCommand::PackageInstall install;
    install.package = dir.path() + u'/' + folderName + u"/Homebrew.pkg"_s;
    install.folder = dir.path() + u'/' + folderName + u"/root"_s;
    install.ownerUid = ::getuid();
    install.shasum = u"/usr/bin/shasum"_s;
    install.pkgutil = dir.path() + u'/' + folderName + u"/pkgutil"_s;
    QFile package(install.package);
    QVERIFY(package.open(QIODevice::WriteOnly) && package.write("xar!") == 4);
    package.close();
    install.sha256 = u"5f4ac91b3fc5c14dd83320727f8a5a5c53cac3afa6274227bb248a64aceab54f"_s; // of "xar!"

    // The command the shell finally runs is what AppleScript makes of the literal.
    const QString source
        = HomebrewSetupCommand::appleScriptSource(HomebrewSetupCommand::installerPackageCommand(install));
    const QString prefix = u"do shell script \""_s;
    const QString suffix = u"\" with administrator privileges"_s;
    QVERIFY(source.startsWith(prefix) && source.endsWith(suffix));
    const QString command
        = appleScriptLiteralValue(source.mid(prefix.size(), source.size() - prefix.size() - suffix.size()));
    QCOMPARE(command, HomebrewSetupCommand::installerPackageCommand(install));

    // No pkgutil here: the shell's complaint about it lands in the log, at exactly that path.
    QVERIFY(runShell(command) != 0);
    QFile file(HomebrewSetupCommand::packageLogPath(install.folder));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("pkgutil"));
    QFile check(HomebrewSetupCommand::failedCheckPath(install.folder));
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("signature\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { folderName });
    QVERIFY(!QFile::exists(u"pwned"_s));
}

QTEST_GUILESS_MAIN(TestHomebrewSetupCommand)
#include "TestHomebrewSetupCommand.moc"
