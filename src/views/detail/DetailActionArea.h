#pragma once

#include "catalog/CatalogApp.h"
#include "views/model/AppCardContent.h"

#include <QPointer>
#include <QWidget>

class InstallEngine;
class QPushButton;
class SpinnerRow;

// The detail sheet's action control, beside its header: the same states as the card's action area
// in a compact form (after a failure the same ways forward as the card, without its sentence and
// "Show in log"; an unavailable app only the word; the card and the sheet's body carry the
// sentences). Like the card's, it keeps keyboard focus when a state
// change replaces the control that had it.
class DetailActionArea : public QWidget
{
    Q_OBJECT

public:
    DetailActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    const AppCardContent &content() const { return m_content; }

Q_SIGNALS:
    void installRequested();
    void updateRequested();
    void cancelRequested();
    void launchRequested();
    void uninstallRequested();
    void setUpHomebrewRequested();
    void dismissRequested();
    void showInFinderRequested(const QString &path);
    void refreshCaskListRequested();
    // After every refresh: content() may have changed.
    void refreshed();

private:
    void refresh();

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
    AppCardContent m_content;

    SpinnerRow *m_progress;
    QPushButton *m_cancel;
    QPushButton *m_install; // Install, Try again, or Update to …
    QPushButton *m_open;
    QWidget *m_installed;
    QPushButton *m_uninstall;
    QPushButton *m_setUp;
    QWidget *m_unavailable;
    QPushButton *m_finder; // Show in Finder: the app in the way
    QPushButton *m_refresh; // Refresh Homebrew
    QPushButton *m_dismiss;
};
