#pragma once

#include <QList>

class QWidget;

// Tab order that follows what the user sees. Widgets made later than their neighbours (a card's
// controls built when its state first needs them, cards made after the first screenful) would
// otherwise come last in the window's chain.
namespace FocusChain {

// The widgets under root that Tab stops at, in the order their layouts place them.
QList<QWidget *> focusables(QWidget *root);
// Makes Tab go through widgets in this order, each after the one before it.
void chain(const QList<QWidget *> &widgets);

} // namespace FocusChain
