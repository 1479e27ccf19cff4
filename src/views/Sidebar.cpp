#include "views/Sidebar.h"

#include "telemetry/ProductInfo.h"
#include "views/Brand.h"
#include "views/Divider.h"
#include "views/NavRow.h"
#include "views/OrvandoLogo.h"
#include "views/SlimScrollBars.h"
#include "views/SymbolButton.h"
#include "views/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Sidebar::Sidebar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"sidebar"_s);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Brand::n1);
    setPalette(p);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *logoRow = new QHBoxLayout;
    logoRow->setContentsMargins(20, 24, 20, 8);
    logoRow->addWidget(new OrvandoLogo(32, this));
    logoRow->addStretch();
    column->addLayout(logoRow);

    QLabel *tagline = Typography::label(u"Get the good Mac apps."_s, 13, QFont::Normal, Brand::n3, false, this);
    tagline->setContentsMargins(20, 0, 20, 20);
    column->addWidget(tagline);

    column->addWidget(navigationList(), 1);
    column->addWidget(footer());
}

QWidget *Sidebar::navigationList()
{
    auto *list = new QWidget;
    list->setObjectName(u"sidebarList"_s);
    auto *rows = new QVBoxLayout(list);
    rows->setContentsMargins(8, 4, 8, 0);
    rows->setSpacing(2);

    m_handselected = new NavRow(u"Handselected apps"_s, u"rosette"_s, list);
    connect(m_handselected, &NavRow::clicked, this, &Sidebar::handselectedChosen);
    rows->addWidget(m_handselected);
    m_allApps = new NavRow(u"All apps"_s, u"square.grid.2x2"_s, list);
    connect(m_allApps, &NavRow::clicked, this, &Sidebar::allAppsChosen);
    rows->addWidget(m_allApps);

    QLabel *header = Typography::label(u"Categories"_s, 11, QFont::DemiBold, Brand::n3, false, list);
    header->setContentsMargins(12, 14, 12, 4);
    rows->addWidget(header);

    const QList<CatalogApp::Category> categories = CatalogApp::allCategories();
    for (const CatalogApp::Category category : categories) {
        auto *row = new NavRow(CatalogApp::label(category), CatalogApp::symbol(category), list);
        connect(row, &NavRow::clicked, this, [this, category] { Q_EMIT categoryChosen(category); });
        rows->addWidget(row);
        m_categoryRows.append({ category, row });
    }
    rows->addStretch();

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Transparent, so the sidebar's own background shows through.
    scroll->viewport()->setAutoFillBackground(false);
    list->setAutoFillBackground(false);
    scroll->setWidget(list);
    SlimScrollBars::apply(scroll);
    return scroll;
}

QWidget *Sidebar::footer()
{
    auto *box = new QWidget(this);
    auto *stack = new QVBoxLayout(box);
    stack->setContentsMargins(16, 16, 16, 16);
    stack->setSpacing(8);
    stack->addWidget(new Divider(box));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(14);
    m_feedback = new SymbolButton(u"envelope"_s, u"Send feedback"_s, 12, Brand::n3, box);
    m_feedback->setToolTip(u"Email "_s + ProductInfo::supportEmail());
    connect(m_feedback, &SymbolButton::clicked, this, &Sidebar::feedbackRequested);
    m_settings = new SymbolButton(u"gearshape"_s, u"Settings"_s, 12, Brand::n3, box);
    m_settings->setToolTip(u"Privacy, uninstall, analytics, suggestions"_s);
    connect(m_settings, &SymbolButton::clicked, this, &Sidebar::settingsRequested);
    buttons->addWidget(m_feedback);
    buttons->addWidget(m_settings);
    buttons->addStretch();
    stack->addLayout(buttons);
    return box;
}

NavRow *Sidebar::categoryRow(CatalogApp::Category category) const
{
    for (const auto &[rowCategory, row] : m_categoryRows) {
        if (rowCategory == category)
            return row;
    }
    return nullptr;
}

void Sidebar::setSelection(bool showAllApps, std::optional<CatalogApp::Category> category)
{
    m_handselected->setSelected(!showAllApps);
    m_allApps->setSelected(showAllApps);
    for (const auto &[rowCategory, row] : m_categoryRows)
        row->setSelected(category == rowCategory);
}
