#pragma once

#include <QCoroTask>
#include <QDialog>
#include <QPointer>

#include <functional>

class Analytics;
class InstallEngine;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// The settings sheet: legal links, the analytics consent switch, how Orvando and its catalog are
// kept up to date, the app suggestion box, removing every catalog app Orvando installed, and
// removing Orvando itself while the apps stay.
class SettingsView : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsView(InstallEngine *engine, QWidget *parent = nullptr);

    // Creates the sheet over window, deleted once closed.
    static SettingsView *present(InstallEngine *engine, QWidget *window);

    // "Removed 3 apps.", "Removed 1 app." or, for none, "No catalog apps were installed."
    static QString removedNote(int count);

    // The status line at the bottom of the sheet; empty while there is none.
    QString busyNote() const;

    // Collaborators other than the engine, replaceable for tests: the analytics client (the
    // shared one by default), the folder the self-removal deletes (this program's installation)
    // and how the program quits (the application's quit).
    void setAnalytics(Analytics *analytics);
    void setInstallationPath(const QString &path) { m_installationPath = path; }
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }

Q_SIGNALS:
    // Emitted when a removal of all catalog apps has finished and its note is shown.
    void uninstallAllFinished(int count);

private:
    QWidget *header();
    QLayout *legalSection();
    QLayout *privacySection();
    QLayout *updatesSection();
    QLayout *suggestSection();
    QLayout *uninstallSection();
    QMessageBox *confirm(const QString &title, const QString &message, const QString &action, const char *name);

    void followAnalyticsConsent();
    void setAnalyticsOptIn(bool on);
    void sendSuggestion();
    void confirmUninstallAll();
    void confirmRemoveOrvando();
    QCoro::Task<> runUninstallAll();
    void removeOrvandoKeepApps();
    void setBusyNote(const QString &note, bool offerAddress = false);
    void followUninstallAll();

    QPointer<InstallEngine> m_engine;
    Analytics *m_analytics;
    QString m_installationPath;
    std::function<void()> m_quit;

    QCheckBox *m_analyticsSwitch = nullptr;
    QCheckBox *m_automaticUpdatesSwitch = nullptr; // only where Orvando updates itself
    QPlainTextEdit *m_suggestEditor = nullptr;
    QPushButton *m_sendSuggestion = nullptr;
    QAbstractButton *m_uninstallAll = nullptr;
    QLabel *m_busyNote = nullptr;
    QPushButton *m_copyAddress = nullptr; // shown with the note when no mail app took a suggestion
};
