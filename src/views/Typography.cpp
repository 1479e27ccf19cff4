#include "views/Typography.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace Typography {

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont result = QGuiApplication::font();
    result.setPixelSize(pixelSize);
    result.setWeight(Typography::weight(weight));
    return result;
}

QFont::Weight weight(QFont::Weight weight)
{
    static const bool hasMedium = [] {
        const QString family = QFontInfo(QGuiApplication::font()).family();
        return QFontDatabase::styles(family).contains(u"Medium"_s, Qt::CaseInsensitive);
    }();
    return weight == QFont::Medium && !hasMedium ? QFont::Normal : weight;
}

QFont mono(int pixelSize)
{
    QFont result = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    result.setPixelSize(pixelSize);
    return result;
}

QLabel *label(
    const QString &text, int pixelSize, QFont::Weight weight, QPalette::ColorRole role, bool wraps, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    if (pixelSize > 0)
        label->setFont(font(pixelSize, weight));
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(role);
    // Wrapping makes the label report its height for a width, so layouts give it every line.
    label->setWordWrap(wraps);
    return label;
}

} // namespace Typography
