// Every test program speaks English, with the plural forms the shipped programs have ("1 app",
// "2 apps"), whatever language the machine running the suite is set to.
#include "translations/Translations.h"

#include <QCoreApplication>

namespace {

void speakEnglish()
{
    Translations::install(QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
