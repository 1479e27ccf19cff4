#include "engine/InstallEngine.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHumanize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turnsBrewLinesIntoNotes_data();
    void turnsBrewLinesIntoNotes();
};

void TestHumanize::turnsBrewLinesIntoNotes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("note");

    QTest::newRow("download") << u"==> Downloading https://example.com/Maccy.zip"_s << u"Downloading Maccy."_s;
    QTest::newRow("any case") << u"DOWNLOADING the cask"_s << u"Downloading Maccy."_s;
    QTest::newRow("install") << u"==> Installing Cask maccy"_s << u"Installing Maccy."_s;
    QTest::newRow("pour") << u"==> Pouring maccy--1.0.bottle.tar.gz"_s << u"Installing Maccy."_s;
    QTest::newRow("link") << u"==> Linking Binary 'maccy'"_s << u"Putting Maccy in place."_s;
    QTest::newRow("move") << u"==> Moving App 'Maccy.app' to '/Applications/Maccy.app'"_s
                          << u"Putting Maccy in place."_s;
    QTest::newRow("caveats, without the name") << u"==> Caveats"_s << u"Almost done."_s;
    QTest::newRow("nothing known") << u"==> Fetching downloads for: maccy"_s << u"Working on Maccy."_s;
    QTest::newRow("download without -ing") << u"Error: Download failed"_s << u"Working on Maccy."_s;
    QTest::newRow("empty") << QString() << u"Working on Maccy."_s;

    // Plain substrings, tested in a fixed order: the first row that matches wins.
    QTest::newRow("uninstalling holds installing") << u"==> Uninstalling Cask maccy"_s << u"Installing Maccy."_s;
    QTest::newRow("downloading before installing") << u"installing after downloading"_s << u"Downloading Maccy."_s;
    QTest::newRow("pouring before linking") << u"linking what pouring left"_s << u"Installing Maccy."_s;
    QTest::newRow("linking before caveats") << u"caveats about linking"_s << u"Putting Maccy in place."_s;
    QTest::newRow("inside a word") << u"unmoving"_s << u"Putting Maccy in place."_s;
}

void TestHumanize::turnsBrewLinesIntoNotes()
{
    QFETCH(QString, line);
    QFETCH(QString, note);
    CatalogApp app;
    app.id = u"maccy"_s;
    app.name = u"Maccy"_s;
    QCOMPARE(InstallEngine::humanize(line, app), note);
}

QTEST_GUILESS_MAIN(TestHumanize)
#include "TestHumanize.moc"
