#include "views/card/InstallGuidancePanel.h"

#include "views/card/PrivacySettings.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/SymbolLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int indent = 22;

// The outlined buttons that open System Settings or launch the app; a long title wraps in a narrow card.
QPushButton *settingsButton(const QString &title, const QString &symbol, bool wraps)
{
    const QFont font = Typography::font(12, QFont::Medium);
    if (wraps)
        return Controls::wrappingButton(
            title, BrandStyle::Look::Outlined, Brand::primary, font, symbol, { 10, 5, 10, 5 });
    return Controls::button(title, BrandStyle::Look::Outlined, Brand::primary, font, symbol);
}

} // namespace

InstallGuidancePanel::InstallGuidancePanel(const CatalogApp &app, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(u"installGuidance"_s);
    BrandStyle::setLook(this, BrandStyle::Look::Panel);
    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(12, 12, 12, 12);
    panel->setSpacing(10);
    panel->addLayout(guidanceLine(u"hand.raised"_s,
        //: The question and the "Open" button are the ones macOS shows, in its own words
        tr("macOS may ask “Are you sure you want to open this app from the internet?” — click Open.")));

    for (const PermissionGuidance::Permission permission : PermissionGuidance::needed(app))
        addPermissionSection(panel, permission, app.name);

    panel->addWidget(Controls::divider());
    auto *launchRow = new QHBoxLayout;
    launchRow->setSpacing(8);
    launchRow->addWidget(Typography::label(tr("Didn’t open?"), 12, QFont::Normal, Brand::n3), 0, Qt::AlignVCenter);
    m_launch = settingsButton(tr("Launch %1").arg(app.name), u"play.fill"_s, false);
    m_launch->setObjectName(u"launchButton"_s);
    connect(m_launch, &QPushButton::clicked, this, &InstallGuidancePanel::launchRequested);
    launchRow->addWidget(m_launch, 0, Qt::AlignVCenter);
    launchRow->addStretch();
    panel->addLayout(launchRow);
}

QLayout *InstallGuidancePanel::guidanceLine(const QString &symbol, const QString &text)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    auto *icon = new SymbolLabel(symbol, 12, Brand::forest);
    // Nudged down so the symbol sits on the first line of text rather than above it.
    icon->setContentsMargins(1, 2, 1, 0);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(Typography::label(text, 12, QFont::Normal, Brand::n3, true), 1, Qt::AlignTop);
    return row;
}

void InstallGuidancePanel::addPermissionSection(
    QVBoxLayout *panel, PermissionGuidance::Permission permission, const QString &appName)
{
    const bool accessibility = permission == PermissionGuidance::Permission::Accessibility;
    panel->addWidget(Controls::divider());
    auto *section = new QVBoxLayout;
    section->setSpacing(6);
    section->addLayout(guidanceLine(accessibility ? u"lock.shield"_s : u"rectangle.dashed.badge.record"_s,
        PermissionGuidance::prompt(permission, appName)));
    auto *where = Typography::label(PermissionGuidance::where(permission, appName), 12, QFont::Normal, Brand::n3, true);
    where->setContentsMargins(indent, 0, 0, 0);
    section->addWidget(where);
    QPushButton *button = settingsButton(PermissionGuidance::openPane(permission), u"arrow.up.forward.app"_s, true);
    connect(button, &QPushButton::clicked, this,
        accessibility ? &PrivacySettings::openAccessibility : &PrivacySettings::openScreenRecording);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(indent, 0, 0, 0);
    buttonRow->addWidget(button);
    buttonRow->addStretch();
    section->addLayout(buttonRow);
    panel->addLayout(section);
}
