// The sections of the settings sheet, top to bottom.
#include "catalog/Catalog.h"
#include "engine/CatalogRefresher.h"
#include "engine/InstallEngine.h"
#include "platform/SoftwareUpdater.h"
#include "platform/UrlOpener.h"
#include "telemetry/ProductInfo.h"
#include "views/settings/SettingsView.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QVBoxLayout *section(const QString &title, int spacing)
{
    auto *layout = new QVBoxLayout;
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel *label = Typography::label(title.toUpper(), 11, QFont::DemiBold, Brand::n3);
    QFont tracked = label->font();
    tracked.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    label->setFont(tracked);
    layout->addWidget(label);
    return layout;
}

QLabel *caption(const QString &text)
{
    return Typography::label(text, 12, QFont::Normal, Brand::n3, true);
}

QPushButton *row(const QString &title, QPalette::ColorRole role, const QString &symbol = {})
{
    return Controls::button(title, BrandStyle::Look::Row, role, Typography::font(13, QFont::Medium), symbol);
}

QPushButton *legalLink(const QString &title, const QString &path, const char *name)
{
    QPushButton *link = row(title, Brand::primary, u"arrow.up.forward"_s);
    link->setObjectName(QString::fromLatin1(name));
    const QUrl url(ProductInfo::website() + path);
    link->setToolTip(url.toString());
    QObject::connect(link, &QAbstractButton::clicked, link, [url] { UrlOpener::open(url); });
    return link;
}

} // namespace

QWidget *SettingsView::header()
{
    auto *bar = new QWidget;
    bar->setObjectName(u"settingsHeader"_s);
    Controls::fill(bar, Brand::n1);

    QPushButton *done = Controls::button(tr("Done"), BrandStyle::Look::Plain, Brand::primary, Typography::font(13));
    done->setProperty("padding", QSize(4, 2));
    done->setObjectName(u"done"_s);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 12, 12, 12);
    row->addWidget(Typography::label(tr("Settings"), 15, QFont::DemiBold, Brand::warmBlack), 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(done, 0, Qt::AlignVCenter);
    return bar;
}

QLayout *SettingsView::legalSection()
{
    QVBoxLayout *layout = section(tr("Legal", "settings section heading"), 10);
    layout->addWidget(legalLink(tr("Privacy policy"), u"/privacy"_s, "privacyLink"));
    layout->addWidget(legalLink(tr("Terms of use"), u"/terms"_s, "termsLink"));
    layout->addWidget(caption(
        //: %1 is the support e-mail address
        tr("Questions: %1").arg(ProductInfo::supportEmail())));
    return layout;
}

QLayout *SettingsView::privacySection()
{
    QVBoxLayout *layout = section(tr("Privacy", "settings section heading"), 8);
    auto *label = new QVBoxLayout;
    label->setSpacing(4);
    const QString title = tr("Share analytics with developer");
    const QString explanation = tr("Only anonymous product events, such as installs, are shared. "
                                   "No account, no browsing content. Off by default.");
    label->addWidget(Typography::label(title, 13, QFont::Medium, Brand::warmBlack));
    label->addWidget(caption(explanation));

    m_analyticsSwitch = new QCheckBox;
    BrandStyle::setLook(m_analyticsSwitch, BrandStyle::Look::Switch);
    m_analyticsSwitch->setObjectName(u"analyticsSwitch"_s);
    m_analyticsSwitch->setFocusPolicy(Qt::TabFocus);
    m_analyticsSwitch->setAccessibleName(title);
    m_analyticsSwitch->setAccessibleDescription(explanation);
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addLayout(label, 1);
    row->addWidget(m_analyticsSwitch, 0, Qt::AlignTop);
    layout->addLayout(row);
    return layout;
}

QLayout *SettingsView::updatesSection()
{
    QVBoxLayout *layout = section(tr("Updates", "settings section heading"), 8);
    SoftwareUpdater &updater = SoftwareUpdater::shared();
    if (updater.updatesItself()) {
        const QString title = tr("Check for Orvando updates automatically");
        const QString explanation = tr("Orvando looks for a new version once a day and asks before installing it.");
        auto *label = new QVBoxLayout;
        label->setSpacing(4);
        label->addWidget(Typography::label(title, 13, QFont::Medium, Brand::warmBlack));
        label->addWidget(caption(explanation));
        m_automaticUpdatesSwitch = new QCheckBox;
        BrandStyle::setLook(m_automaticUpdatesSwitch, BrandStyle::Look::Switch);
        m_automaticUpdatesSwitch->setObjectName(u"automaticUpdatesSwitch"_s);
        m_automaticUpdatesSwitch->setFocusPolicy(Qt::TabFocus);
        m_automaticUpdatesSwitch->setAccessibleName(title);
        m_automaticUpdatesSwitch->setAccessibleDescription(explanation);
        m_automaticUpdatesSwitch->setChecked(updater.automaticallyChecks());
        connect(m_automaticUpdatesSwitch, &QAbstractButton::toggled, this,
            [](bool on) { SoftwareUpdater::shared().setAutomaticallyChecks(on); });
        auto *row = new QHBoxLayout;
        row->setSpacing(12);
        row->addLayout(label, 1);
        row->addWidget(m_automaticUpdatesSwitch, 0, Qt::AlignTop);
        layout->addLayout(row);
    } else {
        QLabel *how = caption(updater.howToUpdate());
        how->setObjectName(u"howToUpdate"_s);
        layout->addWidget(how);
    }

    QLabel *catalog = caption(Catalog::activeSummary());
    catalog->setObjectName(u"catalogSummary"_s);
    layout->addWidget(catalog);
    // A newer catalog fetched while Orvando was open waits for the next start.
    const std::optional<CatalogDocument> waiting
        = m_engine ? CatalogRefresher::cached(m_engine->environment()) : std::nullopt;
    if (waiting && waiting->issued > Catalog::activeIssued().value_or(Catalog::builtInIssued())) {
        QLabel *note = caption(Catalog::waitingNote(waiting->issued));
        note->setObjectName(u"catalogWaiting"_s);
        layout->addWidget(note);
    }
    return layout;
}

QLayout *SettingsView::suggestSection()
{
    QVBoxLayout *layout = section(tr("Suggest apps", "settings section heading"), 8);
    layout->addWidget(caption(tr("Tell us a tool you wish was in Orvando.")));

    m_suggestEditor = new QPlainTextEdit;
    m_suggestEditor->setObjectName(u"suggestEditor"_s);
    BrandStyle::setLook(m_suggestEditor, BrandStyle::Look::Field);
    m_suggestEditor->setAccessibleName(tr("App suggestion"));
    m_suggestEditor->setAccessibleDescription(tr("Tell us a tool you wish was in Orvando."));
    m_suggestEditor->setFont(Typography::font(13));
    m_suggestEditor->setTabChangesFocus(true);
    m_suggestEditor->setMinimumHeight(72);
    m_suggestEditor->setMaximumHeight(100);
    m_suggestEditor->document()->setDocumentMargin(8);
    layout->addWidget(m_suggestEditor);

    m_sendSuggestion = Controls::button(
        tr("Send suggestion"), BrandStyle::Look::Filled, Brand::onPrimary, Typography::font(13, QFont::Medium));
    m_sendSuggestion->setProperty("padding", QSize(14, 8));
    m_sendSuggestion->setObjectName(u"sendSuggestion"_s);
    m_sendSuggestion->setEnabled(false);
    layout->addWidget(m_sendSuggestion, 0, Qt::AlignLeft);
    return layout;
}

QLayout *SettingsView::uninstallSection()
{
    QVBoxLayout *layout = section(tr("Uninstall", "settings section heading"), 10);
    QPushButton *all = row(tr("Uninstall all apps"), Brand::deepTerra);
    m_uninstallAll = all;
    all->setObjectName(u"uninstallAll"_s);
    all->setToolTip(tr("Removes catalog apps Orvando installed. Leaves Orvando itself."));
    connect(all, &QAbstractButton::clicked, this, &SettingsView::confirmUninstallAll);
    QPushButton *self = row(tr("Uninstall Orvando but keep my apps"), Brand::deepTerra);
    self->setObjectName(u"removeOrvando"_s);
    self->setToolTip(tr("Deletes only Orvando. Apps in Applications stay."));
    connect(self, &QAbstractButton::clicked, this, &SettingsView::confirmRemoveOrvando);
    layout->addWidget(all);
    layout->addWidget(self);
    return layout;
}
