#pragma once

#include "catalog/AppSetFile.h"

#include <QDialog>

class InstallEngine;
class QPushButton;

// The sheet "Install from file…" shows before it installs anything: the apps the file names (those
// already installed, or unavailable, marked and left out), what it did not recognise, and what it
// leaves to Homebrew, above "Cancel" and "Install n apps". Accepting it is the only way the file's
// apps get installed.
class ImportConfirmation : public QDialog
{
    Q_OBJECT

public:
    ImportConfirmation(
        const AppSetFile::Import &set, const QString &fileName, const InstallEngine &engine, QWidget *parent = nullptr);

    // The apps accepting installs, in catalog order.
    QList<CatalogApp> appsToInstall() const { return m_toInstall; }
    QPushButton *installButton() const { return m_install; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QWidget *appList(const AppSetFile::Import &set, const InstallEngine &engine);

    QList<CatalogApp> m_toInstall;
    QPushButton *m_install = nullptr;
    QPushButton *m_cancel = nullptr;
};
