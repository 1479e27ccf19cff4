#include "views/card/RevertButton.h"

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "views/style/Brand.h"
#include "views/style/BrandStyle.h"

#include <QLocale>

using namespace Qt::StringLiterals;

RevertButton::RevertButton(const CatalogApp &app, InstallEngine *engine, const QFont &font, QWidget *parent)
    : QPushButton(parent)
    , m_app(app)
    , m_engine(engine)
{
    setObjectName(u"revertButton"_s);
    BrandStyle::setLook(this, BrandStyle::Look::Plain);
    setForegroundRole(Brand::primary);
    setFont(font);
    // As the other buttons: focus from the keyboard, not from a click.
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_engine)
            startDetached(m_engine->revert(m_app));
    });
    if (engine)
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                refresh();
        });
    refresh();
}

std::optional<KeptVersions::Kept> RevertButton::revertible(const InstallEngine *engine, const CatalogApp &app)
{
    if (!engine || engine->state(app.id) != InstallState::installed())
        return std::nullopt;
    std::optional<KeptVersions::Kept> kept = KeptVersions::kept(engine->environment(), app.id);
    if (!kept || kept->version.isEmpty())
        return std::nullopt;
    return kept;
}

void RevertButton::refresh()
{
    const std::optional<KeptVersions::Kept> kept = revertible(m_engine, m_app);
    if (kept) {
        setText(tr("Revert to %1").arg(kept->version));
        setAccessibleName(tr("Revert %1 to %2").arg(m_app.name, kept->version));
        const QString size = tr("The earlier version takes %1.").arg(QLocale().formattedDataSize(kept->bytes));
        setToolTip(size);
        setAccessibleDescription(size);
    }
    setVisible(kept.has_value());
}
