#include "views/Typography.h"

#include <QColor>
#include <QGuiApplication>
#include <QLabel>

namespace Typography {

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont result = QGuiApplication::font();
    result.setPixelSize(pixelSize);
    result.setWeight(weight);
    return result;
}

QLabel *label(
    const QString &text, int pixelSize, QFont::Weight weight, const QColor &color, bool wraps, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font(pixelSize, weight));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    // Wrapping makes the label report its height for a width, so layouts give it every line.
    label->setWordWrap(wraps);
    return label;
}

} // namespace Typography
