#include "views/widgets/WrappedLabel.h"

#include <QEvent>

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

WrappedLabel::Basis WrappedLabel::basis() const
{
    return { text(), contentsMargins(), margin(), indent() };
}

int WrappedLabel::heightForWidth(int width) const
{
    Basis now = basis();
    if (now != m_basis) {
        m_basis = std::move(now);
        m_answers[0] = m_answers[1] = Answer();
    }
    for (const Answer &answer : m_answers)
        if (answer.width == width)
            return answer.height;
    const int height = QLabel::heightForWidth(width);
    m_answers[m_next] = { width, height };
    m_next = 1 - m_next;
    return height;
}

bool WrappedLabel::event(QEvent *event)
{
    // What the text is laid out in has changed.
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        m_answers[0] = m_answers[1] = Answer();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}
