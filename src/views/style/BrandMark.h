#pragma once

#include <QtGlobal>

class QPainter;
class QRectF;

// The product mark: three overlapping rounded squares, drawn from numbers so it is sharp at any size.
namespace BrandMark {

// Draws the mark in a size x size square centred in frame.
void paint(QPainter *painter, const QRectF &frame, qreal size);

} // namespace BrandMark
