#pragma once

#include "catalog/CatalogApp.h"

#include <QFrame>

class QLayout;
class QPushButton;
class QVBoxLayout;

// The card's first-launch help for an installed application: the internet-download prompt, the
// Accessibility and Screen Recording permissions it needs, and a button to launch it.
class InstallGuidancePanel : public QFrame
{
    Q_OBJECT

public:
    explicit InstallGuidancePanel(const CatalogApp &app, QWidget *parent = nullptr);

    QPushButton *launchButton() const { return m_launch; }

Q_SIGNALS:
    void launchRequested();

private:
    static QLayout *guidanceLine(const QString &symbol, const QString &text);
    void addPermissionSection(QVBoxLayout *panel, const QString &symbol, const QString &need,
        const QString &settingsPath, const QString &appName, const QString &buttonTitle, void (*open)());

    QPushButton *m_launch = nullptr;
};
