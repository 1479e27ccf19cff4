#pragma once

#include <QPointer>
#include <QWidget>

class BatchInstaller;
class InstallEngine;
class QLabel;
class QPushButton;

// The head of the window's Updates view, above the cards of the apps that have a newer version
// (each with its own "Update to …"): how many wait, "Update all", which updates them one after
// another through the engine, and how the last run went ("2 updated, 1 failed: …").
class UpdatesView : public QWidget
{
    Q_OBJECT

public:
    explicit UpdatesView(InstallEngine *engine, QWidget *parent = nullptr);

    BatchInstaller *batch() const { return m_batch; }
    QPushButton *updateAllButton() const { return m_updateAll; }
    QLabel *statusLabel() const { return m_status; }

    void updateAll();

private:
    void refresh();

    QPointer<InstallEngine> m_engine;
    BatchInstaller *m_batch;
    QLabel *m_status = nullptr;
    QPushButton *m_updateAll = nullptr;
    QString m_summary; // how the last "Update all" went; empty before one
};
