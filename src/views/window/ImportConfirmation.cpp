#include "views/window/ImportConfirmation.h"

#include "engine/InstallEngine.h"
#include "views/style/Brand.h"
#include "views/style/Controls.h"
#include "views/style/Typography.h"
#include "views/window/AppSelection.h"
#include "views/window/BatchFooter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ImportConfirmation::ImportConfirmation(
    const AppSetFile::Import &set, const QString &fileName, const InstallEngine &engine, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"importConfirmation"_s);
    setWindowTitle(tr("Install from file"));
    setFixedWidth(420);
    Controls::fill(this, Brand::cream);

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(24, 22, 24, 20);
    stack->setSpacing(10);
    stack->addWidget(Typography::label(tr("Install from file"), 18, QFont::DemiBold, Brand::warmBlack));
    //: %1 is the name of the file chosen.
    const QString names = set.apps.isEmpty() ? tr("“%1” names no app of the catalog.").arg(fileName)
                                             //: %1 is the name of the file chosen; the list of apps follows.
                                             : tr("“%1” names these apps:").arg(fileName);
    stack->addWidget(Typography::label(names, 13, QFont::Normal, Brand::n3, true));
    stack->addWidget(appList(set, engine));
    if (!set.unknown.isEmpty()) {
        QLabel *unknown = Typography::label(
            //: %1 lists the names in the file that are not apps of the catalog.
            tr("Not recognised: %1").arg(set.unknown.join(u", "_s)), 12, QFont::Normal, Brand::deepTerra, true);
        unknown->setObjectName(u"notRecognised"_s);
        stack->addWidget(unknown);
    }
    if (!set.ignored.isEmpty()) {
        //: %1 lists the file's lines Orvando leaves for Homebrew to handle (taps, formulae).
        const QString ignored = tr("Left to Homebrew: %1").arg(set.ignored.join(u", "_s));
        stack->addWidget(Typography::label(ignored, 12, QFont::Normal, Brand::n3, true));
    }

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 10, 0, 0);
    buttons->setSpacing(10);
    buttons->addStretch();
    m_cancel = Controls::button(tr("Cancel"), BrandStyle::Look::Outlined, Brand::warmBlack, Typography::font(13));
    m_cancel->setObjectName(u"cancelImport"_s);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_install = Controls::button(BatchFooter::installTitle(int(m_toInstall.size())), BrandStyle::Look::Filled,
        Brand::onPrimary, Typography::font(13, QFont::Medium));
    m_install->setObjectName(u"confirmImport"_s);
    m_install->setEnabled(!m_toInstall.isEmpty());
    // Return confirms only when there is something to install; Escape always cancels.
    m_install->setDefault(!m_toInstall.isEmpty());
    connect(m_install, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_install);
    stack->addLayout(buttons);
}

QWidget *ImportConfirmation::appList(const AppSetFile::Import &set, const InstallEngine &engine)
{
    QFrame *list = Controls::panel();
    list->setObjectName(u"importedApps"_s);
    auto *rows = new QVBoxLayout(list);
    rows->setContentsMargins(12, 10, 12, 10);
    rows->setSpacing(6);
    for (const CatalogApp &app : set.apps) {
        const bool installable = AppSelection::isSelectable(engine, app);
        if (installable)
            m_toInstall.append(app);
        const AppStatus::Kind kind = engine.status(app).kind;
        //: %1 is an app's name, in the list of apps a file names.
        const QString line = installable           ? app.name
            : kind == AppStatus::Kind::Unavailable ? tr("%1 — unavailable").arg(app.name)
                                                   //: %1 is an app's name, in the list of apps a file names.
                                                   : tr("%1 — already installed").arg(app.name);
        rows->addWidget(Typography::label(line, 13, QFont::Normal, installable ? Brand::warmBlack : Brand::n3));
    }

    // A long file scrolls within the sheet rather than making it taller than the window.
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(list);
    scroll->setFixedHeight(qMin(260, list->sizeHint().height()));
    scroll->setVisible(!set.apps.isEmpty());
    return scroll;
}
