#include "TranslationFiles.h"
#include "translations/PseudoTranslator.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QString tsFile(const QString &language)
{
    return QStringLiteral(ORVANDO_SOURCE_DIR "/resources/translations/orvando_") + language + u".ts"_s;
}

// A Linguist file holding one context with the given messages.
QString writeTs(const QTemporaryDir &dir, const QString &messages)
{
    const QString path = dir.filePath(u"test.ts"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write((u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\">"
                u"<context><name>Card</name>"_s
        + messages + u"</context></TS>\n"_s)
                   .toUtf8());
    return path;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Translations::shipped())
            QTest::newRow(qPrintable(language)) << language;
        QTest::newRow("en (plural forms)") << u"en"_s;
    }

    // The build brings the files up to date with the sources first, so a new or changed text
    // shows here as unfinished until it is translated in every language.
    void everyTextIsTranslated()
    {
        QFETCH(QString, language);
        const QStringList problems = TranslationFiles::problems(tsFile(language), language == u"en"_s);
        for (const QString &problem : problems)
            qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), qPrintable(QString::number(problems.size()) + u" texts need work"_s));
    }

    void theAuditFindsWhatIsWrong_data()
    {
        QTest::addColumn<QString>("messages");
        QTest::addColumn<bool>("onlyPlurals");
        QTest::addColumn<QString>("problem"); // empty: none

        const auto message = [](const QString &source, const QString &translation) {
            return u"<message><source>"_s + source + u"</source><translation>"_s + translation
                + u"</translation></message>"_s;
        };
        QTest::newRow("finished") << message(u"Install %1"_s, u"%1 installieren"_s) << false << QString();
        QTest::newRow("reordered placeholders") << message(u"%1 of %2"_s, u"%2 中的 %1"_s) << false << QString();
        QTest::newRow("unfinished")
            << u"<message><source>Open</source><translation type=\"unfinished\"></translation></message>"_s << false
            << u"has no finished translation"_s;
        QTest::newRow("blank") << message(u"Open"_s, u"  "_s) << false << u"has no finished translation"_s;
        QTest::newRow("placeholder lost")
            << message(u"Install %1"_s, u"Installieren"_s) << false << u"has placeholders  instead of %1"_s;
        QTest::newRow("one placeholder twice")
            << message(u"%1 and %2"_s, u"%1 und %1"_s) << false << u"has placeholders %1 %1 instead of %1 %2"_s;
        const QString plural = u"<message numerus=\"yes\"><source>%n apps</source><translation>"
                               u"<numerusform>%n App</numerusform><numerusform>%1 Apps</numerusform>"
                               u"</translation></message>"_s;
        QTest::newRow("plural form without its count") << plural << false << u"has placeholders %1 instead of %n"_s;
        QTest::newRow("a plain text among the plural forms")
            << message(u"Open"_s, QString()) << true << u"holds no count"_s;
    }

    void theAuditFindsWhatIsWrong()
    {
        QFETCH(QString, messages);
        QFETCH(bool, onlyPlurals);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QStringList problems = TranslationFiles::problems(writeTs(dir, messages), onlyPlurals);
        if (problem.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        } else {
            QCOMPARE(problems.size(), 1);
            QVERIFY2(problems.first().contains(problem), qPrintable(problems.first()));
        }
    }

    // Each shipped language is compiled into the program and says what its file says.
    void translationsAreCompiledIn_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Translations::shipped())
            QTest::newRow(qPrintable(language)) << language;
    }

    void translationsAreCompiledIn()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(u"orvando_"_s + language, u":/i18n"_s));
        QString error;
        int compared = 0;
        for (const TranslationFiles::Message &message : TranslationFiles::read(tsFile(language), &error)) {
            if (message.numerus || message.unfinished)
                continue;
            QCOMPARE(translator.translate(qPrintable(message.context), message.source.toUtf8().constData()),
                message.forms.value(0));
            ++compared;
        }
        QVERIFY2(error.isEmpty() && compared > 0, qPrintable(error));
    }

    // The Mac offers an app in its per-app language setting, and picks the language Qt is told,
    // from the bundle's list of localisations; each has the bundle's own texts too.
    void theBundleListsEveryShippedLanguage()
    {
        QFile plist(QStringLiteral(ORVANDO_SOURCE_DIR "/src/app/Info.plist.in"));
        QVERIFY(plist.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&plist);
        QStringList listed;
        bool inList = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"key")
                inList = xml.readElementText() == u"CFBundleLocalizations"_s;
            else if (inList && xml.isStartElement() && xml.name() == u"string")
                listed.append(xml.readElementText());
            else if (inList && xml.isEndElement() && xml.name() == u"array")
                inList = false;
        }
        QStringList expected { u"en"_s };
        for (const QString &language : Translations::shipped())
            expected.append(language == u"zh_CN"_s ? u"zh-Hans"_s : language);
        QCOMPARE(listed, expected);
        for (const QString &language : std::as_const(listed)) {
            QFile strings(
                QStringLiteral(ORVANDO_SOURCE_DIR "/src/app/lproj/") + language + u".lproj/InfoPlist.strings"_s);
            QVERIFY2(strings.open(QIODevice::ReadOnly), qPrintable(strings.fileName()));
            QVERIFY(strings.readAll().contains("\"NSAppleEventsUsageDescription\" = \""));
        }
    }

    void languageFollowsTheSystemList_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German (Switzerland)") << QStringList { u"de-CH"_s, u"en"_s } << u"de_CH"_s;
        QTest::newRow("first shipped one") << QStringList { u"es-ES"_s, u"fr-CA"_s, u"de"_s } << u"fr_CA"_s;
        QTest::newRow("English before German") << QStringList { u"en-GB"_s, u"de-DE"_s } << u"en_US"_s;
        QTest::newRow("Japanese") << QStringList { u"ja-JP"_s } << u"ja_JP"_s;
        QTest::newRow("Simplified Chinese") << QStringList { u"zh-Hans-CN"_s } << u"zh_CN"_s;
        QTest::newRow("Traditional Chinese") << QStringList { u"zh-Hant-TW"_s } << u"en_US"_s;
        QTest::newRow("none shipped") << QStringList { u"pt-BR"_s, u"es"_s } << u"en_US"_s;
        QTest::newRow("empty") << QStringList {} << u"en_US"_s;
    }

    void languageFollowsTheSystemList()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, expected);
        QCOMPARE(Translations::choose(uiLanguages).name(), expected);
    }

    void terminalLanguageFollowsThePosixVariables_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unset") << QStringList {} << u"en_US"_s;
        QTest::newRow("LANG") << QStringList { u"LANG=fr_FR.UTF-8"_s } << u"fr_FR"_s;
        QTest::newRow("C") << QStringList { u"LANG=C"_s } << u"en_US"_s;
        QTest::newRow("POSIX") << QStringList { u"LANG=POSIX"_s } << u"en_US"_s;
        QTest::newRow("C.UTF-8") << QStringList { u"LANG=C.UTF-8"_s } << u"en_US"_s;
        QTest::newRow("LC_ALL over LANG") << QStringList { u"LC_ALL=C"_s, u"LANG=de_DE.UTF-8"_s } << u"en_US"_s;
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList { u"LC_MESSAGES=ja_JP.UTF-8"_s, u"LANG=de_DE.UTF-8"_s } << u"ja_JP"_s;
        QTest::newRow("empty LC_ALL is unset")
            << QStringList { u"LC_ALL="_s, u"LANG=de_AT.UTF-8@euro"_s } << u"de_AT"_s;
        QTest::newRow("Simplified Chinese") << QStringList { u"LANG=zh_CN.UTF-8"_s } << u"zh_CN"_s;
        QTest::newRow("Traditional Chinese") << QStringList { u"LANG=zh_TW.UTF-8"_s } << u"en_US"_s;
        QTest::newRow("not shipped") << QStringList { u"LANG=it_IT.UTF-8"_s } << u"en_US"_s;
    }

    void terminalLanguageFollowsThePosixVariables()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const QLocale chosen = Translations::fromEnvironment(environment);
        QCOMPARE(chosen.language() == QLocale::English ? u"en_US"_s : chosen.name(), expected);
    }

    void pseudoTranslationLengthensAndKeepsWhatCodeNeeds_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("placeholders") << u"Install %1 from %L2"_s << QStringList { u"%1"_s, u"%L2"_s };
        QTest::newRow("plural") << u"%n apps selected"_s << QStringList { u"%n"_s };
        QTest::newRow("markup") << u"<b>Maccy</b> is ready"_s << QStringList { u"<b>"_s, u"</b>"_s };
        QTest::newRow("entity") << u"Privacy &amp; Security"_s << QStringList { u"&amp;"_s };
        QTest::newRow("short") << u"OK"_s << QStringList {};
    }

    void pseudoTranslationLengthensAndKeepsWhatCodeNeeds()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, kept);
        const QString pseudo = PseudoTranslator::lengthen(source);
        QVERIFY2(pseudo.size() >= source.size() * 1.35, qPrintable(pseudo));
        QVERIFY2(pseudo.size() <= source.size() * 1.5 + 4, qPrintable(pseudo));
        QCOMPARE(TranslationFiles::placeholders(pseudo), TranslationFiles::placeholders(source));
        for (const QString &part : kept)
            QVERIFY2(pseudo.contains(part), qPrintable(pseudo));
        QVERIFY2(pseudo != source && pseudo.contains(QRegularExpression(u"[À-ž]"_s)), qPrintable(pseudo));
    }

    // Installed, the pseudo-translation reaches every tr() and keeps counts working.
    void pseudoTranslationIsWhatTrReturns()
    {
        Translations::install(QCoreApplication::instance(), QLocale(QLocale::English), true);
        const QString one = QCoreApplication::translate("Any", "%n apps", nullptr, 1);
        const QString text = QCoreApplication::translate("Any", "Settings");
        Translations::install(QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(one.contains(u"1 "_s) && !one.contains(u"%n"_s), qPrintable(one));
        QCOMPARE(text, PseudoTranslator::lengthen(u"Settings"_s));
        QCOMPARE(QCoreApplication::translate("Any", "Settings"), u"Settings"_s);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
