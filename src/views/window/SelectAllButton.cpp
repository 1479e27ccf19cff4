#include "views/window/SelectAllButton.h"

#include "catalog/Catalog.h"
#include "views/style/Brand.h"
#include "views/style/BrandStyle.h"
#include "views/style/Typography.h"
#include "views/window/AppSelection.h"

#include <algorithm>

using namespace Qt::StringLiterals;

SelectAllButton::SelectAllButton(AppSelection *selection, QWidget *parent)
    : QPushButton(parent)
    , m_selection(selection)
    , m_apps(Catalog::curated())
{
    setObjectName(u"selectAllHandpicked"_s);
    // As Controls::button makes them.
    BrandStyle::setLook(this, BrandStyle::Look::Outlined);
    setForegroundRole(Brand::primary);
    setFont(Typography::font(13, QFont::Medium));
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setProperty("padding", QSize(12, 9));

    connect(this, &QPushButton::clicked, this, [this] {
        if (!m_selection)
            return;
        if (allSelected())
            m_selection->clear();
        else
            m_selection->select(m_apps);
    });
    connect(selection, &AppSelection::changed, this, &SelectAllButton::follow);
    follow();
}

bool SelectAllButton::allSelected() const
{
    bool any = false;
    const bool all = std::all_of(m_apps.cbegin(), m_apps.cend(), [&](const CatalogApp &app) {
        if (!m_selection->isSelectable(app))
            return true;
        any = true;
        return m_selection->contains(app.id);
    });
    return any && all;
}

void SelectAllButton::follow()
{
    if (!m_selection)
        return;
    setText(allSelected() ? tr("Clear selection") : tr("Select all hand-picked"));
    setEnabled(std::any_of(
        m_apps.cbegin(), m_apps.cend(), [this](const CatalogApp &app) { return m_selection->isSelectable(app); }));
}
