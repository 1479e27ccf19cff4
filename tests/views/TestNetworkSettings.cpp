#include "engine/homebrew/BrewNetwork.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "views/settings/NetworkSection.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Settings › Network: a mirror is kept once it is a valid https address, cleared when emptied,
// and anything else is held back with a sentence saying why.
class TestNetworkSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsOnlyValidMirrors_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<QString>>("kept");
        QTest::addColumn<bool>("problem");
        QTest::newRow("API mirror") << 0 << u"https://mirrors.example.cn/homebrew-bottles/api"_s
                                    << std::optional(u"https://mirrors.example.cn/homebrew-bottles/api"_s) << false;
        QTest::newRow("bottle mirror, spaces trimmed")
            << 1 << u"  https://mirrors.example.cn/bottles "_s << std::optional(u"https://mirrors.example.cn/bottles"_s)
            << false;
        QTest::newRow("plain http is held back")
            << 2 << u"http://mirrors.example.cn"_s << std::optional(u"https://old.example"_s) << true;
        QTest::newRow("no host") << 0 << u"https://"_s << std::optional<QString>() << true;
        QTest::newRow("emptied: cleared") << 2 << QString() << std::optional<QString>() << false;
    }

    void keepsOnlyValidMirrors()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(std::optional<QString>, kept);
        QFETCH(bool, problem);
        QTemporaryDir folder;
        UserDefaults defaults(folder.filePath(u"defaults.ini"_s));
        defaults.setString(SettingsKeys::homebrewArtifactMirror(), u"https://old.example"_s);
        NetworkSection section(&defaults);
        section.show();
        // What is kept is what the sheet shows on opening.
        QCOMPARE(section.field(2)->text(), u"https://old.example"_s);
        QCOMPARE(section.field(0)->accessibleName(), u"Homebrew API mirror"_s);

        QLineEdit *edit = section.field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);

        const QString key = BrewNetwork::mirrors().at(field).key;
        QCOMPARE(defaults.stringValue(key), kept);
        QCOMPARE(section.problem(field)->isVisibleTo(&section), problem);
        QCOMPARE(edit->accessibleDescription(), problem ? section.problem(field)->text() : QString());
        if (problem)
            QVERIFY(section.problem(field)->text().startsWith(u"A mirror address starts with https://"_s));
    }
};

QTEST_MAIN(TestNetworkSettings)
#include "TestNetworkSettings.moc"
