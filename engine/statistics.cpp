// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/statistics.h"

#include <cfenv>
#include <cmath>

namespace keyvora {

qint64 countWords(QStringView input)
{
    // One word, and one more for every run of spaces. Without branches, so that the counter
    // reads an hour of typing in a small part of its tick.
    const char16_t *chars = input.utf16();
    const qsizetype length = input.size();
    if (length == 0)
        return 1;
    qint64 runs = chars[0] == u' ';
    for (qsizetype i = 1; i < length; ++i)
        runs += (chars[i] == u' ') & (chars[i - 1] != u' ');
    return 1 + runs;
}

qint64 countMistakeMarks(QStringView input)
{
    return input.count(kMistakeMark);
}

qint64 accuracyPercent(qint64 mistakes, qint64 inputLength)
{
    const double exact = (1.0 - double(mistakes) / double(inputLength)) * 100.0;
    // nearbyint honours the current rounding mode, which is to-nearest-even unless changed.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(exact);
    std::fesetround(previous);
    return qint64(rounded);
}

qint64 speedWpm(qint64 words, double elapsedSeconds)
{
    return qint64(std::floor(double(words * 60) / elapsedSeconds + 0.5));
}

Duration durationOf(double elapsedSeconds)
{
    const auto minutes = qint64(std::floor(elapsedSeconds / 60.0));
    const auto seconds = qint64(std::floor(elapsedSeconds - double(minutes) * 60.0));
    return {minutes, seconds};
}

} // namespace keyvora
