// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/attemptview.h"
#include "engine/textboxes.h"
#include "engine/ticker.h"

#include <functional>
#include <memory>

namespace keyvora {

// The attempt's own fields. Counts and positions are 64-bit: a whole book must be typable
// to its end with correct figures.
struct AttemptFields {
    QString strTypedChar;
    QString strExpectedChar;
    QString strNextChar;
    qint64 intInputLen = 0;
    qint64 intWordCount = 0;
    qint64 intErrorCount = 0;
    qint64 intAccuracy = 0;
    double dblElapsed = 0.0;
    double dblSpeed = 0.0;
};

enum class AttemptState { NoText, Ready, Typing };

// The learner's work on one practice text: judging keystrokes, loading texts, the figures
// and the verdict. The two texts live in the boxes, never copied here, so that whatever
// changes a box (the learner, a paste, a loader) is seen the same way.
class PracticeAttempt {
public:
    PracticeAttempt(SourceBox &rtbSource, InputBox &rtbInput, AttemptView &view,
                    const TickerFactory &makeTicker);

    // Event handlers, called by the window when its boxes and timers raise them.
    void rtbInput_KeyPress(char16_t &keyAscii);
    void rtbInput_Change();
    void rtbSource_Change();
    void tmrCheckNumOfWords_Timer();
    void tmrSpeed_Timer();

    // File > Reset.
    void reset();

    const AttemptFields &fields() const { return m_fields; }
    AttemptState state() const;
    const Ticker &tmrSpeed() const { return *m_tmrSpeed; }
    const Ticker &tmrCheckNumOfWords() const { return *m_tmrCheckNumOfWords; }

private:
    void endOfText();

    SourceBox &m_source;
    InputBox &m_input;
    AttemptView &m_view;
    std::unique_ptr<Ticker> m_tmrSpeed;
    std::unique_ptr<Ticker> m_tmrCheckNumOfWords;
    AttemptFields m_fields;
    bool m_normalising = false; // the loader's own writes are not new loadings
    bool m_marking = false;     // the mistake mark's own write is not a new keystroke
};

} // namespace keyvora
