#include "platform/UrlOpener.h"
#include "telemetry/Feedback.h"
#include "telemetry/ProductInfo.h"

#include <QDesktopServices>
#include <QTest>

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

// Feedback and suggestion e-mails: the mailto: address and what reaches the mail application.
class TestFeedback : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened.append(url); }

private:
    QList<QUrl> m_opened; // what would have gone to the system's mail application

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(u"mailto"_s, this, "openUrl"); }
    void init() { m_opened.clear(); }

    void suggestionArrivesUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("query characters") << u"Rectangle & Loop = win? a+b #1 100%"_s;
        QTest::newRow("lines, non-ASCII, spaces") << u"  first\nÜbersicht — 日本語 £34 😀\r\nthird  "_s;
        QTest::newRow("looks like a parameter") << u"x&subject=hijacked&body=gone"_s;
    }
    void suggestionArrivesUnchanged()
    {
        QFETCH(QString, text);
        const std::optional<QUrl> url = Feedback::suggestionURL(text);
        QCOMPARE(url->scheme() + u':' + url->path(), u"mailto:"_s + ProductInfo::supportEmail());
        QCOMPARE(url->toEncoded().count('&'), 1);
        QCOMPARE(decoded(*url, "subject"), u"Orvando app suggestion"_s);
        QCOMPARE(
            decoded(*url, "body"), u"Suggested app / tool:\n\n\n%1\n\n\nWhy it should be in Orvando:\n\n"_s.arg(text));
        QVERIFY(Feedback::openSuggestEmail(text));
        QCOMPARE(m_opened, QList<QUrl> { *url });
    }

    void feedbackSubjectCarriesTheVersion_data()
    {
        QTest::addColumn<VersionInfo>("version");
        QTest::addColumn<QString>("subject");
        QTest::newRow("both") << VersionInfo { u"1.2"_s, u"34"_s } << u"Orvando v1.2 (34) feedback"_s;
        QTest::newRow("build only") << VersionInfo { std::nullopt, u"34"_s } << u"Orvando v34 feedback"_s;
        QTest::newRow("neither") << VersionInfo {} << u"Orvando v1.0-rc2 feedback"_s;
    }
    void feedbackSubjectCarriesTheVersion()
    {
        QFETCH(VersionInfo, version);
        QFETCH(QString, subject);
        const std::optional<QUrl> url = Feedback::mailtoURL(version);
        QCOMPARE(decoded(*url, "subject"), subject);
        QCOMPARE(decoded(*url, "body"),
            u"What did you try?\n\n\nWhat worked?\n\n\nWhat broke or felt confusing?\n\n\n"
            u"Your Mac (model + macOS version):\n"_s);
        QVERIFY(Feedback::openFeedbackEmail());
        QCOMPARE(m_opened, QList<QUrl> { *Feedback::mailtoURL() });
        // An invalid address is refused, not handed over.
        QVERIFY(!UrlOpener::open(QUrl(u"mailto:a b%zz"_s, QUrl::StrictMode)));
        QCOMPARE(m_opened.size(), 1);
    }
};

QTEST_MAIN(TestFeedback)
#include "TestFeedback.moc"
