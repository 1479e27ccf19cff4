#pragma once

#include <QDialog>

class UserDefaults;

// The first-run sheet: the logo, a greeting, two panels on what the program does and what the first
// open of a new app looks like, and "Get started". However it is closed, it stores
// "hasSeenWelcome" = true.
class WelcomeView : public QDialog
{
    Q_OBJECT

public:
    // defaults: where the flag lives; the standard user defaults when null.
    explicit WelcomeView(UserDefaults *defaults = nullptr, QWidget *parent = nullptr);

    void done(int result) override;

private:
    QWidget *panelRow(const QString &symbol, const QString &title, const QString &body);

    UserDefaults *m_defaults;
};
