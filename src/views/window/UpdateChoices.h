#pragma once

#include <QPointer>
#include <QWidget>

class InstallEngine;
class UpdateChecker;
class QVBoxLayout;

// Under the Updates view's heading: for each update on offer, "Skip this version" and "Don't check
// for updates"; for each one left alone that way, why, and "Check again"; for each app whose last
// update kept the version it replaced, "Revert to 1.2.0" with the kept copy's size. The choices are
// kept in the user defaults (UpdateHolds), so the window, the command line and the next start agree.
class UpdateChoices : public QWidget
{
    Q_OBJECT

public:
    UpdateChoices(InstallEngine *engine, UpdateChecker *updates, QWidget *parent = nullptr);

private:
    void rebuild();

    QPointer<InstallEngine> m_engine;
    QPointer<UpdateChecker> m_updates;
    QVBoxLayout *m_rows;
};
