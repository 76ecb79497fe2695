// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ticker.h"

#include <QTimer>

namespace keyvora {

// The real thing. Precise, because the clock is the sum of its ticks and must not drift
// from the wall by more than the ticks' own jitter.
class QtTicker final : public Ticker {
public:
    explicit QtTicker(std::function<void()> onTick, int intervalMs = kTickMs)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTick));
    }
    void start() override
    {
        if (!m_timer.isActive())
            m_timer.start();
    }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    void setObjectName(const QString &name) { m_timer.setObjectName(name); }

private:
    QTimer m_timer;
};

} // namespace keyvora
