#include "app/OrvandoApp.h"
#include "engine/CatalogRefresher.h"
#include "engine/Environment.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Orvando"_s);
    QApplication::setOrganizationDomain(u"orvando.app"_s);

    // Before any window reads the catalog: the refreshed one fetched earlier, when it still checks out.
    CatalogRefresher::activateCached(Environment::system());
    OrvandoApp app;
    app.newWindow();
    return QApplication::exec();
}
