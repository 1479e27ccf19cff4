#pragma once

#include "views/RoundedPanel.h"

class ShapedButton;
class SpinnerRow;

// Offered on a card whose application needs Homebrew when there is none: what Homebrew is and a
// button that sets it up once; while any setup runs, only its progress.
class HomebrewSetupPanel : public RoundedPanel
{
    Q_OBJECT

public:
    explicit HomebrewSetupPanel(const QString &appName, QWidget *parent = nullptr);

    void setBootstrapInProgress(bool inProgress);

    ShapedButton *setUpButton() const { return m_setUp; }

Q_SIGNALS:
    void setUpRequested();

private:
    QWidget *m_offer;
    SpinnerRow *m_progress;
    ShapedButton *m_setUp;
};
