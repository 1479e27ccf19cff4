#pragma once

#include <QPointer>
#include <QWidget>

class UpdateChecker;
class QVBoxLayout;

// Under the Updates view's heading: for each update on offer, "Skip this version" and "Don't check
// for updates"; for each one left alone that way, why, and "Check again". The choices are kept in
// the user defaults (UpdateHolds), so the window, the command line and the next start agree.
class UpdateChoices : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateChoices(UpdateChecker *updates, QWidget *parent = nullptr);

private:
    void rebuild();

    QPointer<UpdateChecker> m_updates;
    QVBoxLayout *m_rows;
};
