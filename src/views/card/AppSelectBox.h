#pragma once

#include "catalog/CatalogApp.h"

#include <QCheckBox>
#include <QPointer>

class AppSelection;
class InstallEngine;

// The check box in a card's corner that ticks its app for a batch install; named "Select Maccy"
// for assistive technology. Hidden (its room kept) while the app cannot be ticked, disabled while
// an operation on it runs.
class AppSelectBox : public QCheckBox
{
    Q_OBJECT

public:
    AppSelectBox(const CatalogApp &app, InstallEngine *engine, AppSelection *selection, QWidget *parent = nullptr);

private:
    void follow();

    CatalogApp m_app;
    QPointer<AppSelection> m_selection;
};
