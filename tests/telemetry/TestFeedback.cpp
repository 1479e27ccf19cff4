// Feedback and suggestion e-mails: the mailto: address and what reaches the mail application.
#include "platform/UrlOpener.h"
#include "telemetry/Feedback.h"
#include "telemetry/ProductInfo.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

// One parameter, split out of the still encoded address the way a mail application splits it.
QString decoded(const QUrl &url, const QByteArray &name)
{
    const QByteArray query = url.toEncoded().mid(url.toEncoded().indexOf('?') + 1);
    for (const QByteArray &pair : query.split('&'))
        if (pair.startsWith(name + '='))
            return QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(name.size() + 1)));
    return {};
}

} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened; // what would have gone to the system's mail application

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(u"mailto"_s, this, "openUrl"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"mailto"_s); }
    void init() { m_opened.clear(); }

    void suggestionArrivesUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("query characters") << u"Rectangle & Loop = win? a+b #1 100%"_s;
        QTest::newRow("line breaks") << u"first line\nsecond line\r\nthird"_s;
        QTest::newRow("non-ASCII letters") << u"Übersicht — 日本語 £34 😀"_s;
        QTest::newRow("spaces") << u"  spaced  out  "_s;
        QTest::newRow("looks like a parameter") << u"x&subject=hijacked&body=gone"_s;
    }
    void suggestionArrivesUnchanged()
    {
        QFETCH(QString, text);
        const std::optional<QUrl> url = Feedback::suggestionURL(text);
        QVERIFY(url);
        QCOMPARE(url->scheme() + u':' + url->path(), u"mailto:"_s + ProductInfo::supportEmail());
        QCOMPARE(url->toEncoded().count('&'), 1);
        QCOMPARE(url->toEncoded().count('?'), 1);
        QCOMPARE(decoded(*url, "subject"), u"Orvando app suggestion"_s);
        const QString body = u"Suggested app / tool:\n\n\n%1\n\n\nWhy it should be in Orvando:\n\n"_s.arg(text);
        QCOMPARE(decoded(*url, "body"), body);
        QCOMPARE(QUrlQuery(*url).queryItemValue(u"body"_s, QUrl::FullyDecoded), body);
        QVERIFY(Feedback::openSuggestEmail(text));
        QCOMPARE(m_opened, QList<QUrl> { *url });
    }

    void encodesAgainstTheQuerySetWithoutDelimiters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("kept") << u"Az09-._~!$'()*,;:/@"_s << QByteArray("Az09-._~!$'()*,;:/@");
        QTest::newRow("delimiters") << u"&=?+#"_s << QByteArray("%26%3D%3F%2B%23");
        QTest::newRow("white space") << u" \n\t"_s << QByteArray("%20%0A%09");
        QTest::newRow("percent and brackets") << u"%[]"_s << QByteArray("%25%5B%5D");
        QTest::newRow("UTF-8, upper-case hex") << u"é£"_s << QByteArray("%C3%A9%C2%A3");
    }
    void encodesAgainstTheQuerySetWithoutDelimiters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, encoded);
        QCOMPARE(Feedback::percentEncoded(text), encoded);
    }

    void feedbackSubjectCarriesTheVersion_data()
    {
        QTest::addColumn<VersionInfo>("version");
        QTest::addColumn<QString>("subject");
        QTest::newRow("both") << VersionInfo { u"1.2"_s, u"34"_s } << u"Orvando v1.2 (34) feedback"_s;
        QTest::newRow("short version only") << VersionInfo { u"1.2"_s, std::nullopt } << u"Orvando v1.2 feedback"_s;
        QTest::newRow("build only") << VersionInfo { std::nullopt, u"34"_s } << u"Orvando v34 feedback"_s;
        QTest::newRow("neither") << VersionInfo {} << u"Orvando v1.0-rc2 feedback"_s;
    }
    void feedbackSubjectCarriesTheVersion()
    {
        QFETCH(VersionInfo, version);
        QFETCH(QString, subject);
        const std::optional<QUrl> url = Feedback::mailtoURL(version);
        QVERIFY(url);
        QCOMPARE(decoded(*url, "subject"), subject);
        QCOMPARE(decoded(*url, "body"),
            u"What did you try?\n\n\nWhat worked?\n\n\nWhat broke or felt confusing?\n\n\n"
            u"Your Mac (model + macOS version):\n"_s);
        QVERIFY(url->toEncoded().startsWith("mailto:" + ProductInfo::supportEmail().toUtf8() + "?subject=Orvando%20v"));
        QVERIFY(url->toEncoded().endsWith("Your%20Mac%20(model%20%2B%20macOS%20version):%0A"));
    }

    void openingHandsOverTheCurrentVersionsAddress()
    {
        QVERIFY(Feedback::openFeedbackEmail());
        QCOMPARE(m_opened, QList<QUrl> { *Feedback::mailtoURL() });
        QCOMPARE(decoded(m_opened.first(), "subject"),
            u"Orvando v"_s + Feedback::appVersion(VersionInfo::current()) + u" feedback"_s);
        // An invalid address is refused, not handed over.
        QVERIFY(!UrlOpener::open(QUrl()));
        QVERIFY(!UrlOpener::open(QUrl(u"mailto:a b%zz"_s, QUrl::StrictMode)));
        QCOMPARE(m_opened.size(), 1);
    }
};

QTEST_MAIN(TestFeedback)
#include "TestFeedback.moc"
