// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

// Everything the attempt shows or asks of its window. The window owns the wording
// (one table per language), so only numbers and characters cross this line.
class AttemptView {
public:
    virtual ~AttemptView() = default;

    virtual bool backspacingOff() const = 0;

    // Keyboard guidance: the key just pressed, the next letter, the finger for it.
    virtual void keyPressed(char16_t code) = 0;
    virtual void showNextLetter(const QString &letter) = 0;
    virtual void guideFinger(const QString &nextChar) = 0;

    virtual void showSpeed(qint64 wordsPerMinute) = 0;
    virtual void showAccuracy(qint64 percent) = 0;
    virtual void showWordCount(qint64 words) = 0;
    virtual void showDuration(qint64 minutes, qint64 seconds) = 0;
    // Speed and accuracy back to their bare prefixes, next letter empty.
    virtual void clearLiveFigures() = 0;

    virtual void beep() = 0;
    virtual void showVerdict(bool passed, qint64 wordsPerMinute, qint64 accuracyPercent) = 0;
};

} // namespace keyvora
