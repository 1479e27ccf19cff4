#include "views/window/AppSetTransfer.h"

#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "views/widgets/Sheet.h"
#include "views/window/ImportConfirmation.h"
#include "views/window/RootView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QMessageBox *alert(QWidget *window, const QString &title, const QString &sentence)
{
    auto *alert = new QMessageBox(window);
    alert->setObjectName(u"appSetAlert"_s);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setIcon(QMessageBox::Warning);
    alert->setTextFormat(Qt::PlainText);
    alert->setText(title);
    alert->setInformativeText(sentence);
    alert->open();
    return alert;
}

} // namespace

namespace AppSetTransfer {

QString exportTitle()
{
    //: The File menu item that saves the installed apps to a Brewfile.
    return QCoreApplication::translate("AppSetTransfer", "Export my apps…");
}

QString importTitle()
{
    //: The File menu item that installs the apps listed in a Brewfile.
    return QCoreApplication::translate("AppSetTransfer", "Install from file…");
}

void chooseExportFile(RootView *view)
{
    const QString home = view->engine()->environment().home;
    const QString path
        = QFileDialog::getSaveFileName(view->window(), QCoreApplication::translate("AppSetTransfer", "Export my apps"),
            QDir(home.isEmpty() ? QDir::homePath() : home).filePath(u"Brewfile"_s));
    if (!path.isEmpty())
        exportTo(view, path);
}

QMessageBox *exportTo(RootView *view, const QString &path)
{
    InstallEngine *engine = view->engine();
    QSet<QString> installed;
    for (const CatalogApp &app : Catalog::active())
        if (engine->detectedState(app) == InstallState::installed())
            installed.insert(app.id);
    QString error;
    if (AppSetFile::writeFile(path, AppSetFile::exportBrewfile(Catalog::active(), installed), &error))
        return nullptr;
    return alert(
        view->window(), QCoreApplication::translate("AppSetTransfer", "Your apps could not be exported."), error);
}

void chooseImportFile(RootView *view)
{
    const QString home = view->engine()->environment().home;
    const QString path = QFileDialog::getOpenFileName(view->window(),
        QCoreApplication::translate("AppSetTransfer", "Install from file"), home.isEmpty() ? QDir::homePath() : home);
    if (!path.isEmpty())
        importFrom(view, path);
}

ImportConfirmation *importFrom(RootView *view, const QString &path)
{
    const AppSetFile::Import set = AppSetFile::readFile(path, Catalog::active());
    if (!set.succeeded()) {
        alert(view->window(), QCoreApplication::translate("AppSetTransfer", "The file could not be read."), *set.error);
        return nullptr;
    }
    auto *confirmation = new ImportConfirmation(set, QFileInfo(path).fileName(), *view->engine(), view->window());
    confirmation->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(confirmation, &QDialog::accepted, view,
        [view, apps = confirmation->appsToInstall()] { view->installApps(apps); });
    Sheet::present(confirmation);
    return confirmation;
}

} // namespace AppSetTransfer
