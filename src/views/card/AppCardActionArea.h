#pragma once

#include "catalog/CatalogApp.h"
#include "views/model/AppCardContent.h"

#include <QPointer>
#include <QWidget>

#include <utility>

class ElidedLabel;
class HomebrewSetupPanel;
class InstallEngine;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;
class RevealContainer;
class SpinnerRow;

// The lower part of a card: whatever the application's state in the engine calls for (install,
// progress, retry, update, why it is unavailable, Homebrew setup, or the installed row with its
// first-launch help), with the row of buttons AppCardContent lists. It keeps no state of its own besides whether the
// help is expanded, and redraws on every engine change. Keyboard focus stays here when a state change takes away the
// control that had it: the control that replaces it takes it over, so the outcome is heard.
class AppCardActionArea : public QWidget
{
    Q_OBJECT

public:
    AppCardActionArea(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    const AppCardContent &content() const { return m_content; }
    // The control a state change hands focus to: the first button, else the Homebrew setup button,
    // else the progress line.
    QWidget *primaryControl() const;

Q_SIGNALS:
    // A press on Install or Try again, Update, Cancel, Uninstall, Set up Homebrew, or Open or Launch.
    void installRequested();
    void updateRequested();
    void cancelRequested();
    void uninstallRequested();
    void setUpHomebrewRequested();
    void launchRequested();
    // A press on "Show in log": the log drawer should open at lineId (0: the newest line).
    void showInLogRequested(qint64 lineId);
    // After a failure: a press on Dismiss, on "Show in Finder" (path: the app in the way) or on
    // "Refresh Homebrew".
    void dismissRequested();
    void showInFinderRequested(const QString &path);
    void refreshCaskListRequested();
    // Emitted after a refresh that changed what the area shows; controlsAdded says whether it made
    // controls that were not there before.
    void contentChanged(bool controlsAdded);

private:
    enum Slot { Progress, Message, Row, Links, Note, PermissionNote, InstalledBox, Homebrew, SlotCount };

    void refresh();
    void place(QWidget *widget, Slot slot);
    // Shows the content's buttons; how many went into the row, and how many into the links under it.
    std::pair<qsizetype, qsizetype> showButtons(QList<QWidget *> &hide);
    QPushButton *buttonFor(QList<QPushButton *> &pool, qsizetype index, QHBoxLayout *row);
    QHBoxLayout *links();
    void press(int index);
    QWidget *buildMessage();
    QWidget *buildNote();
    QWidget *buildPermissionNote();
    QWidget *buildInstalledBox();
    HomebrewSetupPanel *homebrewPanel();

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
    AppCardContent m_content;
    bool m_added = false; // a refresh made new controls

    QVBoxLayout *m_area = nullptr;
    QWidget *m_slots[SlotCount] = {};
    SpinnerRow *m_progress = nullptr;
    QWidget *m_unavailable = nullptr; // the heading over why an app is unavailable
    ElidedLabel *m_message = nullptr;
    QWidget *m_warningSymbol = nullptr; // before the note when it is a warning
    ElidedLabel *m_note = nullptr;
    QHBoxLayout *m_row = nullptr;
    QWidget *m_installed = nullptr; // the "Installed" check, first in the row
    QSpacerItem *m_push = nullptr; // pushes the buttons to the far end after "Installed"
    QSpacerItem *m_tail = nullptr; // or keeps them at the start
    QList<QPushButton *> m_buttons; // made as rows need them and reused
    QHBoxLayout *m_links = nullptr; // under a row with a button, its links: Dismiss, Show in log
    QList<QPushButton *> m_linkButtons;
    QList<QPushButton *> m_shown; // the buttons of the content, in its order
    QLabel *m_permissionText = nullptr;
    QPushButton *m_disclosure = nullptr;
    RevealContainer *m_guidance = nullptr;
    HomebrewSetupPanel *m_homebrew = nullptr;
};
