#pragma once

#include <QFrame>

class QPushButton;
class SpinnerRow;

// Offered on a card whose application needs Homebrew when there is none: what Homebrew is and a
// button that sets it up once; while any setup runs, only its progress.
class HomebrewSetupPanel : public QFrame
{
    Q_OBJECT

public:
    explicit HomebrewSetupPanel(const QString &appName, QWidget *parent = nullptr);

    void setSetupInProgress(bool inProgress);

    QPushButton *setUpButton() const { return m_setUp; }
    // What keyboard focus moves to when the panel replaces the control that had it.
    QWidget *focusTarget() const;

Q_SIGNALS:
    void setUpRequested();

private:
    QWidget *m_offer;
    SpinnerRow *m_progress;
    QPushButton *m_setUp;
};
