#include "views/IdleWork.h"

#include <QThread>
#include <QThreadPool>

namespace IdleWork {

QThreadPool *pool()
{
    static QThreadPool *const workers = [] {
        auto *created = new QThreadPool;
        created->setMaxThreadCount(1);
        created->setThreadPriority(QThread::IdlePriority);
        return created;
    }();
    return workers;
}

} // namespace IdleWork
