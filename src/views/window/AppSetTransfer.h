#pragma once

#include <QString>

class ImportConfirmation;
class QMessageBox;
class RootView;

// The File menu's "Export my apps…" and "Install from file…" for one window: the file dialogs, and
// behind them the steps a test drives with a path of its own.
namespace AppSetTransfer {

QString exportTitle(); // "Export my apps…"
QString importTitle(); // "Install from file…"

// Asks where to save (a "Brewfile" in the home folder by default), then exportTo.
void chooseExportFile(RootView *view);
// Writes the installed catalog apps of view's engine to path as a Brewfile. On failure, shows the
// sentence in an alert over view's window and returns it.
QMessageBox *exportTo(RootView *view, const QString &path);

// Asks for a file, then importFrom.
void chooseImportFile(RootView *view);
// Reads the set at path. When it cannot be read, shows the sentence in an alert and returns null;
// otherwise opens the confirmation sheet over view's window, which installs through view's batch
// when accepted, and returns it.
ImportConfirmation *importFrom(RootView *view, const QString &path);

} // namespace AppSetTransfer
