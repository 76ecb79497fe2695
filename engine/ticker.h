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

// How an owner of timers gets them: the desktop's real ones, or manual ones under test.
using TickerFactory = std::function<std::unique_ptr<Ticker>(std::function<void()> onTick)>;

} // namespace keyvora
