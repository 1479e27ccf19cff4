// The words the card, the detail sheet and the command line share about an app: the permissions it
// asks for, what Gatekeeper made of the installed copy, and "Before you install".
#include "translations/Translations.h"

#include "engine/DownloadProgress.h"
#include "engine/facts/BeforeInstallFacts.h"
#include "engine/facts/CaskFactsText.h"
#include "engine/facts/GatekeeperVerdict.h"
#include "engine/facts/PermissionGuidance.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Permission = PermissionGuidance::Permission;
using Verdict = GatekeeperAssessment::Verdict;

namespace {

CatalogApp app(const QString &id, const QString &name, bool direct = false)
{
    CatalogApp app;
    app.id = id;
    app.name = name;
    app.install
        = direct ? InstallSource::directDownload({ u"owner/"_s + id, {}, {} }) : InstallSource::homebrewCask(id);
    return app;
}

// The panes an app needs, as one line.
QString panes(const CatalogApp &app)
{
    QStringList names;
    for (const Permission permission : PermissionGuidance::needed(app))
        names.append(PermissionGuidance::pane(permission));
    return names.join(u", "_s);
}

// The rows as "Title: value", a row left out as "Title: -", then the checksum's state (the command
// line's JSON tells the three apart) and whether the app updates itself.
QString rows(const BeforeInstallFacts &facts)
{
    static const QStringList states { u"unknown"_s, u"verified"_s, u"not verified"_s };
    QStringList lines;
    for (const BeforeInstallFacts::Row &row : facts.rows())
        lines.append(row.title + u": "_s + (row.value.isEmpty() ? u"-"_s : row.value));
    lines.append(states.at(int(facts.checksum)));
    if (facts.updatesItself)
        lines.append(u"updates itself"_s);
    return lines.join(u" | "_s);
}

} // namespace

class TestFactsTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysTheSameInEveryFrontEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const CatalogApp rectangle = app(u"rectangle"_s, u"Rectangle"_s), shottr = app(u"shottr"_s, u"Shottr"_s);

        QTest::newRow("permissions: one") << panes(rectangle) << u"Accessibility"_s;
        QTest::newRow("permissions: other") << panes(shottr) << u"Screen Recording"_s;
        QTest::newRow("permissions: none") << panes(app(u"maccy"_s, u"Maccy"_s)) << QString();
        QTest::newRow("sheet and command line: accessibility")
            << PermissionGuidance::required(Permission::Accessibility, u"Rectangle"_s)
            << u"Permission required: Rectangle needs Accessibility permission to work. It will ask on first launch — "
               u"turn it on in System Settings › Privacy & Security › Accessibility, then switch on Rectangle."_s;
        QTest::newRow("sheet and command line: screen recording")
            << PermissionGuidance::required(Permission::ScreenRecording, u"Shottr"_s)
            << u"Permission required: Shottr needs Screen Recording permission to capture your screen. It will ask on "
               u"first launch — turn it on in System Settings › Privacy & Security › Screen Recording, then switch "
               u"on Shottr."_s;
        QTest::newRow("card: accessibility")
            << PermissionGuidance::prompt(Permission::Accessibility, u"Rectangle"_s)
            << u"Rectangle needs Accessibility permission to work. On first launch it will ask — turn it on:"_s;
        QTest::newRow("card: screen recording") << PermissionGuidance::prompt(Permission::ScreenRecording,
            u"Shottr"_s) << u"Shottr needs Screen Recording permission to capture your screen. Turn it on:"_s;
        QTest::newRow("card: button") << PermissionGuidance::openPane(Permission::Accessibility)
                                      << u"Open System Settings › Accessibility"_s;
        QTest::newRow("card: left behind")
            << PermissionGuidance::accessibilityLeftover(u"Rectangle"_s)
            << u"Removed Rectangle. We could not clear its Accessibility permission automatically. You can remove the "
               u"leftover entry in System Settings > Privacy & Security > Accessibility."_s;

        QTest::newRow("Gatekeeper: not checked") << GatekeeperVerdict::text({}) << u"Not checked on this computer"_s;
        QTest::newRow("Gatekeeper: accepted, signed")
            << GatekeeperVerdict::text({ Verdict::Accepted, u"Notarized Developer ID"_s, u"Developer ID: J (AB12)"_s })
            << u"Accepted: Notarized Developer ID (Developer ID: J (AB12))"_s;
        QTest::newRow("Gatekeeper: accepted, no origin")
            << GatekeeperVerdict::text({ Verdict::Accepted, u"Apple System"_s, {} }) << u"Accepted: Apple System"_s;
        QTest::newRow("Gatekeeper: rejected")
            << GatekeeperVerdict::text({ Verdict::Rejected, u"no usable signature"_s, {} })
            << u"Rejected: no usable signature"_s;

        CaskFacts cask;
        cask.version = u"3.6.1"_s;
        cask.downloadHost = u"github.com"_s;
        cask.checksum = CaskFacts::Checksum::Verified;
        cask.autoUpdates = true;
        QTest::newRow("before: cask")
            << rows(BeforeInstallFacts::of(rectangle, cask, std::nullopt))
            << u"Version: 3.6.1 (from Homebrew) | Download from: github.com | Checksum: Checksum verified by Homebrew "
               u"| Size: - | verified | updates itself"_s;
        QTest::newRow("before: release")
            << rows(BeforeInstallFacts::of(app(u"x"_s, u"X"_s, true), std::nullopt,
                   ReleaseFacts { u"v2.0.1"_s, 12'345'678, false, u"objects.githubusercontent.com"_s }))
            << u"Version: 2.0.1 (from GitHub) | Download from: objects.githubusercontent.com | Checksum: Not "
               u"verified: GitHub published no digest for this download | Size: 12.3 MB | not verified"_s;
        QTest::newRow("before: nothing known")
            << rows(BeforeInstallFacts::of(shottr, std::nullopt, std::nullopt))
            << u"Version: Not known yet | Download from: Not known yet | Checksum: Not known yet | Size: - | unknown"_s;
        cask.checksum = CaskFacts::Checksum::NotChecked;
        QTest::newRow("before: download changes with every release")
            << rows(BeforeInstallFacts::of(shottr, cask, std::nullopt)).section(u" | "_s, 2, 4)
            << u"Checksum: Not verified: this app's download changes with every release | Size: - | not verified"_s;
        QTest::newRow("before: digest")
            << rows(BeforeInstallFacts::of(app(u"x"_s, u"X"_s, true), std::nullopt, ReleaseFacts { {}, -1, true, {} }))
                   .section(u" | "_s, 2, 4)
            << u"Checksum: Verified against GitHub's published digest | Size: - | verified"_s;
    }
    void saysTheSameInEveryFrontEnd()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    // Figures and dates follow the language in use; a download's size is never grouped by thousands.
    void writesFiguresInTheLanguageInUse_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("figures");
        const QLocale us(QLocale::English, QLocale::UnitedStates), german(QLocale::German, QLocale::Germany);
        QTest::newRow("English") << us << u"1 March 2026 | 12.3 MB | 1.5 MB | 1234.50 GB"_s;
        QTest::newRow("German") << german << u"1 März 2026 | 12,3 MB | 1,5 MB | 1234,50 GB"_s;
    }
    void writesFiguresInTheLanguageInUse()
    {
        QFETCH(QLocale, locale);
        const QLocale before;
        QLocale::setDefault(locale);
        const QString figures = QStringList { CaskFactsText::date(QDate(2026, 3, 1)), CaskFactsText::size(12'345'678),
            DownloadProgress::size(1'500'000), DownloadProgress::size(1'234'500'000'000) }
                                    .join(u" | "_s);
        QLocale::setDefault(before);
        QTEST(figures, "figures");
    }

    // The user looks for these names on screen: each language says what System Settings itself
    // shows there (macOS 14), and keeps the app's name.
    void namesSystemSettingsAsTheMacDoes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("accessibility");
        QTest::addColumn<QString>("screenRecording");
        QTest::newRow("en") << u"en"_s << u"System Settings › Privacy & Security › Accessibility"_s
                            << u"System Settings › Privacy & Security › Screen Recording"_s;
        QTest::newRow("de") << u"de"_s << u"Systemeinstellungen › Datenschutz & Sicherheit › Bedienungshilfen"_s
                            << u"Systemeinstellungen › Datenschutz & Sicherheit › Bildschirmaufnahme"_s;
        QTest::newRow("fr") << u"fr"_s << u"Réglages Système › Confidentialité et sécurité › Accessibilité"_s
                            << u"Réglages Système › Confidentialité et sécurité › Enregistrement de l’écran"_s;
        QTest::newRow("ja") << u"ja"_s << u"システム設定 › プライバシーとセキュリティ › アクセシビリティ"_s
                            << u"システム設定 › プライバシーとセキュリティ › 画面収録"_s;
        QTest::newRow("zh_CN") << u"zh_CN"_s << u"系统设置 › 隐私与安全性 › 辅助功能"_s
                               << u"系统设置 › 隐私与安全性 › 屏幕录制"_s;
    }
    void namesSystemSettingsAsTheMacDoes()
    {
        QFETCH(QString, language);
        QFETCH(QString, accessibility);
        QFETCH(QString, screenRecording);
        Translations::install(QCoreApplication::instance(), QLocale(language));
        using PermissionGuidance::Permission;
        const QStringList texts { PermissionGuidance::where(Permission::Accessibility, u"Rectangle"_s),
            PermissionGuidance::required(Permission::Accessibility, u"Rectangle"_s),
            PermissionGuidance::where(Permission::ScreenRecording, u"Shottr"_s),
            PermissionGuidance::required(Permission::ScreenRecording, u"Shottr"_s) };
        Translations::install(QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
        for (const QString &text : texts.mid(0, 2))
            QVERIFY2(text.contains(accessibility) && text.contains(u"Rectangle"_s), qPrintable(text));
        for (const QString &text : texts.mid(2))
            QVERIFY2(text.contains(screenRecording) && text.contains(u"Shottr"_s), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestFactsTexts)
#include "TestFactsTexts.moc"
