// Every test program speaks English, with the plural forms the shipped programs have ("1 app",
// "2 apps"), whatever language the machine running the suite is set to.
#include "translations/Translations.h"

#include <QCoreApplication>

namespace {

void speakEnglish()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    Translations::install(QCoreApplication::instance(), english);
    QLocale::setDefault(english);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
