#include "views/window/UpdateChoices.h"

#include "catalog/Catalog.h"
#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "engine/facts/UpdateHolds.h"
#include "views/card/RevertButton.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString nameOf(const QString &appID)
{
    for (const CatalogApp &app : Catalog::activeAndBuiltIn())
        if (app.id == appID)
            return app.name;
    return appID;
}

} // namespace

UpdateChoices::UpdateChoices(InstallEngine *engine, UpdateChecker *updates, QWidget *parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_updates(updates)
    , m_rows(new QVBoxLayout(this))
{
    setObjectName(u"updateChoices"_s);
    m_rows->setContentsMargins(0, 4, 0, 0);
    m_rows->setSpacing(2);
    if (updates)
        connect(updates, &UpdateChecker::updatesChanged, this, &UpdateChoices::rebuild);
    // An update ending keeps a version to go back to; a revert uses it up.
    if (engine)
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            const std::optional<InstallState> state = m_engine->state(appID);
            if (state && state->kind != InstallState::Kind::Installing)
                rebuild();
        });
    rebuild();
}

void UpdateChoices::rebuild()
{
    // Later, not now: the button pressed is among them, and its click is still under way.
    const auto drop = [](QWidget *widget) {
        if (!widget)
            return;
        widget->hide();
        widget->setParent(nullptr);
        widget->deleteLater();
    };
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        if (QLayout *row = item->layout())
            while (QLayoutItem *inner = row->takeAt(0)) {
                drop(inner->widget());
                delete inner;
            }
        drop(item->widget());
        delete item;
    }
    const QFont font = Typography::font(12);
    const auto addRow = [&](const QString &text, const QList<QPushButton *> &buttons) {
        auto *row = new QHBoxLayout;
        row->setSpacing(10);
        row->addWidget(Typography::label(text, 12, QFont::Normal, Brand::n3, false, this));
        for (QPushButton *button : buttons)
            row->addWidget(button);
        row->addStretch();
        m_rows->addLayout(row);
    };
    const auto button = [&](const QString &text, const QString &accessibleName, auto action) {
        QPushButton *made = Controls::button(text, BrandStyle::Look::Plain, Brand::primary, font, QString(), this);
        made->setAccessibleName(accessibleName);
        connect(made, &QPushButton::clicked, this, action);
        return made;
    };
    for (const AppUpdate &update : m_updates ? m_updates->updates() : QList<AppUpdate>()) {
        if (update.updatesItself)
            continue;
        const QString name = nameOf(update.appID);
        const QString id = update.appID;
        const QString version = update.availableVersion;
        addRow(tr("%1 %2", "an app's name and the version on offer").arg(name, version),
            { button(tr("Skip this version"), tr("Skip %1 %2").arg(name, version),
                  [id, version] { UpdateHolds::skipVersion(id, version); }),
                button(tr("Don’t check for updates"), tr("Don’t check %1 for updates").arg(name),
                    [id] { UpdateHolds::setHeld(id, true); }) });
    }
    for (const CatalogApp &app : m_engine ? Catalog::activeAndBuiltIn() : QList<CatalogApp>()) {
        const std::optional<KeptVersions::Kept> kept = RevertButton::revertible(m_engine, app);
        if (!kept)
            continue;
        const CatalogApp target = app;
        addRow(tr("%1 %2 is kept (%3)").arg(app.name, kept->version, QLocale().formattedDataSize(kept->bytes)),
            { button(tr("Revert to %1").arg(kept->version), tr("Revert %1 to %2").arg(app.name, kept->version),
                [this, target] {
                    if (m_engine)
                        startDetached(m_engine->revert(target));
                }) });
    }
    for (const auto &[update, why] : m_updates ? m_updates->leftAlone() : QList<std::pair<AppUpdate, QString>>()) {
        const QString id = update.appID;
        addRow(why, { button(tr("Check again"), tr("Check %1 for updates again").arg(nameOf(id)), [id] {
            UpdateHolds::clear(id);
        }) });
    }
}
