#include "views/window/UpdatesView.h"

#include "engine/BatchInstaller.h"
#include "engine/EngineServices.h"
#include "engine/InstallEngine.h"
#include "engine/facts/UpdateChecker.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/window/UpdateChoices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

UpdatesView::UpdatesView(InstallEngine *engine, QWidget *parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_batch(new BatchInstaller(engine, this))
{
    setObjectName(u"updatesView"_s);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(28, 16, 28, 4);
    row->setSpacing(16);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    //: The heading of the view of the apps with a newer version.
    texts->addWidget(Typography::label(tr("Updates"), 20, QFont::Medium, Brand::warmBlack));
    m_status = Typography::label(QString(), 13, QFont::Normal, Brand::n3, true);
    m_status->setObjectName(u"updatesStatus"_s);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(m_status);
    if (const EngineServices *services = engine ? engine->services() : nullptr)
        texts->addWidget(new UpdateChoices(engine, services->updates(), this));
    row->addLayout(texts, 1);
    m_updateAll = Controls::button(
        tr("Update all"), BrandStyle::Look::Filled, Brand::onPrimary, Typography::font(14, QFont::Medium));
    m_updateAll->setObjectName(u"updateAllButton"_s);
    m_updateAll->setProperty("padding", QSize(18, 8));
    connect(m_updateAll, &QPushButton::clicked, this, &UpdatesView::updateAll);
    row->addWidget(m_updateAll, 0, Qt::AlignTop);

    connect(m_batch, &BatchInstaller::progressChanged, this, &UpdatesView::refresh);
    connect(m_batch, &BatchInstaller::runningChanged, this, &UpdatesView::refresh);
    connect(m_batch, &BatchInstaller::finished, this, [this](const BatchInstaller::Summary &summary) {
        m_summary = summary.text();
        refresh();
    });
    if (const EngineServices *services = engine ? engine->services() : nullptr) {
        connect(services->updates(), &UpdateChecker::updatesChanged, this, &UpdatesView::refresh);
        connect(services->updates(), &UpdateChecker::checkingChanged, this, &UpdatesView::refresh);
    }
    refresh();
}

void UpdatesView::updateAll()
{
    const EngineServices *services = m_engine ? m_engine->services() : nullptr;
    if (!services || m_batch->isRunning())
        return;
    m_summary.clear();
    m_batch->start(services->updates()->appsToUpdate(), AppOperation::Update);
}

void UpdatesView::refresh()
{
    const EngineServices *services = m_engine ? m_engine->services() : nullptr;
    const QList<CatalogApp> apps = services ? services->updates()->appsToUpdate() : QList<CatalogApp>();
    QStringList names;
    for (const CatalogApp &app : apps)
        names.append(app.name);
    // What the last check could not read is not "up to date".
    const QStringList problems = services ? services->updates()->lastProblems() : QStringList();
    //: %1 is one or more sentences saying what went wrong.
    const QString unchecked = problems.isEmpty()
        ? QString()
        : tr("Not every app could be checked for updates: %1").arg(problems.join(u" "_s));
    QString status;
    if (m_batch->isRunning())
        status = m_batch->progressText();
    else if (!m_summary.isEmpty())
        status = m_summary;
    else if (apps.isEmpty() && services && services->updates()->isChecking())
        status = tr("Checking for updates…");
    else if (apps.isEmpty())
        status = problems.isEmpty() ? tr("All your apps are up to date.") : unchecked;
    else {
        status = tr("%n apps have a newer version.", nullptr, int(apps.size()));
        if (!problems.isEmpty()) {
            //: Two sentences one after the other: how many apps have a newer version, then which could not be
            //: checked.
            status = tr("%1 %2").arg(status, unchecked);
        }
    }
    m_status->setText(status);
    m_updateAll->setVisible(!apps.isEmpty() || m_batch->isRunning());
    m_updateAll->setEnabled(!m_batch->isRunning());
    m_updateAll->setAccessibleDescription(QLocale().createSeparatedList(names));
}
