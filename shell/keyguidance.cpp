// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/keyguidance.h"

#include "keyboard/keyboarddiagram.h"
#include "keyboard/keymodel.h"

namespace keyvora {

namespace {

constexpr int kShiftAlone = 1;
constexpr int kNoModifier = 0;

} // namespace

KeyGuidance::KeyGuidance(KeyboardDiagram &diagram, const TickerFactory &makeTicker)
    : m_diagram(diagram)
    , m_tmrResetKey(makeTicker("tmrResetKey", [this] { tmrResetKey_Timer(); }))
{
}

void KeyGuidance::keyPressed(char16_t code)
{
    if (const auto index = keyIndexForChar(code))
        m_diagram.setKeyFillMode(*index, FillMode::Opaque);
    // Also when nothing lit: the tick puts out whatever is still lit.
    m_tmrResetKey->start();
}

void KeyGuidance::tmrResetKey_Timer()
{
    // Off until the next key press, so the timer costs nothing while the learner pauses.
    m_tmrResetKey->stop();
    for (int index = 1; index <= 127; ++index)
        m_diagram.setKeyFillMode(index, FillMode::Transparent);
}

void KeyGuidance::keyDown(int shiftMask)
{
    if (shiftMask == kShiftAlone)
        setCaptions(true);
}

void KeyGuidance::keyUp(int shiftMask)
{
    if (shiftMask == kNoModifier)
        setCaptions(false);
}

void KeyGuidance::guideFinger(const QString &nextChar)
{
    // All hidden, then the one shown; a marker that stays is not hidden first, or every
    // keystroke would repaint it and the hand beneath.
    const std::optional<int> shown = fingerSlotForChar(nextChar);
    for (int slot = 0; slot < kFingerSlots; ++slot)
        m_diagram.setFingerVisible(slot, slot == shown);
}

void KeyGuidance::setCaptions(bool shifted)
{
    for (const int index : kShiftedCaptionOrder) {
        if (const KeySpec *key = keyAt(index))
            m_diagram.setKeyCaption(index, keyCaption(*key, shifted));
    }
}

} // namespace keyvora
