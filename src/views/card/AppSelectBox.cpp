#include "views/card/AppSelectBox.h"

#include "engine/InstallEngine.h"
#include "views/style/BrandStyle.h"
#include "views/window/AppSelection.h"

using namespace Qt::StringLiterals;

AppSelectBox::AppSelectBox(const CatalogApp &app, InstallEngine *engine, AppSelection *selection, QWidget *parent)
    : QCheckBox(parent)
    , m_app(app)
    , m_selection(selection)
{
    setObjectName(u"selectBox"_s);
    BrandStyle::setLook(this, BrandStyle::Look::Check);
    setAccessibleName(tr("Select %1").arg(app.name));
    setToolTip(tr("Select %1 to install it with others").arg(app.name));
    // The cards keep their layout whether or not the box shows.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);

    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (m_selection)
            m_selection->setSelected(m_app, on);
    });
    connect(selection, &AppSelection::changed, this, &AppSelectBox::follow);
    connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
        if (appID == m_app.id)
            follow();
    });
    follow();
}

void AppSelectBox::follow()
{
    if (!m_selection)
        return;
    const bool selectable = m_selection->isSelectable(m_app);
    // Only changes (showing what is not hidden would lay the card out now), and once at first.
    if (isHidden() == selectable || !testAttribute(Qt::WA_WState_ExplicitShowHide))
        setVisible(selectable);
    setEnabled(!m_selection->isBusy(m_app));
    const bool selected = m_selection->contains(m_app.id);
    if (isChecked() != selected) {
        const QSignalBlocker quiet(this);
        setChecked(selected);
    }
}
