#pragma once

#include "catalog/CatalogApp.h"

#include <QPointer>
#include <QPushButton>

class AppSelection;

// "Select all hand-picked": ticks every hand-picked app that can be ticked; once all of them are,
// it reads "Clear selection" and empties the selection. Disabled while none can be ticked.
class SelectAllButton : public QPushButton
{
    Q_OBJECT

public:
    explicit SelectAllButton(AppSelection *selection, QWidget *parent = nullptr);

private:
    bool allSelected() const;
    void follow();

    QPointer<AppSelection> m_selection;
    QList<CatalogApp> m_apps;
};
