// Writes operations into a history file, as another Orvando process would: history-writer
// <folder> <app id> <count>. Exits 0 when every one was written and completed.
#include "engine/history/OperationHistory.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4)
        return 2;
    OperationHistory history(OperationHistory::fileIn(arguments.at(1)));
    const int count = arguments.at(3).toInt();
    int written = 0;
    for (int i = 0; i < count; ++i) {
        HistoryRecord record;
        record.appID = arguments.at(2);
        record.versionBefore = QString::number(i);
        const qint64 id = history.begin(record);
        record.outcome = HistoryRecord::Outcome::Succeeded;
        record.log = QStringList { u"==> "_s + QString::number(i) };
        if (id > 0 && history.finish(id, record))
            ++written;
    }
    return written == count ? 0 : 1;
}
