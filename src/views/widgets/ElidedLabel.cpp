#include "views/widgets/ElidedLabel.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTextLayout>

using namespace Qt::StringLiterals;

ElidedLabel::ElidedLabel(int maxLines, QWidget *parent)
    : QLabel(parent)
    , m_maxLines(maxLines)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ElidedLabel::setMaxLines(int maxLines)
{
    if (m_maxLines == maxLines)
        return;
    m_maxLines = maxLines;
    updateGeometry();
    updateElided();
    update();
}

void ElidedLabel::setFullText(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    updateElided();
}

QStringList ElidedLabel::lines(int width, bool *cut) const
{
    QStringList shown;
    *cut = false;
    const QString all = text();
    if (all.isEmpty() || width <= 0)
        return shown;
    QTextLayout layout(all, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (m_maxLines > 0 && shown.size() == m_maxLines - 1) {
            // The last line allowed takes the rest, cut short with an ellipsis when it does not fit.
            const QString rest = all.mid(line.textStart());
            const QString elided = fontMetrics().elidedText(rest, Qt::ElideRight, width);
            *cut = elided != rest;
            shown.append(elided);
            break;
        }
        shown.append(all.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return shown;
}

int ElidedLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    bool cut = false;
    const qsizetype count = lines(width - margins.left() - margins.right(), &cut).size();
    return int(count) * fontMetrics().lineSpacing() + margins.top() + margins.bottom();
}

QSize ElidedLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const int width = qMin(fontMetrics().horizontalAdvance(text()), 40 * fontMetrics().averageCharWidth())
        + margins.left() + margins.right();
    return { width, heightForWidth(width) };
}

QSize ElidedLabel::minimumSizeHint() const
{
    return { fontMetrics().averageCharWidth() * 4, fontMetrics().lineSpacing() };
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QRect box = contentsRect();
    bool cut = false;
    int y = box.top() + fontMetrics().ascent();
    for (const QString &line : lines(box.width(), &cut)) {
        painter.drawText(box.left(), y, line);
        y += fontMetrics().lineSpacing();
    }
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateElided();
}

void ElidedLabel::updateElided()
{
    bool cut = false;
    lines(contentsRect().width(), &cut);
    m_elided = cut;
    setToolTip(cut ? text() : QString());
}
