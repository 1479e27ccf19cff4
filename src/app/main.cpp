#include "app/OrvandoApp.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Orvando"_s);
    QApplication::setOrganizationDomain(u"orvando.app"_s);

    OrvandoApp app;
    app.newWindow();
    return QApplication::exec();
}
