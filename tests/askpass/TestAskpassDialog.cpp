#include "askpass/AskpassDialog.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// QTest::keyClicks only knows ASCII; send the characters as key events carrying their text.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestAskpassDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okWritesExactlyTheTypedPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pressReturn");
        QTest::newRow("plain, OK button") << u"hunter2"_s << false;
        QTest::newRow("spaces kept") << u"  two words  "_s << false;
        QTest::newRow("non-ASCII") << u"pässwörd–ß✓"_s << false;
        QTest::newRow("Return presses OK") << u"secret"_s << true;
    }
    void okWritesExactlyTheTypedPassword()
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

    void cancelWritesNothing_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("window closed") << 2;
    }
    void cancelWritesNothing()
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
        QCOMPARE(dialog.windowTitle(), u"Administrator password"_s);
        const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
        QVERIFY2(std::any_of(labels.begin(), labels.end(), [&](QLabel *label) { return label->text() == text; }),
            qPrintable(text));
        QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
        QVERIFY(dialog.okButton()->isDefault());
    }
};

QTEST_MAIN(TestAskpassDialog)
#include "TestAskpassDialog.moc"
