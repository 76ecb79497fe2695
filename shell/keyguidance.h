// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ticker.h"

#include <QString>

#include <memory>

namespace keyvora {

class KeyboardDiagram;

// The main window's live guidance on its diagram: the key just typed lights until the next
// tick of tmrResetKey, Shift alone shows the shifted captions, and one marker shows the
// finger for the next character. The window forwards its input box's events here.
class KeyGuidance {
public:
    KeyGuidance(KeyboardDiagram &diagram, const TickerFactory &makeTicker);

    // Key press with its character code, before the character reaches the text.
    void keyPressed(char16_t code);
    void tmrResetKey_Timer();
    // Shift masks: 1 Shift, 2 Ctrl, 4 Alt, added together.
    void keyDown(int shiftMask);
    void keyUp(int shiftMask);
    void guideFinger(const QString &nextChar);

private:
    void setCaptions(bool shifted);

    KeyboardDiagram &m_diagram;
    std::unique_ptr<Ticker> m_tmrResetKey;
};

} // namespace keyvora
