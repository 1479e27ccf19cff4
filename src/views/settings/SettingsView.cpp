#include "views/settings/SettingsView.h"

#include "catalog/Catalog.h"
#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "telemetry/Analytics.h"
#include "telemetry/Feedback.h"
#include "views/removal/RemovalReview.h"
#include "views/settings/NetworkSection.h"
#include "views/settings/SelfRemoval.h"
#include "views/style/Brand.h"
#include "views/style/BrandMark.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/widgets/Sheet.h"
#include "views/window/MailFallback.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SettingsView::SettingsView(InstallEngine *engine, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_analytics(Analytics::shared())
    , m_installationPath(SelfRemoval::installationPath())
    , m_quit([] { QCoreApplication::quit(); })
{
    setObjectName(u"settingsView"_s);
    setWindowTitle(tr("Settings"));
    setFixedSize(440, 560);
    Controls::fill(this, Brand::cream);

    auto *content = new QWidget;
    content->setObjectName(u"settingsContent"_s);
    auto *items = new QVBoxLayout(content);
    items->setSpacing(22);
    items->setContentsMargins(20, 20, 20, 20);
    items->addLayout(legalSection());
    items->addLayout(privacySection());
    items->addLayout(updatesSection());
    items->addWidget(new NetworkSection);
    items->addLayout(suggestSection());
    items->addLayout(uninstallSection());
    m_busyNote = Typography::label(QString(), 12, QFont::Normal, Brand::n3, true);
    m_busyNote->setObjectName(u"busyNote"_s);
    m_busyNote->hide();
    items->addWidget(m_busyNote);
    m_copyAddress = Controls::button(
        MailFallback::copyTitle(), BrandStyle::Look::Plain, Brand::primary, Typography::font(12, QFont::Medium));
    m_copyAddress->setObjectName(u"copyAddress"_s);
    m_copyAddress->hide();
    connect(m_copyAddress, &QPushButton::clicked, this, [] { MailFallback::copyAddress(); });
    items->addWidget(m_copyAddress, 0, Qt::AlignLeft);
    items->addStretch(1);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(u"settingsScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    Controls::fill(scroll->viewport(), Brand::cream);
    scroll->setWidget(content);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(header());
    layout->addWidget(Controls::divider());
    layout->addWidget(scroll, 1);

    followAnalyticsConsent();
    connect(m_analyticsSwitch, &QAbstractButton::toggled, this, &SettingsView::setAnalyticsOptIn);
    connect(m_suggestEditor, &QPlainTextEdit::textChanged, this,
        [this] { m_sendSuggestion->setEnabled(!m_suggestEditor->toPlainText().trimmed().isEmpty()); });
    connect(m_sendSuggestion, &QPushButton::clicked, this, &SettingsView::sendSuggestion);
    followUninstallAll();
}

void SettingsView::followUninstallAll()
{
    // One removal of everything at a time: the row waits for the running one, in this sheet or an
    // earlier one of the same window.
    if (!m_engine)
        return;
    m_uninstallAll->setEnabled(!m_engine->uninstallAllInProgress());
    connect(m_engine, &InstallEngine::uninstallAllInProgressChanged, this,
        [this](bool running) { m_uninstallAll->setEnabled(!running); });
}

SettingsView *SettingsView::present(InstallEngine *engine, QWidget *window)
{
    auto *view = new SettingsView(engine, window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    Sheet::present(view);
    return view;
}

QString SettingsView::removedNote(int count)
{
    if (count == 0)
        return tr("No catalog apps were installed.");
    return tr("Removed %n app(s).", nullptr, count);
}

QString SettingsView::busyNote() const
{
    return m_busyNote->text();
}

void SettingsView::setBusyNote(const QString &note, bool offerAddress)
{
    m_busyNote->setText(note);
    m_busyNote->setVisible(!note.isEmpty());
    m_copyAddress->setVisible(offerAddress);
}

void SettingsView::setAnalytics(Analytics *analytics)
{
    disconnect(m_analytics, nullptr, this, nullptr);
    m_analytics = analytics;
    followAnalyticsConsent();
}

void SettingsView::followAnalyticsConsent()
{
    const auto show = [this](bool on) {
        // Only a press of the switch records a change.
        const QSignalBlocker quiet(m_analyticsSwitch);
        m_analyticsSwitch->setChecked(on);
    };
    show(m_analytics->isOptedIn());
    // Follow the setting when another window changes it.
    connect(m_analytics, &Analytics::optInChanged, this, show);
}

void SettingsView::setAnalyticsOptIn(bool on)
{
    m_analytics->setOptedIn(on);
    m_analytics->capture(on ? u"analytics_opt_in"_s : u"analytics_opt_out"_s);
}

void SettingsView::sendSuggestion()
{
    // The text as typed: toPlainText() would turn no-break spaces into plain ones.
    QString text = m_suggestEditor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    // Without a mail app to take it, the suggestion stays for the user to send another way.
    if (!Feedback::openSuggestEmail(text)) {
        setBusyNote(MailFallback::sentence(), true);
        return;
    }
    m_suggestEditor->clear();
    setBusyNote(tr("Opened your mail app with the suggestion."));
}

QMessageBox *SettingsView::confirm(
    const QString &title, const QString &message, const QString &action, const char *name)
{
    auto *alert = new QMessageBox(this);
    alert->setObjectName(QString::fromLatin1(name));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowTitle(title);
    alert->setTextFormat(Qt::PlainText);
    alert->setText(title);
    // The title reads as a heading, as in a Mac alert.
    alert->setStyleSheet(u"QLabel#qt_msgbox_label { font-weight: bold; }"_s);
    alert->setInformativeText(message);
    QPixmap mark(QSize(64, 64) * devicePixelRatio());
    mark.setDevicePixelRatio(devicePixelRatio());
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    BrandMark::paint(&painter, QRectF(0, 0, 64, 64), 64);
    painter.end();
    alert->setIconPixmap(mark);
    // Cancel is the safe default: Return and Escape both leave everything as it was.
    QPushButton *cancel = alert->addButton(tr("Cancel"), QMessageBox::RejectRole);
    alert->addButton(action, QMessageBox::DestructiveRole);
    alert->setDefaultButton(cancel);
    alert->setEscapeButton(cancel);
    return alert;
}

void SettingsView::confirmUninstallAll()
{
    // One review for every installed catalog app: what goes, its sizes, and whether data goes too.
    QList<CatalogApp> installed;
    if (m_engine) {
        const QList<CatalogApp> apps = Catalog::activeAndBuiltIn();
        m_engine->refreshInstalledStatus(apps);
        for (const CatalogApp &app : apps) {
            const std::optional<InstallState> state = m_engine->state(app.id);
            if (state && state->kind == InstallState::Kind::Installed)
                installed.append(app);
        }
    }
    // The removals run one after another through the engine's own "uninstall all", not per app.
    auto *review = new RemovalReview(m_engine, installed, this);
    review->setAttribute(Qt::WA_DeleteOnClose);
    review->setObjectName(u"confirmUninstallAll"_s);
    review->setHeading(tr("Uninstall every app Orvando installed?"));
    connect(review, &RemovalReview::chosen, this, [this] { startDetached(runUninstallAll()); });
    Sheet::present(review);
}

void SettingsView::confirmRemoveOrvando()
{
    QMessageBox *alert = confirm(tr("Remove Orvando but keep my apps?"),
        tr("Apps already in Applications stay. Only the Orvando app is removed."), tr("Remove Orvando"),
        "confirmRemoveOrvando");
    connect(alert, &QMessageBox::buttonClicked, this, [this, alert](QAbstractButton *button) {
        if (alert->buttonRole(button) == QMessageBox::DestructiveRole)
            removeOrvandoKeepApps();
    });
    alert->open();
}

QCoro::Task<> SettingsView::runUninstallAll()
{
    // The sheet may close while the engine works; the count is still recorded.
    const QPointer<SettingsView> self(this);
    const QPointer<InstallEngine> engine = m_engine;
    Analytics *analytics = m_analytics;
    setBusyNote(tr("Uninstalling apps…"));
    const int count = engine ? co_await engine->uninstallAllCatalogApps() : 0;
    if (self) {
        self->setBusyNote(removedNote(count));
        Q_EMIT self->uninstallAllFinished(count);
    }
    analytics->capture(u"uninstall_all"_s, { { u"count"_s, QString::number(count) } });
}

void SettingsView::removeOrvandoKeepApps()
{
    // A copy macOS runs from a read-only place would quit having removed nothing: say so instead.
    if (SelfRemoval::cannotRemoveFromHere(m_installationPath)) {
        setBusyNote(SelfRemoval::cannotRemoveSentence());
        return;
    }
    m_analytics->capture(u"uninstall_orvando_keep_apps"_s);
    SelfRemoval::removeAndQuit(m_installationPath, m_quit);
}
