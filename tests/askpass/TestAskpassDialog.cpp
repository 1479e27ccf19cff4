#include "askpass/AskpassDialog.h"

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The password prompt sudo runs for Homebrew: what it writes for each way of answering it.
class TestAskpassDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesExactlyTheTypedPasswordOrNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("how"); // OK button, Return, Cancel button, Escape, window closed
        QTest::addColumn<int>("status");
        QTest::newRow("spaces kept, OK button") << u"  two words  "_s << 0 << 0;
        QTest::newRow("non-ASCII, Return") << u"pässwörd–ß✓"_s << 1 << 0;
        QTest::newRow("Cancel button") << u"typed"_s << 2 << 1;
        QTest::newRow("Escape") << u"typed"_s << 3 << 1;
        QTest::newRow("window closed") << u"typed"_s << 4 << 1;
    }
    void writesExactlyTheTypedPasswordOrNothing()
    {
        QFETCH(QString, typed);
        QFETCH(int, how);
        QFETCH(int, status);
        AskpassDialog dialog(u"Shutter Encoder"_s);
        QTimer::singleShot(0, &dialog, [&] {
            for (const QChar c : typed) { // QTest::keyClicks knows ASCII only
                QTest::sendKeyEvent(QTest::Press, dialog.passwordField(), Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(
                    QTest::Release, dialog.passwordField(), Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
            if (how == 0 || how == 2)
                QTest::mouseClick(how == 0 ? dialog.okButton() : dialog.cancelButton(), Qt::LeftButton);
            else if (how == 4)
                dialog.close();
            else
                QTest::keyClick(dialog.passwordField(), how == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QCOMPARE(dialog.run(out), status);
        QCOMPARE(QString::fromUtf8(out.data()), status ? QString() : typed + u'\n');
        QVERIFY(status || dialog.passwordField()->text().isEmpty());
    }

    void promptNamesTheApplication_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("named") << u"Shutter Encoder"_s
                               << u"Homebrew needs your Mac password to finish with Shutter Encoder."_s;
        QTest::newRow("no name") << QString() << u"Homebrew needs your Mac password to continue."_s;
    }
    void promptNamesTheApplication()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        AskpassDialog dialog(name);
        QStringList labels;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            labels.append(label->text());
        QVERIFY2(labels.contains(text), qPrintable(labels.join(u" | "_s)));
        QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
    }
};

QTEST_MAIN(TestAskpassDialog)
#include "TestAskpassDialog.moc"
