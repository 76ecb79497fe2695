// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/boxwidgets.h"

#include <QKeyEvent>

namespace keyvora {

int InputBoxWidget::shiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

std::optional<char32_t> typedCharacter(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return U'\b';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return U'\r';
    case Qt::Key_Escape:
        return char32_t(27);
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return std::nullopt;
    default:
        break;
    }
    // A dead key types nothing itself: the letter it makes arrives as an input-method commit.
    if (event.key() >= Qt::Key_Dead_Grave && event.key() <= Qt::Key_Dead_Longsolidusoverlay)
        return std::nullopt;
    // Ctrl with a letter types its control code, as a desktop text box reports it.
    if ((event.modifiers() & Qt::ControlModifier) && !(event.modifiers() & Qt::AltModifier) &&
        event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return char32_t(event.key() - Qt::Key_A + 1);
    const QList<uint> text = event.text().toUcs4();
    if (text.isEmpty() || text.front() == 0)
        return std::nullopt;
    return char32_t(text.front());
}

std::optional<char16_t> InputBoxWidget::keyAsciiOf(const QKeyEvent &event)
{
    const std::optional<char32_t> typed = typedCharacter(event);
    if (!typed)
        return std::nullopt;
    // A character beyond 16 bits arrives as its two halves; the first is the key's code.
    return QChar::requiresSurrogates(*typed) ? QChar::highSurrogate(*typed) : char16_t(*typed);
}

} // namespace keyvora
