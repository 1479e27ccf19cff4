#include "views/window/AppSetTransfer.h"

#include "catalog/AppSetFile.h"
#include "catalog/Catalog.h"
#include "engine/InstallEngine.h"
#include "views/widgets/Sheet.h"
#include "views/window/ImportConfirmation.h"
#include "views/window/RootView.h"

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
    return u"Export my apps\u2026"_s;
}

QString importTitle()
{
    return u"Install from file\u2026"_s;
}

void chooseExportFile(RootView *view)
{
    const QString home = view->engine()->environment().home;
    const QString path = QFileDialog::getSaveFileName(
        view->window(), u"Export my apps"_s, QDir(home.isEmpty() ? QDir::homePath() : home).filePath(u"Brewfile"_s));
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
    return alert(view->window(), u"Your apps could not be exported."_s, error);
}

void chooseImportFile(RootView *view)
{
    const QString home = view->engine()->environment().home;
    const QString path = QFileDialog::getOpenFileName(
        view->window(), u"Install from file"_s, home.isEmpty() ? QDir::homePath() : home);
    if (!path.isEmpty())
        importFrom(view, path);
}

ImportConfirmation *importFrom(RootView *view, const QString &path)
{
    const AppSetFile::Import set = AppSetFile::readFile(path, Catalog::active());
    if (!set.succeeded()) {
        alert(view->window(), u"The file could not be read."_s, *set.error);
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
