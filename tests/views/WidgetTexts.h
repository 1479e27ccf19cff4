#pragma once

#include "views/Pill.h"
#include "views/ReplacesLine.h"
#include "views/SpinnerRow.h"
#include "views/SymbolLabel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The texts a user would see in root right now: every visible label, button title, pill and
// spinner line, in widget order. Tests compare against these rather than against widget names.
inline QStringList visibleTexts(const QWidget *root)
{
    QStringList texts;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root))
            continue;
        QString text;
        if (auto *replaces = qobject_cast<const ReplacesLine *>(widget))
            text = replaces->plainText();
        else if (auto *label = qobject_cast<const QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        else if (auto *pill = qobject_cast<const Pill *>(widget))
            text = pill->text();
        else if (auto *symbolLabel = qobject_cast<const SymbolLabel *>(widget))
            text = symbolLabel->text();
        if (!text.isEmpty() && !qobject_cast<const SpinnerRow *>(widget->parentWidget()))
            texts.append(text);
        if (auto *spinner = qobject_cast<const SpinnerRow *>(widget))
            texts.append(spinner->text());
    }
    return texts;
}

// The visible button titled text under root, or null.
inline QAbstractButton *visibleButton(const QWidget *root, const QString &text)
{
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        if (button->text() == text && button->isVisibleTo(root))
            return button;
    return nullptr;
}
