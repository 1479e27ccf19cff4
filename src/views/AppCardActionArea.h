#pragma once

#include "catalog/CatalogApp.h"
#include "views/AppCardContent.h"

#include <QPointer>
#include <QWidget>

class DisclosureButton;
class HomebrewSetupPanel;
class InstallEngine;
class InstallGuidancePanel;
class QLabel;
class QVBoxLayout;
class RevealContainer;
class ShapedButton;
class SpinnerRow;

// The lower part of a card: whatever the application's state in the engine calls for (install,
// progress, retry, Homebrew setup, or the installed row with its first-launch help). It keeps no
// state of its own besides whether the help is expanded, and redraws on every engine change.
class AppCardActionArea : public QWidget
{
    Q_OBJECT

public:
    AppCardActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    const AppCardContent &content() const { return m_content; }
    bool showGuidance() const;

Q_SIGNALS:
    // A press on Install or Try again, Uninstall, Set up Homebrew, or Launch.
    void installRequested();
    void uninstallRequested();
    void setUpHomebrewRequested();
    void launchRequested();
    // A press on "Show in log": the log drawer should open at lineId (0: the newest line).
    void showInLogRequested(qint64 lineId);

private:
    void refresh();
    QWidget *buildInstallBox();
    QWidget *buildInstalledBox();
    HomebrewSetupPanel *homebrewPanel();

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
    AppCardContent m_content;

    QVBoxLayout *m_area = nullptr;
    SpinnerRow *m_progress = nullptr;
    QWidget *m_installBox = nullptr;
    QVBoxLayout *m_installLayout = nullptr;
    QLabel *m_failure = nullptr;
    ShapedButton *m_install = nullptr;
    ShapedButton *m_showInLog = nullptr;
    QWidget *m_permissionNote = nullptr;
    QLabel *m_permissionText = nullptr;
    QWidget *m_installedBox = nullptr;
    DisclosureButton *m_disclosure = nullptr;
    RevealContainer *m_guidance = nullptr;
    HomebrewSetupPanel *m_homebrew = nullptr;
};
