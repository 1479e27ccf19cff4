#pragma once

#include <QDialog>

class QLineEdit;
class QIODevice;
class QPushButton;
class QShowEvent;

// The one password prompt Homebrew's sudo shows through SUDO_ASKPASS: it asks for the Mac
// password on behalf of the catalog application being installed or removed.
class AskpassDialog : public QDialog
{
    Q_OBJECT

public:
    // appName is the catalog application's display name; empty when unknown.
    explicit AskpassDialog(const QString &appName, QWidget *parent = nullptr);

    static QString promptText(const QString &appName);

    QLineEdit *passwordField() const { return m_password; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Shows the dialog modally. On OK writes the password and a line feed to out and returns 0;
    // on Cancel or close writes nothing and returns 1. The password goes nowhere else.
    int run(QIODevice &out);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_password;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
