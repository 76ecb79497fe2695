// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An account of the attempt kept apart from the engine, for the model test, the suites and the
// normalisation fuzzer. It is written differently from the product on purpose: one pass, plain
// loops.

#include <QString>

#include <cmath>

namespace keyvora::test {

// What a loaded text must become: line breaks (CR LF, or LF alone) and tabs are spaces, a CR
// alone stays, trailing spaces go, one end marker follows.
inline QString heldText(const QString &loaded)
{
    QString held;
    for (qsizetype i = 0; i < loaded.size(); ++i) {
        if (loaded[i] == u'\r' && i + 1 < loaded.size() && loaded[i + 1] == u'\n')
            continue; // the line feed that follows makes the space
        held += loaded[i] == u'\t' || loaded[i] == u'\n' ? QChar(u' ') : loaded[i];
    }
    while (held.endsWith(u' '))
        held.chop(1);
    return held + u'\r';
}

// What the figures must be and when the attempt may beep, end or start over, kept apart from
// the engine. The clock is the sum of its 0.1 s ticks; the words are the runs of blanks plus
// one; accuracy is (1 - marks / length) x 100 to the nearest whole per cent, halves to even.
// check() returns the first rule the attempt broke, or nullptr.
class Account {
public:
    QString held; // what the source box holds
    qint64 words = 0;
    qint64 accuracy = 0;
    double elapsed = 0.0;
    qint64 speed = 0;
    int verdicts = 0;

    // A text assigned to the source box, which held `before` and now holds `after`: an
    // identical one raises no change, any other starts over.
    void load(const QString &assigned, const QString &before, const QString &after)
    {
        if (assigned == before)
            return;
        held = after;
        if (!assigned.isEmpty()) {
            elapsed = 0.0;
            m_verdictsForText = 0;
        }
    }

    void wordTick(const QString &input)
    {
        words = 1;
        for (qsizetype i = 0; i < input.size(); ++i)
            words += input[i] == u' ' && (i == 0 || input[i - 1] != u' ');
        // In the default rounding mode nearbyint goes to the nearest, halves to even.
        accuracy = qint64(
            std::nearbyint((1.0 - double(input.count(u'*')) / double(input.size())) * 100.0));
    }

    void clockTick()
    {
        elapsed += 0.1;
        speed = qint64(std::floor(double(words * 60) / elapsed + 0.5));
    }

    // After one event that beeped and gave verdicts so many times, with the clock and the word
    // counter found running or not.
    const char *check(const QString &source, const QString &input, int beeps, int newVerdicts,
                      bool hadText, bool clockRuns, bool counterRuns)
    {
        if (beeps > 1 || newVerdicts > 1)
            return "more than one beep or verdict for one event";
        if (beeps == 1 && newVerdicts == 0 && !input.endsWith(u'*'))
            return "a beep without a mistake mark";
        if (newVerdicts == 1) {
            if (!hadText || !input.isEmpty() || ++m_verdictsForText > 1)
                return "a verdict without a text, a second one for a text, or one that left input";
            ++verdicts;
            held.clear();
        }
        if (source != held)
            return "the source box changed without a load or a verdict";
        if (clockRuns == source.isEmpty())
            return "the clock runs without a text or stops with one";
        if (counterRuns == input.isEmpty())
            return "the word counter runs without input or stops with some";
        if (!input.isEmpty() && input.size() < source.size() && source[input.size()] == u'\r')
            return "the end marker is next and no verdict came";
        return nullptr;
    }

private:
    int m_verdictsForText = 0;
};

} // namespace keyvora::test
