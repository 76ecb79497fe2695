// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/textboxes.h"

#include <QAbstractScrollArea>
#include <QWidget>

#include <functional>
#include <optional>

class QKeyEvent;

namespace keyvora {

// The events of the input box, in the order a key raises them: key down, key press (the
// character by reference; 0 cancels the key), change, key up. Shift masks are 1 Shift,
// 2 Ctrl, 4 Alt, added together.
class InputBoxHandler {
public:
    virtual ~InputBoxHandler() = default;
    virtual void rtbInput_KeyDown(int keyCode, int shift) = 0;
    virtual void rtbInput_KeyPress(char16_t &keyAscii) = 0;
    virtual void rtbInput_Change() = 0;
    virtual void rtbInput_KeyUp(int keyCode, int shift) = 0;
};

// The character a key press types, as a desktop text box reports it: Backspace, Enter and
// Escape give their control codes, Ctrl with a letter gives 1 to 26; nothing for keys that type
// no character (Shift alone, arrows, Delete, Tab, a dead key).
std::optional<char32_t> typedCharacter(const QKeyEvent &event);

class InputBoxWidget : public QWidget, public InputBox {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setHandler(InputBoxHandler *handler) { m_handler = handler; }

    static int shiftMask(Qt::KeyboardModifiers modifiers);
    // The code the input box's key press event carries: the typed character, or the first half
    // of one beyond 16 bits.
    static std::optional<char16_t> keyAsciiOf(const QKeyEvent &event);

protected:
    InputBoxHandler *handler() const { return m_handler; }

private:
    InputBoxHandler *m_handler = nullptr;
};

// The practice text's box. Read-only for the learner; raises its change handler
// synchronously inside setText() when the text differs. A scroll area, because a practice text
// is longer than the box that shows it.
class SourceBoxWidget : public QAbstractScrollArea, public SourceBox {
    Q_OBJECT
public:
    using QAbstractScrollArea::QAbstractScrollArea;
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

protected:
    void notifyChanged()
    {
        if (m_changed)
            m_changed();
    }

private:
    std::function<void()> m_changed;
};

} // namespace keyvora
