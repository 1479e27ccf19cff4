#include "views/style/IdleWork.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

namespace IdleWork {

QThreadPool *pool()
{
    // Owned by the application, which waits for its work as it goes.
    static QPointer<QThreadPool> workers;
    if (!workers) {
        workers = new QThreadPool(QCoreApplication::instance());
        workers->setMaxThreadCount(1);
        workers->setThreadPriority(QThread::IdlePriority);
    }
    return workers;
}

} // namespace IdleWork
