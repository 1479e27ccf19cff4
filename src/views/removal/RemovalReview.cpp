#include "views/removal/RemovalReview.h"

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "platform/SettingsKeys.h"
#include "platform/UserDefaults.h"
#include "views/widgets/Sheet.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFutureWatcher>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

using namespace Qt::StringLiterals;

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int appRole = Qt::UserRole + 1;
constexpr int sizeRole = Qt::UserRole + 2;

QString sizeText(qint64 bytes)
{
    return bytes < 0 ? RemovalReview::tr("measuring…") : QLocale().formattedDataSize(bytes);
}

} // namespace

RemovalReview::RemovalReview(InstallEngine *engine, const QList<CatalogApp> &apps, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_apps(apps)
{
    setObjectName(u"removalReview"_s);
    const QString title
        = apps.size() == 1 ? tr("Remove %1?").arg(apps.first().name) : tr("Remove %n apps?", nullptr, int(apps.size()));
    setWindowTitle(title);
    setAccessibleName(title);
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(title);
    m_heading->setObjectName(u"removalTitle"_s);
    m_heading->setWordWrap(true);
    layout->addWidget(m_heading);
    auto *explanation = new QLabel(tr("Everything ticked goes to the Trash, where you can still get it back."));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    m_list = new QListWidget;
    m_list->setObjectName(u"removalItems"_s);
    m_list->setAccessibleName(tr("What will be removed"));
    m_list->setMinimumSize(460, 220);
    layout->addWidget(m_list, 1);
    m_total = new QLabel;
    m_total->setObjectName(u"removalTotal"_s);
    layout->addWidget(m_total);

    auto *buttons = new QDialogButtonBox;
    m_appOnly = buttons->addButton(tr("Remove app only"), QDialogButtonBox::AcceptRole);
    m_appAndData = buttons->addButton(tr("Remove app and data"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_appOnly->setAccessibleName(m_appOnly->text());
    m_appAndData->setAccessibleName(m_appAndData->text());
    const bool keepData = UserDefaults::standard().boolValue(SettingsKeys::removalKeepsData());
    (keepData ? m_appOnly : m_appAndData)->setDefault(true);
    connect(m_appOnly, &QPushButton::clicked, this, [this] { choose(true); });
    connect(m_appAndData, &QPushButton::clicked, this, [this] { choose(false); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    fill();
    connect(m_list, &QListWidget::itemChanged, this, &RemovalReview::updateTotal);
    m_list->setFocus();
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);

    // The plans found on this thread are small; their sizes may take a while: a pool thread.
    auto *watcher = new QFutureWatcher<QList<RemovalPlan>>(this);
    connect(watcher, &QFutureWatcher<QList<RemovalPlan>>::finished, this, [this, watcher] {
        m_measured = true;
        showSizes(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([plans = m_plans]() mutable {
        for (RemovalPlan &plan : plans)
            plan.measure();
        return plans;
    }));
}

void RemovalReview::setHeading(const QString &heading)
{
    setWindowTitle(heading);
    setAccessibleName(heading);
    m_heading->setText(heading);
}

void RemovalReview::fill()
{
    const QSignalBlocker quiet(m_list);
    for (qsizetype i = 0; i < m_apps.size(); ++i) {
        const CatalogApp &app = m_apps.at(i);
        m_plans.append(m_engine ? m_engine->removalPlan(app) : RemovalPlan());
        const RemovalPlan &plan = m_plans.last();
        auto *bundle = new QListWidgetItem(
            plan.bundle ? QFileInfo(plan.bundle->path).fileName() : tr("%1 (app)").arg(app.name), m_list);
        bundle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        bundle->setData(appRole, int(i));
        bundle->setData(sizeRole, qint64(-1));
        bundle->setData(pathRole, plan.bundle ? plan.bundle->path : QString());
        for (const LeftoverItem &leftover : plan.leftovers) {
            auto *item = new QListWidgetItem(m_list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(leftover.inUserFolder ? Qt::Unchecked : Qt::Checked);
            item->setData(pathRole, leftover.path);
            item->setData(appRole, int(i));
            item->setData(sizeRole, qint64(-1));
        }
    }
    if (m_list->count() == 0)
        new QListWidgetItem(tr("Nothing of these apps is on this Mac."), m_list);
    showSizes({});
}

void RemovalReview::showSizes(const QList<RemovalPlan> &plans)
{
    const QSignalBlocker quiet(m_list);
    if (!plans.isEmpty())
        m_plans = plans;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const QVariant appIndex = item->data(appRole);
        if (!appIndex.isValid())
            continue;
        const RemovalPlan &plan = m_plans.at(appIndex.toInt());
        const QString path = item->data(pathRole).toString();
        const bool isBundle = !(item->flags() & Qt::ItemIsUserCheckable);
        qint64 size = -1;
        bool admin = false;
        if (isBundle && plan.bundle) {
            size = plan.bundle->size;
        } else {
            for (const LeftoverItem &leftover : plan.leftovers) {
                if (leftover.path == path) {
                    size = leftover.size;
                    admin = leftover.needsAdministrator;
                }
            }
        }
        item->setData(sizeRole, size);
        const QString name = isBundle ? item->text().section(u" — "_s, 0, 0)
                                      : shownPath(path, m_engine ? m_engine->environment().home : QDir::homePath());
        QString text = name + u" — "_s + sizeText(size);
        if (admin)
            text += u" — "_s + tr("needs your administrator password");
        item->setText(text);
        item->setData(Qt::AccessibleTextRole, text);
    }
    updateTotal();
    if (m_measured)
        Q_EMIT measured();
}

void RemovalReview::updateTotal()
{
    qint64 app = 0;
    qint64 dataBytes = 0;
    int ticked = 0;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        const qint64 size = qMax<qint64>(item->data(sizeRole).toLongLong(), 0);
        if (!(item->flags() & Qt::ItemIsUserCheckable)) {
            app += size;
        } else if (item->checkState() == Qt::Checked) {
            dataBytes += size;
            ++ticked;
        }
    }
    const QString text = m_measured
        ? tr("App: %1. Data: %2 in %n item(s).", nullptr, ticked).arg(sizeText(app), sizeText(dataBytes))
        : tr("Measuring sizes…");
    m_total->setText(text);
    m_total->setAccessibleName(text);
}

void RemovalReview::choose(bool keepData)
{
    UserDefaults::standard().setBool(SettingsKeys::removalKeepsData(), keepData);
    if (m_engine) {
        QHash<int, QStringList> ticked;
        for (int row = 0; row < m_list->count(); ++row) {
            const QListWidgetItem *item = m_list->item(row);
            if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState() == Qt::Checked)
                ticked[item->data(appRole).toInt()].append(item->data(pathRole).toString());
        }
        for (qsizetype i = 0; i < m_apps.size(); ++i) {
            RemovalChoice choice;
            choice.keepData = keepData;
            choice.leftovers = ticked.value(int(i));
            m_engine->setRemovalChoice(m_apps.at(i).id, choice);
        }
    }
    Q_EMIT chosen(keepData);
    accept();
}

RemovalReview *RemovalReview::review(InstallEngine *engine, const QList<CatalogApp> &apps, QWidget *parent)
{
    auto *review = new RemovalReview(engine, apps, parent);
    review->setAttribute(Qt::WA_DeleteOnClose);
    if (apps.size() == 1) {
        const CatalogApp app = apps.first();
        QPointer<InstallEngine> target(engine);
        connect(review, &RemovalReview::chosen, review, [target, app] {
            if (target)
                startDetached(target->uninstall(app));
        });
    }
    Sheet::present(review);
    return review;
}
