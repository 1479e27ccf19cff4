#pragma once

#include "catalog/CatalogApp.h"
#include "engine/facts/PermissionGuidance.h"

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
    void addPermissionSection(QVBoxLayout *panel, PermissionGuidance::Permission permission, const QString &appName);

    QPushButton *m_launch = nullptr;
};
