#pragma once

class QDialog;

// Shows a dialog as a sheet of its window: window-modal, attached to the window's title bar on
// macOS, and without a nested event loop, so other windows stay live.
namespace Sheet {

void present(QDialog *dialog);

} // namespace Sheet
