// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace keyvora {

// The mistake's sound. The sound system is reached from a thread of its own, so a ring never
// waits for it, however slow it is to start or to answer. Each ring makes its own sound, at
// most one a spacing apart: rings that come while a sound is on its way wait their turn, and a
// run of them longer than a second's worth is cut to that.
class Bell {
public:
    // prepare runs once on the bell's thread before the first ring is heard; play makes one
    // sound and says whether it could; fallback runs when it could not.
    Bell(std::function<void()> prepare, std::function<bool()> play, std::function<void()> fallback,
         std::chrono::milliseconds spacing = std::chrono::milliseconds(100));
    ~Bell();

    void ring();

private:
    void run();

    std::function<void()> m_prepare;
    std::function<bool()> m_play;
    std::function<void()> m_fallback;
    const std::chrono::milliseconds m_spacing;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_pending = 0;
    bool m_stopping = false;
    std::thread m_worker;
};

// One connection to the sound server, as the freedesktop event-sound library keeps it. Both
// calls answer with the library's codes (CA_SUCCESS, CA_ERROR_...).
class SoundContext {
public:
    virtual ~SoundContext() = default;
    virtual int open() = 0;
    virtual int play(const char *eventId) = 0;
};

// A new, unopened connection; empty when none can be made.
using SoundContextFactory = std::function<std::unique_ptr<SoundContext>()>;

std::unique_ptr<SoundContext> makeCanberraContext();

// The desktop sound theme's bell event. A connection that the server dropped (it restarted or
// went away) is not used again: the next sound opens a new one, so the theme's bell is back as
// soon as the server is. Used from the bell's thread only.
class DesktopBellSound {
public:
    explicit DesktopBellSound(SoundContextFactory makeContext = makeCanberraContext);

    // Connects ahead of the first sound, which would otherwise pay for it.
    void connect();
    bool play();

private:
    bool playOnce();

    SoundContextFactory m_makeContext;
    std::unique_ptr<SoundContext> m_context;
};

} // namespace keyvora
