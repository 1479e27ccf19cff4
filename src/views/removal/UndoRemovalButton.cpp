#include "views/removal/UndoRemovalButton.h"

#include "engine/Detached.h"
#include "engine/InstallEngine.h"
#include "engine/RemovalHistory.h"

#include <QEvent>

using namespace Qt::StringLiterals;

UndoRemovalButton::UndoRemovalButton(const CatalogApp &app, InstallEngine *engine, QWidget *parent)
    : QPushButton(tr("Undo"), parent)
    , m_app(app)
    , m_engine(engine)
{
    setObjectName(u"undoRemoval_"_s + app.id);
    setAccessibleName(tr("Undo removing %1").arg(app.name));
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_engine)
            startDetached(m_engine->undoRemoval(m_app));
    });
    if (engine) {
        connect(engine->coordinator()->removals(), &RemovalHistory::changed, this, [this](const QString &appID) {
            if (appID == m_app.id)
                follow();
        });
        connect(engine, &InstallEngine::stateChanged, this, [this](const QString &appID) {
            if (appID == m_app.id)
                follow();
        });
    }
    follow();
}

void UndoRemovalButton::follow()
{
    const std::optional<InstallState> state = m_engine ? m_engine->state(m_app.id) : std::nullopt;
    const bool removed = !state || state->kind == InstallState::Kind::NotInstalled;
    setVisible(m_engine && removed && m_engine->canUndoRemoval(m_app.id));
}

bool UndoRemovalButton::event(QEvent *event)
{
    // The Trash may have been emptied since: look again whenever the window comes back.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        QMetaObject::invokeMethod(this, &UndoRemovalButton::follow, Qt::QueuedConnection);
    return QPushButton::event(event);
}
