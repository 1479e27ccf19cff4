#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology learns about the brand's controls beyond what Qt tells it: a
// disclosure is a button with an expanded state, a progress row a busy progress indicator, a card a
// group that is busy while its application installs or goes, icons and screenshots are images.
namespace BrandAccessibility {

void install();

// Tells assistive technology that these states of widget changed.
void stateChanged(QWidget *widget, QAccessible::State changed);
// Tells it that widget's name or description (event NameChanged or DescriptionChanged) changed.
void textChanged(QWidget *widget, QAccessible::Event event);

} // namespace BrandAccessibility
