// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "benchplatform.h"
#include "samples.h"

#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace keyvora::bench {

inline constexpr qsizetype KB = 1024;
inline constexpr qsizetype MB = 1024 * 1024;
inline const std::vector<qsizetype> kSourceSizes = {KB, 100 * KB, MB, 5 * MB};
inline constexpr qsizetype kOursOnlySize = 10 * MB;
inline const std::vector<qsizetype> kInputLengths = {10, 1'000, 10'000, 50'000, 200'000};
inline constexpr qsizetype kTickInput = 200'000;
inline constexpr qsizetype kTickSource = MB;

QString sizeName(qsizetype bytes);
const char *boxesName(Boxes boxes);

// What one run measured, by case: "load/ours/5 MB", "key/QTextEdit/1 MB/10000", "ticks/ours".
struct Results {
    static std::string loadCase(Boxes boxes, qsizetype size);
    static std::string keyCase(Boxes boxes, qsizetype size, qsizetype input);
    static std::string tickCase(Boxes boxes);

    const Samples *find(const std::string &name) const;

    std::map<std::string, Samples> samples;
    std::map<std::string, QString> notes;

    struct Clock {
        int seconds = 0;
        qint64 keys = 0;
        qint64 ticks = 0;
        double tickedSeconds = 0; // the practice clock: 0.1 s a tick
        double wallAtLastTick = 0;
        double worstLatenessMs = 0;
    };
    std::optional<Clock> clock;

    struct Idle {
        int seconds = 0;
        std::map<QString, int> timerEvents; // by receiver
        int tickersRunning = 0;
        qint64 ticks = 0;
    };
    std::optional<Idle> idle;

    // Paints the hidden main window received while its clock ticked.
    std::optional<int> hiddenPaints;

    qint64 wallMs = 0;
};

} // namespace keyvora::bench
