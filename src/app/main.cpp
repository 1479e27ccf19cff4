#include "translations/Translations.h"

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
    // The languages set in System Settings, this app's own choice there first.
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Translations::install(&application, Translations::choose(QLocale::system().uiLanguages()),
        Translations::pseudoRequested(environment));

    // Before any window reads the catalog: the refreshed one fetched earlier, when it still checks out.
    CatalogRefresher::activateCached(Environment::system());
    OrvandoApp app;
    app.newWindow();
    return QApplication::exec();
}
