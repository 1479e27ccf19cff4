#include "views/style/Typography.h"

#include "views/widgets/WrappedLabel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFuture>
#include <QGuiApplication>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace {

// Whether the system family has a medium face. Asking reads the system's font list, which the first
// question of a process pays for.
bool familyHasMedium()
{
    const QString family = QFontInfo(QGuiApplication::font()).family();
    return QFontDatabase::styles(family).contains(u"Medium"_s, Qt::CaseInsensitive);
}

QFuture<bool> &mediumAnswer()
{
    static QFuture<bool> answer;
    return answer;
}

bool hasMedium()
{
    static const bool answer = mediumAnswer().isValid() ? mediumAnswer().result() : familyHasMedium();
    return answer;
}

// Whether a medium weight can be settled now without waiting for the font list.
bool mediumSettled()
{
    return !mediumAnswer().isValid() || mediumAnswer().isFinished();
}

} // namespace

namespace Typography {

void readFontsInBackground()
{
    if (!mediumAnswer().isValid())
        mediumAnswer() = QtConcurrent::run(familyHasMedium);
}

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont result = QGuiApplication::font();
    result.setPixelSize(pixelSize);
    // While the font list is still being read, a medium weight stays as asked; the brand style
    // settles it when the widget is polished (settled()), before anything is measured with it.
    result.setWeight(weight == QFont::Medium && !mediumSettled() ? weight : Typography::weight(weight));
    return result;
}

QFont::Weight weight(QFont::Weight weight)
{
    return weight == QFont::Medium && !hasMedium() ? QFont::Normal : weight;
}

std::optional<QFont> settled(const QFont &font)
{
    if (font.weight() != QFont::Medium || hasMedium())
        return std::nullopt;
    QFont regular = font;
    regular.setWeight(QFont::Normal);
    return regular;
}

QFont mono(int pixelSize)
{
    QFont result = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    result.setPixelSize(pixelSize);
    result.setHintingPreference(QGuiApplication::font().hintingPreference());
    return result;
}

QLabel *label(
    const QString &text, int pixelSize, QFont::Weight weight, QPalette::ColorRole role, bool wraps, QWidget *parent)
{
    // Wrapping makes the label report its height for a width, so layouts give it every line.
    QLabel *label = wraps ? new WrappedLabel(text, parent) : new QLabel(text, parent);
    if (pixelSize > 0)
        label->setFont(font(pixelSize, weight));
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(role);
    return label;
}

} // namespace Typography
