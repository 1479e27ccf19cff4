#pragma once

#include "views/ShapedButton.h"

// The button styles the card and the detail sheet share.
namespace ButtonLooks {

// Cream title on a filled primary rounded rectangle; horizontal padding 16 on cards, 18 in the sheet.
ShapedButton::Look install(int horizontalPadding);
// "Uninstall": deep terra title in a thin neutral outline.
ShapedButton::Look uninstall();
// The outlined buttons of the guidance panel that open System Settings or launch the app.
ShapedButton::Look settings(const QString &symbol);
// A bare primary-coloured link with a symbol, such as "Open Accessibility settings".
ShapedButton::Look link(const QString &symbol);
// The filled Homebrew setup button; the card's wraps its long title.
ShapedButton::Look homebrewSetup(int pixelSize, int horizontalPadding, bool wraps);

} // namespace ButtonLooks
