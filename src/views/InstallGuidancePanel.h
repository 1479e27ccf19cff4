#pragma once

#include "catalog/CatalogApp.h"
#include "views/RoundedPanel.h"

class QLayout;
class QVBoxLayout;
class ShapedButton;

// The card's first-launch help for an installed application: the internet-download prompt, the
// Accessibility and Screen Recording permissions it needs, and a button to launch it.
class InstallGuidancePanel : public RoundedPanel
{
    Q_OBJECT

public:
    explicit InstallGuidancePanel(const CatalogApp &app, QWidget *parent = nullptr);

    ShapedButton *launchButton() const { return m_launch; }

Q_SIGNALS:
    void launchRequested();

private:
    static QLayout *guidanceLine(const QString &symbol, const QString &text);
    void addPermissionSection(QVBoxLayout *panel, const QString &symbol, const QString &need,
        const QString &settingsPath, const QString &appName, const QString &buttonTitle, void (*open)());

    ShapedButton *m_launch = nullptr;
};
