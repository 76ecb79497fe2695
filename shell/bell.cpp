// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/bell.h"

#include <canberra.h>

#include <algorithm>

namespace keyvora {

namespace {

// A second's worth of rings; more than that while the sound system is stuck would only go on
// ringing long after the keys that asked for them.
constexpr int kMostPending = 10;

// The theme's own bell first; "bell" is the name older themes know.
constexpr const char *kBellEvents[] = {"bell-window-system", "bell"};

class CanberraContext final : public SoundContext {
public:
    explicit CanberraContext(ca_context *context)
        : m_context(context)
    {
    }
    ~CanberraContext() override { ca_context_destroy(m_context); }
    CanberraContext(const CanberraContext &) = delete;
    CanberraContext &operator=(const CanberraContext &) = delete;

    int open() override { return ca_context_open(m_context); }
    int play(const char *eventId) override
    {
        return ca_context_play(m_context, 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION,
                               "Typing mistake", nullptr);
    }

private:
    ca_context *m_context;
};

// Only these say nothing about the connection: the theme lacks the sound, or the desktop has
// event sounds switched off.
bool connectionStillGood(int result)
{
    return result == CA_SUCCESS || result == CA_ERROR_NOTFOUND || result == CA_ERROR_DISABLED;
}

} // namespace

Bell::Bell(std::function<void()> prepare, std::function<bool()> play,
           std::function<void()> fallback, std::chrono::milliseconds spacing)
    : m_prepare(std::move(prepare))
    , m_play(std::move(play))
    , m_fallback(std::move(fallback))
    , m_spacing(spacing)
    , m_worker([this] { run(); })
{
}

Bell::~Bell()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_worker.join();
}

void Bell::ring()
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::min(m_pending + 1, kMostPending);
    }
    m_wake.notify_one();
}

void Bell::run()
{
    if (m_prepare)
        m_prepare();
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending > 0 || m_stopping; });
        if (m_stopping)
            return;
        --m_pending;
        lock.unlock();
        const auto started = std::chrono::steady_clock::now();
        if (!m_play())
            m_fallback();
        lock.lock();
        // Sounds closer together than the spacing would run into one noise.
        if (m_pending > 0)
            m_wake.wait_until(lock, started + m_spacing, [this] { return m_stopping; });
    }
}

std::unique_ptr<SoundContext> makeCanberraContext()
{
    ca_context *context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Keyvora", CA_PROP_APPLICATION_ID,
                            KEYVORA_ID, nullptr);
    return std::make_unique<CanberraContext>(context);
}

DesktopBellSound::DesktopBellSound(SoundContextFactory makeContext)
    : m_makeContext(std::move(makeContext))
{
}

void DesktopBellSound::connect()
{
    if (m_context)
        return;
    m_context = m_makeContext();
    if (m_context && !connectionStillGood(m_context->open()))
        m_context.reset();
}

// A connection that has served before may have been dropped by the server since; it is
// replaced and the sound tried once more, so the mistake that finds the server back is heard.
bool DesktopBellSound::play()
{
    const bool wasConnected = m_context != nullptr;
    if (playOnce())
        return true;
    return wasConnected && !m_context && playOnce();
}

bool DesktopBellSound::playOnce()
{
    connect();
    if (!m_context)
        return false;
    for (const char *event : kBellEvents) {
        const int result = m_context->play(event);
        if (result == CA_SUCCESS)
            return true;
        if (!connectionStillGood(result)) {
            m_context.reset();
            return false;
        }
    }
    return false;
}

} // namespace keyvora
