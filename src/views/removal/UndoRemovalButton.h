#pragma once

#include "catalog/CatalogApp.h"

#include <QPointer>
#include <QPushButton>

class InstallEngine;

// "Undo" on the card of an app removed in this run, for as long as what the removal moved is still
// in the Trash; hidden otherwise. Named "Undo removing <app>" for those who cannot see the card.
class UndoRemovalButton : public QPushButton
{
    Q_OBJECT

public:
    UndoRemovalButton(const CatalogApp &app, InstallEngine *engine, QWidget *parent = nullptr);

    // Shows or hides the button for what the engine says now.
    void follow();

protected:
    bool event(QEvent *event) override;

private:
    CatalogApp m_app;
    QPointer<InstallEngine> m_engine;
};
