// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace keyvora {

inline constexpr double kTimeStep = 0.1;
inline constexpr qint64 kPassAbove = 90;
inline constexpr QChar kMistakeMark = u'*';
inline constexpr QChar kEndMarker = u'\r';

// One plus the number of runs of spaces, leading and trailing runs included.
qint64 countWords(QStringView input);
qint64 countMistakeMarks(QStringView input);

// Whole per cent, halves to the even neighbour (90.5 gives 90).
qint64 accuracyPercent(qint64 mistakes, qint64 inputLength);
// Words per minute, halves up (42.5 gives 43).
qint64 speedWpm(qint64 words, double elapsedSeconds);

struct Duration {
    qint64 minutes;
    qint64 seconds;
};
Duration durationOf(double elapsedSeconds);

} // namespace keyvora
