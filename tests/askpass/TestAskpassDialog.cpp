#include "askpass/AskpassDialog.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// QTest::keyClicks only knows ASCII; send the characters as key events carrying their text.
static void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

class TestAskpassDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okWritesExactlyTheTypedPassword_data();
    void okWritesExactlyTheTypedPassword();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void promptNamesTheApplication_data();
    void promptNamesTheApplication();
};

void TestAskpassDialog::okWritesExactlyTheTypedPassword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressReturn");
    QTest::newRow("plain, OK button") << u"hunter2"_s << false;
    QTest::newRow("spaces kept") << u"  two words  "_s << false;
    QTest::newRow("non-ASCII") << u"pässwörd–ß✓"_s << false;
    QTest::newRow("Return presses OK") << u"secret"_s << true;
}

void TestAskpassDialog::okWritesExactlyTheTypedPassword()
{
    QFETCH(QString, typed);
    QFETCH(bool, pressReturn);
    AskpassDialog dialog(u"Shutter Encoder"_s);
    QTimer::singleShot(0, &dialog, [&] {
        typeText(dialog.passwordField(), typed);
        if (pressReturn)
            QTest::keyClick(dialog.passwordField(), Qt::Key_Return);
        else
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QCOMPARE(dialog.run(out), 0);
    QCOMPARE(QString::fromUtf8(out.data()), typed + u"\n"_s);
    QVERIFY(dialog.passwordField()->text().isEmpty());
}

void TestAskpassDialog::cancelWritesNothing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel button") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window closed") << 2;
}

void TestAskpassDialog::cancelWritesNothing()
{
    QFETCH(int, how);
    AskpassDialog dialog(u"Maccy"_s);
    QTimer::singleShot(0, &dialog, [&] {
        typeText(dialog.passwordField(), u"typed but cancelled"_s);
        if (how == 0)
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(dialog.passwordField(), Qt::Key_Escape);
        else
            dialog.close();
    });
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QCOMPARE(dialog.run(out), 1);
    QVERIFY(out.data().isEmpty());
}

void TestAskpassDialog::promptNamesTheApplication_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("named") << u"Shutter Encoder"_s
                           << u"Homebrew needs your Mac password to finish with Shutter Encoder."_s;
    QTest::newRow("no name") << QString() << u"Homebrew needs your Mac password to continue."_s;
}

void TestAskpassDialog::promptNamesTheApplication()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    AskpassDialog dialog(name);
    QCOMPARE(dialog.windowTitle(), u"Administrator password"_s);
    const auto labels = dialog.findChildren<QLabel *>();
    const bool shown = std::any_of(labels.begin(), labels.end(), [&](QLabel *l) { return l->text() == text; });
    QVERIFY2(shown, qPrintable(text));
    QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
    QVERIFY(dialog.okButton()->isDefault());
}

QTEST_MAIN(TestAskpassDialog)
#include "TestAskpassDialog.moc"
