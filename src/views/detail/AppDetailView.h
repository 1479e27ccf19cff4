#pragma once

#include "catalog/CatalogApp.h"

#include <QDialog>
#include <QPointer>

class BeforeInstallSection;
class DetailActionArea;
class QLabel;
class InstallEngine;
class QLayout;
class ScreenshotStrip;

// The sheet a card opens: one application at full size with its pills, an action control that
// follows the engine like the card's (with, in full, why Homebrew no longer offers or recommends
// it), its screenshots, which macOS permissions it needs, and what a user is about to trust.
class AppDetailView : public QDialog
{
    Q_OBJECT

public:
    AppDetailView(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    const CatalogApp &app() const { return m_app; }
    DetailActionArea *actionArea() const { return m_actions; }
    // Null when none of the application's screenshots is in the resource bundle.
    ScreenshotStrip *gallery() const { return m_gallery; }

    QSize sizeHint() const override { return { 760, 680 }; }

private:
    QWidget *topBar();
    QWidget *header();
    QLayout *about();
    void showHealth();
    static QWidget *permissionBox(const QString &text);

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
    DetailActionArea *m_actions = nullptr;
    ScreenshotStrip *m_gallery = nullptr;
    QLabel *m_health = nullptr; // unavailable or deprecated: the whole sentence
    BeforeInstallSection *m_beforeInstall = nullptr;
};
