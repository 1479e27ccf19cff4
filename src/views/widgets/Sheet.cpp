#include "views/widgets/Sheet.h"

#include <QDialog>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace Sheet {

void present(QDialog *dialog)
{
    // Elsewhere a sheet flag would turn the dialog into a bare window; a modal dialog is the match.
    if (QGuiApplication::platformName() == u"cocoa"_s)
        dialog->setWindowFlag(Qt::Sheet);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

} // namespace Sheet
