#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// What the user is told when no mail application took a feedback or suggestion message: where to
// write instead, with the address ready to copy.
namespace MailFallback {

QString sentence(); // "No mail app opened. Write to <support address>."
QString copyTitle(); // "Copy address"
// Puts the support address on the clipboard.
void copyAddress();

// An alert over window (or on its own) holding the sentence, "Copy address" and "OK"; deleted
// once closed.
QMessageBox *show(QWidget *window);

} // namespace MailFallback
