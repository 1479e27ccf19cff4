#pragma once

#include "catalog/CatalogApp.h"

#include <QPointer>
#include <QWidget>

class InstallEngine;
class QGridLayout;
class QLabel;

// The detail sheet's "Before you install": what a user is about to trust, as Homebrew or GitHub
// describe the download (version, where it comes from, whether it is verified, its size, whether
// the app updates itself) and, once installed, what Gatekeeper made of the bundle. Plain,
// selectable texts in reading order; it follows the facts as they are refreshed.
class BeforeInstallSection : public QWidget
{
    Q_OBJECT

public:
    BeforeInstallSection(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    // Reads the facts again, and has Gatekeeper assess an installed copy it has not seen yet.
    void refresh();

private:
    // The value label of the row titled title, made the first time it is asked for.
    QLabel *row(const QString &title);
    void show(const QString &title, const QString &value);

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
    QGridLayout *m_grid;
    QList<std::pair<QLabel *, QLabel *>> m_rows; // title, value; in the order first shown
    QLabel *m_updatesItself = nullptr;
    bool m_assessmentAsked = false;
};
