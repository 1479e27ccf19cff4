#pragma once

#include "catalog/CatalogApp.h"

#include <QPointer>
#include <QWidget>

class AppSelection;
class BatchInstaller;
class QLabel;
class QPushButton;
class SpinnerRow;

// The batch install's place at the foot of the sidebar: "Install n apps" while apps are ticked,
// the running batch's progress with Cancel, and at its end the summary with "Try failed again" (when
// some failed) and Done. Assistive technology hears each progress line (a busy progress indicator
// named by it) and the summary.
class BatchFooter : public QWidget
{
    Q_OBJECT

public:
    BatchFooter(AppSelection *selection, BatchInstaller *batch, QWidget *parent = nullptr);

    // "Install 1 app", "Install 12 apps".
    static QString installTitle(int count);

    // Installs apps as one batch; the selection is cleared as it starts. While a batch runs, apps
    // are ticked instead.
    void install(const QList<CatalogApp> &apps);

    QString progressText() const;
    QString summaryText() const; // empty while no summary shows

private:
    QWidget *progressPart();
    QWidget *summaryPart();
    void follow();

    QPointer<AppSelection> m_selection;
    QPointer<BatchInstaller> m_batch;
    QWidget *m_progressPart = nullptr;
    SpinnerRow *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QWidget *m_summaryPart = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_retry = nullptr;
    QPushButton *m_done = nullptr;
    QPushButton *m_install = nullptr;
    bool m_showSummary = false;
};
