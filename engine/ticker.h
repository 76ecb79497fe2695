// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

namespace keyvora {

// A timer whose tick is a plain call, so tests can tick without waiting.
class Ticker {
public:
    virtual ~Ticker() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The period of the practice's timers: its clock is the sum of their ticks.
inline constexpr int kTickMs = 100;

// How an owner of timers gets them: the desktop's real ones, or manual ones under test. The
// name is the timer's within its owner ("tmrSpeed"), so one timer can be told from another.
using TickerFactory =
    std::function<std::unique_ptr<Ticker>(const char *name, std::function<void()> onTick)>;

} // namespace keyvora
