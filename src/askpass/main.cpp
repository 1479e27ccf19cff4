#include "AskpassDialog.h"
#include "translations/Translations.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

// sudo runs this (through SUDO_ASKPASS) when Homebrew needs the administrator password.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvando"));
    // The languages set in System Settings, as the window that asked for the password speaks them.
    Translations::install(&app, Translations::choose(QLocale::system().uiLanguages()),
        Translations::pseudoRequested(QProcessEnvironment::systemEnvironment()));
    AskpassDialog dialog(qEnvironmentVariable("ORVANDO_ASKPASS_FOR"));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    const int status = dialog.run(out);
    out.close();
    return status;
}
