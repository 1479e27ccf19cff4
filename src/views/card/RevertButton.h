#pragma once

#include "catalog/CatalogApp.h"
#include "engine/direct/KeptVersions.h"

#include <QPointer>
#include <QPushButton>

#include <optional>

class InstallEngine;

// "Revert to 1.2.0" on a card or a sheet: puts back the version the app's last update kept. It
// shows itself only while that copy is there and the app is installed and idle, and looks again
// at every change of the app's state, so it goes once a revert has used the copy up.
class RevertButton : public QPushButton
{
    Q_OBJECT

public:
    RevertButton(const CatalogApp &app, InstallEngine *engine, const QFont &font, QWidget *parent = nullptr);

    // The kept version app can go back to now; the Updates view offers the same.
    static std::optional<KeptVersions::Kept> revertible(const InstallEngine *engine, const CatalogApp &app);

private:
    void refresh();

    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
};
